// The level writer: header, level-wide records, preloaded models, characters, AIs and the
// five planes, in the order the reader expects. The file goes through the safe write: the
// old file and its ".save" stay whole unless the new file was written completely.
#include "level/FichierNiveau.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/FondImage.h"
#include "level/LectureAvanceSD.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <functional>
#include <iterator>

namespace {

constexpr int TYPE_JEU_MULTI = 2;
const std::string LIGNE_DIESES(65, '#');
// Lines go to the stream in pieces of at least this many bytes.
constexpr size_t TAILLE_BLOC = 1 << 16;
constexpr size_t MARGE_BLOC = 4096;

std::uint64_t bitLongueur(size_t n) { return std::uint64_t(1) << std::min<size_t>(n, 63); }

// The size of the file a save replaces, which the new one is likely close to; 0 when none.
size_t tailleFichier(const std::string& fichier)
{
    std::error_code ec;
    const std::uintmax_t taille = std::filesystem::file_size(fichier, ec);
    return ec ? 0 : static_cast<size_t>(taille);
}

// What an AI's lines read of its character and of its sprite. Always inlined: the compiler
// takes a function that only fetches for one without effect, and drops its calls.
[[gnu::always_inline]] inline void chargerIA(const CPerso& ia)
{
    for (const void* champ : {static_cast<const void*>(&ia.sprite), static_cast<const void*>(&ia.direction),
                              static_cast<const void*>(&ia.bVaisseau), static_cast<const void*>(&ia.id),
                              static_cast<const void*>(&ia.chaine2), static_cast<const void*>(&ia.numPlanIA),
                              static_cast<const void*>(&ia.bOmbre), static_cast<const void*>(&ia.ombreHmax),
                              static_cast<const void*>(&ia.poids), static_cast<const void*>(&ia.modeCollisions),
                              static_cast<const void*>(&ia.bTemporaire)})
        __builtin_prefetch(champ);
}

[[gnu::always_inline]] inline void chargerSpriteIA(const CSPRITE& sd)
{
    __builtin_prefetch(&sd.pDEC);
    __builtin_prefetch(&sd.bPhysC);
    __builtin_prefetch(&sd.pChemin);
}

// A bank's place among the recent ones: a multiplicative hash of its address.
size_t placeRecente(const CDEC* banque)
{
    return static_cast<size_t>((reinterpret_cast<std::uintptr_t>(banque) * 0x9E3779B97F4A7C15ull) >> 59);
}

} // namespace

// ---------------------------------------------------------------- the line being built

// A save writes some hundred thousand values: each is formatted straight into the line,
// which lives in the first nLigne bytes of ligneEcrite, a string that only ever grows.
void CFichierNiveau::agrandirLigne(size_t n) { ligneEcrite.resize(std::max(2 * ligneEcrite.size(), nLigne + n + 256)); }

void CFichierNiveau::ajouterLigne(std::string_view texte)
{
    std::memcpy(placeLigne(texte.size()), texte.data(), texte.size());
    nLigne += texte.size();
}

void CFichierNiveau::cle(std::string_view nom)
{
    nLigne = 0;
    ajouterLigne(nom);
    ajouterLigne("=");
    bPremiereValeur = true;
}

void CFichierNiveau::separer()
{
    if (!bPremiereValeur)
        ajouterLigne(";");
    bPremiereValeur = false;
}

// Shortest text that reads back to the same float; a value that is not finite is written as
// 0, which is what the reader would make of it.
void CFichierNiveau::valeurFractionnaire(float v)
{
    char* debut = placeLigne(1 + tuv::TAILLE_NOMBRE_MAX);
    char* p = debut;
    if (!bPremiereValeur)
        *p++ = ';';
    bPremiereValeur = false;
    nLigne += static_cast<size_t>(tuv::ecrireReel(p, std::isfinite(v) ? v : 0.0f) - debut);
}

// Copied as it is, then corrected in place in the rare text that needs it.
void CFichierNiveau::valeurTexte(std::string_view texte)
{
    separer();
    char* debut = placeLigne(texte.size());
    std::memcpy(debut, texte.data(), texte.size());
    nLigne += texte.size();
    if (!aCorriger(texte))
        return;
    ++nbTextesCorriges;
    for (char* c = debut; c != debut + texte.size(); ++c)
        if (*c == ';')
            *c = ',';
        else if (*c == '\r' || *c == '\n')
            *c = ' ';
}

void CFichierNiveau::finLigne() { ecrireLigne(std::string_view(ligneEcrite.data(), nLigne)); }

// Lines are gathered and handed to the stream in large pieces.
void CFichierNiveau::ecrireLigne(std::string_view ligne)
{
    const size_t taille = nTampon + ligne.size() + 1;
    if (taille > capaciteTampon) {
        const size_t capacite = std::max(taille, bRetenir ? 2 * capaciteTampon : TAILLE_BLOC + MARGE_BLOC);
        std::unique_ptr<char[]> plusGrand(new char[capacite]);
        if (nTampon > 0)
            std::memcpy(plusGrand.get(), tamponEcriture.get(), nTampon);
        tamponEcriture = std::move(plusGrand);
        capaciteTampon = capacite;
    }
    char* p = tamponEcriture.get() + nTampon;
    if (!ligne.empty())  // an empty line may have no characters at all
        std::memcpy(p, ligne.data(), ligne.size());
    p[ligne.size()] = '\n';
    nTampon = taille;
    if (nTampon >= TAILLE_BLOC && !bRetenir)
        viderTampon();
}

void CFichierNiveau::viderTampon()
{
    if (ecritureSure.ouverte() && nTampon > 0)
        ecritureSure.flux().write(tamponEcriture.get(), static_cast<std::streamsize>(nTampon));
    nTampon = 0;
}

// The buffer is made as large as expected at once, a power of two: no copy as it fills, and
// from one save to the next the same size, which the allocator then serves from memory it
// already has.
void CFichierNiveau::retenirLignes(size_t prevision)
{
    viderTampon();
    bRetenir = true;
    size_t capacite = TAILLE_BLOC;
    while (capacite < prevision + MARGE_BLOC)
        capacite *= 2;
    if (capacite > capaciteTampon) {
        tamponEcriture.reset(new char[capacite]);
        capaciteTampon = capacite;
    }
}

void CFichierNiveau::finRetenue()
{
    lignesRetenues = std::move(tamponEcriture);
    nRetenues = nTampon;
    capaciteTampon = nTampon = 0;
    bRetenir = false;
}

void CFichierNiveau::ecrireLignesRetenues()
{
    viderTampon();
    if (ecritureSure.ouverte() && nRetenues > 0)
        ecritureSure.flux().write(lignesRetenues.get(), static_cast<std::streamsize>(nRetenues));
    lignesRetenues.reset();
    nRetenues = 0;
}

bool CFichierNiveau::aCorriger(std::string_view texte)
{
    for (char c : texte)
        if (c == ';' || c == '\r' || c == '\n')
            return true;
    return false;
}

std::string CFichierNiveau::texteSur(const std::string& texte)
{
    if (!aCorriger(texte))
        return texte;
    ++nbTextesCorriges;
    std::string s = texte;
    for (char& c : s)
        if (c == ';')
            c = ',';
        else if (c == '\r' || c == '\n')
            c = ' ';
    return s;
}

std::wstring CFichierNiveau::bilanSauvegarde() const
{
    std::wstring s;
    if (nbObjetsIgnores > 0)
        s += L"\n" + std::to_wstring(nbObjetsIgnores) + L" objet(s) sans définition non sauvegardé(s)";
    if (nbTextesCorriges > 0)
        s += L"\n" + std::to_wstring(nbTextesCorriges) + L" texte(s) corrigé(s) (\";\" et retours à la ligne)";
    return s;
}

// ---------------------------------------------------------------- the save

bool CFichierNiveau::sauverNiveau(const std::string& fichier)
{
    MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor && sauverNiveau(fichier, *jeu->pdecor);
}

bool CFichierNiveau::sauverNiveau(const std::string& fichier, CDecor& source)
{
    nbObjetsIgnores = nbTextesCorriges = 0;
    if (fichier.empty())
        return false;
    if (tuv::memeFichier(fichier, NIVEAU_VIDE)) {
        CPLUX::MessageBoxW(std::string("ATTENTION !"),
                           std::string("Vous devez créer un nouveau fichier pour la sauvegarde de ce niveau."));
        return false;
    }
    // The old file is the author's only backup until the new one is whole.
    if (!tuv::copierSauvegarde(fichier) || !open(fichier, true))
        return false;
    pCible = pSource = &source;
    pJeu = faceJeu::monde();
    rassemblerSprites(source);
    grouperScripts();
    // The planes come last in the file, but they are written first, held in memory: the
    // definitions they use, which the file lists before them, are noted on the way, in the
    // one walk over the sprites.
    preparerDefinitions();
    retenirLignes(tailleFichier(fichier));
    ecrirePlans();
    finRetenue();
    finirDefinitions();
    ecrireEntete();
    ecrireReglages();
    ecrireMeteo();
    ecrireModeles();
    ecrirePersos();
    ecrireIAs();
    ecrireLignesRetenues();
    scriptsParSD.clear();
    proprietairesScripts.clear();
    for (std::vector<CSPRITE*>& plan : spritesPlans)
        plan.clear();
    if (!close())
        return false;
    source.fichierNiveau = source.fichierSaisi = fichier;
    if (estMondeJeu())
        faceJeu::partie()->fichierJeu = fichier;
    return true;
}

void CFichierNiveau::ecrireEntete()
{
    ecrireLigne(LIGNE_DIESES);
    ecrireLigne("#\tGNOP fichier de données");
    ecrireLigne("#\tNe pas éditer : fichier généré par l'éditeur GNOP");
    ecrireLigne(LIGNE_DIESES);
    ligneVide();
}

void CFichierNiveau::ecrireReglages()
{
    const CDecor& d = *pSource;
    cle("INFOS"), valeur(int(d.bInfos)), finLigne();
    cle("IMAGECHARGEMENT"), valeurTexte(d.strImageChargement), finLigne();
    ligneVide();
    cle("NOM"), valeurTexte(tuv::wstrToUtf8(d.nomNiveau)), valeur(d.numNiveau), finLigne();
    ligneVide();
    cle("TAILLEJEU"), valeur(d.tailleJeuX), valeur(d.tailleJeuY), finLigne();
    // The camera holds the level's values since its load; its zoom base, not the zoom the
    // editor's wheel changes.
    const CVue* vue = d.pCamera;
    cle("SCROLLVUE"), valeur(d.modeVueChoisi());
    valeur(tuv::floatVersInt(vue ? vue->vitesseScroll : d.vitesseScrollVue));
    valeur(vue ? vue->zoomBase : d.zoomVue), finLigne();
    ligneVide();
    static const char* const SCROLLPLANS[] = {"SCROLLPLAN0", "SCROLLPLAN1", "SCROLLPLAN2",
                                              "SCROLLPLAN3", "SCROLLPLAN4", "SCROLLPLAN5"};
    for (int k = 0; k < 6; ++k)
        cle(SCROLLPLANS[k]), valeur(d.scrollPlans[k][0]), valeur(d.scrollPlans[k][1]), finLigne();
    ligneVide();
    cle("TYPEJEU"), valeur(typeJeuEcrit()), finLigne();
    ligneVide();
    cle("ZONE"), valeur(int(d.bZone));
    for (int v : d.zone)
        valeur(v);
    finLigne();
    ligneVide();
    cle("MUSIQUE"), valeurTexte(d.cheminMusique), valeur(int(d.bMusiqueBoucle)), finLigne();
    cle("MUSIQUE_AMBIANCE"), valeurTexte(d.cheminMusiqueAmbiance), valeur(int(d.bMusiqueAmbianceBoucle)), finLigne();
    ligneVide();
    cle("CHRONO"), valeur(d.chronoRef), finLigne();
    ligneVide();
    cle("ETOILES"), valeur(d.etoiles[0]), valeur(d.etoiles[1]), valeur(d.etoiles[2]), finLigne();
    ligneVide();
    cle("CARTE"), valeur(int(d.bCarte)), finLigne();
    ligneVide();
    auto couleurFond = [this, &d] {
        cle("FONDCOULEUR"), valeur(int(d.couleurFond.r)), valeur(int(d.couleurFond.g));
        valeur(int(d.couleurFond.b)), valeur(int(d.couleurFond.a)), finLigne();
    };
    const CFondImage& fond = *d.pFondImage;
    couleurFond();
    cle("FOND"), valeurTexte(fond.strFichierFond), valeur(fond.x0), valeur(fond.y0), valeur(fond.s), finLigne();
    couleurFond();
    ligneVide();
}

void CFichierNiveau::ecrireMeteo()
{
    const CDecor& d = *pSource;
    for (int k = 0; k < CDecor::NB_PLANS; ++k) {
        const float r = d.pPlans[k]->rayonFlou;
        ecrireLigne("SHADERBLUR=" + tuv::itos(k) + ";" + tuv::ftos(std::isfinite(r) ? r : 0.0f));
    }
    if (d.pFondImage) {
        const float r = d.pFondImage->shader_blur_radius;
        ecrireLigne("SHADERBLUR=5;" + tuv::ftos(std::isfinite(r) ? r : 0.0f));
    }
    ligneVide();
    cle("EFFET_PLUIE"), valeur(int(d.bPluie)), finLigne();
    cle("EFFET_NEIGE"), valeur(int(d.bNeige)), valeur(d.pNeige ? d.pNeige->nbFlocons : 0), finLigne();
    if (d.pLucioles)
        cle("EFFET_LUCIOLES"), valeur(int(d.bLucioles)), valeur(d.pLucioles->nbLucioles), finLigne();
    cle("EFFET_BROUILLARD"), valeur(int(d.bBrouillard)), finLigne();
    cle("EFFET_NUAGES"), valeur(int(d.bNuages)), finLigne();
    cle("EFFET_ETOILES"), valeur(int(d.bEtoiles)), valeur(d.pEtoiles ? d.pEtoiles->nbEtoiles : 0), finLigne();
    cle("EFFET_NUAGEPOUSSIERE"), valeur(int(d.bNuagePoussiere)), finLigne();
    cle("EFFET_ORAGE"), valeur(int(d.bOrage)), finLigne();
    ligneVide();
    cle("POUSSIERE_PAS"), valeurTexte(d.strPoussierePas), finLigne();
    cle("TRACE_PAS"), valeurTexte(d.strTracePas), finLigne();
    ligneVide();
    cle("FREE_TEXTURE_MEM"), valeur(int(pJeu && faceJeu::options()->bFreeTextureMem)), finLigne();
    ligneVide();
}

// Only the models something in the level still uses, a character or a script's IA command,
// in name order; then the level's own scripts.
void CFichierNiveau::ecrireModeles()
{
    const CDecor& d = *pSource;
    for (const auto& [nom, banque] : d.modelesPersos)
        if (banque && (d.modelePersoUtilise(nom) || modelesScripts.count(nom)))
            cle("TEXTURE_PER"), valeurTexte(banque->pPersoDef ? banque->pPersoDef->nomFichier : std::string()),
                valeurTexte(nom), finLigne();
    ligneVide();
    for (const auto& [nom, banque] : d.modelesDEC)
        if (banque && definitionsUtilisees.at(nom))
            cle("TEXTURE_DEC"), valeurTexte(banque->pFichierDEC ? banque->pFichierDEC->chemin : std::string()),
                valeurTexte(nom), finLigne();
    ligneVide();
    ecrireScripts(nullptr);
}

// For each definition model, whether a sprite of the planes still uses it, by its bank or by
// its id (what CDecor::definitionUtilisee tells of one name), noted during the planes' walk.
void CFichierNiveau::preparerDefinitions()
{
    definitionsUtilisees.clear();
    banquesUtilisees.clear();
    longueursNoms = 0;
    std::fill(std::begin(banquesRecentes), std::end(banquesRecentes), nullptr);
    for (const auto& [nom, banque] : pSource->modelesDEC) {
        definitionsUtilisees.emplace(nom, false);
        longueursNoms |= bitLongueur(nom.size());
    }
}

void CFichierNiveau::noterDefinition(const CSPRITE& sd)
{
    if (sd.pDEC) {
        const CDEC*& recente = banquesRecentes[placeRecente(sd.pDEC)];
        if (recente != sd.pDEC) {
            recente = sd.pDEC;
            banquesUtilisees.insert(sd.pDEC);
        }
    }
    if (longueursNoms & bitLongueur(sd.strID.size()))
        if (auto it = definitionsUtilisees.find(sd.strID); it != definitionsUtilisees.end())
            it->second = true;
}

void CFichierNiveau::finirDefinitions()
{
    for (const CDEC* banque : banquesUtilisees)
        if (auto it = definitionsUtilisees.find(banque->nom); it != definitionsUtilisees.end())
            it->second = true;
}

// A player's group, unless its creating line cannot be written: its other records would
// land on the previous player.
void CFichierNiveau::ecrirePersos()
{
    const CDecor& d = *pSource;
    if (typeJeuEcrit() == TYPE_JEU_MULTI) {
        const CDecor& monde = pJeu && pJeu->pdecorJeu ? *pJeu->pdecorJeu : d;
        cle("SCALE_PERSOS"), valeur(monde.scalePersosX), valeur(monde.scalePersosY), finLigne();
    } else {
        for (CPerso* p : d.persos) {
            if (!p || !p->sprite || !(p->sprite->bMarqueurPerso || p->sprite->pDEC)) {
                ++nbObjetsIgnores;
                continue;
            }
            CSPRITE3& s = *p->sprite;
            const PlaceSauvee pos = placeSauvee(s, false);
            cle(s.bMarqueurPerso ? "PERSO3" : "PERSO");
            valeurTexte(s.bMarqueurPerso ? p->fichier : s.pDEC->nom);
            valeur(pos.x), valeur(pos.y), valeur(p->direction), valeur(s.sxMax), valeur(s.syMax);
            valeur(p->poids), valeur(int(p->bVaisseau)), finLigne();
            cle("NUMJOUEUR"), valeur(p->numJoueur), finLigne();
            cle("PERSO_COLOR"), valeur(int(s.couleur.r)), valeur(int(s.couleur.g)), valeur(int(s.couleur.b));
            valeur(int(s.couleur.a)), finLigne();
            sauverChemin(&s);
            ecrireScripts(&s);
            ligneVide();
        }
    }
    ligneVide();
    ligneVide();
}

// A character is some forty cache lines scattered in memory, of which its AI's lines read a
// dozen, and its sprite more: those of the AIs a few places ahead are fetched while one is
// written.
void CFichierNiveau::ecrireIAs()
{
    constexpr size_t AVANCE_IA = 4, AVANCE_SPRITE = 2;
    const std::vector<CPerso*> ias(pSource->ias.begin(), pSource->ias.end());
    for (size_t i = 0; i < ias.size(); ++i) {
        if (i + AVANCE_IA < ias.size() && ias[i + AVANCE_IA])
            chargerIA(*ias[i + AVANCE_IA]);
        if (i + AVANCE_SPRITE < ias.size() && ias[i + AVANCE_SPRITE] && ias[i + AVANCE_SPRITE]->sprite)
            chargerSpriteIA(*ias[i + AVANCE_SPRITE]->sprite);
        // AIs made during play (meteors, script commands) are not part of the level.
        CPerso* ia = ias[i];
        if (!ia || ia->bTemporaire || ia->bCreeParScript || ia->bSupprime)
            continue;
        if (!ia->sprite || !ia->sprite->pDEC)
            ++nbObjetsIgnores;
        else
            ecrireIA(ia);
    }
    ligneVide();
}

void CFichierNiveau::ecrireIA(CPerso* ia)
{
    CSPRITE3& s = *ia->sprite;
    const PlaceSauvee pos = placeSauvee(s, true);
    // The facing it was placed with, as its start: not the one its scripts turned it to.
    cle("IA"), valeurTexte(s.pDEC->nom), valeur(pos.x), valeur(pos.y), valeur(ia->directionInitiale);
    valeur(s.sxMax), valeur(s.syMax), valeur(ia->poids), valeur(int(ia->bVaisseau)), valeur(ia->modeCollisions);
    finLigne();
    if (!ia->id.empty())
        cle("IDIA"), valeurTexte(ia->id), finLigne();
    if (!ia->chaine2.empty())
        cle("IDRESPAWN"), valeurTexte(ia->chaine2), finLigne();
    if (ia->numPlanIA != CDecor::PLAN_PRINCIPAL)
        cle("NUMPLANIA"), valeur(ia->numPlanIA), finLigne();
    if (pos.rotation != 0.0f)
        cle("ROTIA"), valeur(pos.rotation), finLigne();
    if (ia->distancePatrouille != 0)
        cle("PATROUILLE"), valeur(ia->distancePatrouille), finLigne();
    const CPersoDef* def = s.pDEC->pPersoDef;
    if (def && ia->vitesse != def->vitesse)
        cle("VITESSEIA"), valeur(ia->vitesse), finLigne();
    cle("OMBREIA"), valeur(int(ia->bOmbre)), valeur(int(ia->bOmbreDynamique)), valeur(ia->ombreYFixe);
    valeur(ia->ombreEchelle), valeur(ia->ombreMinScale), valeur(ia->ombreHmax), valeur(ia->correctionY);
    finLigne();
    sauverChemin(&s);
    ecrireScripts(&s);
    ligneVide();
}

// The planes' lists once into arrays, which the writer reads ahead in. A list is a chain of
// scattered nodes, each a wait on memory: each list is followed from both ends at once, and
// the five lists side by side, so that ten waits overlap.
void CFichierNiveau::rassemblerSprites(const CDecor& source)
{
    using Iterateur = std::list<CSPRITE*>::const_iterator;
    static_assert(sizeof spritesPlans / sizeof spritesPlans[0] == CDecor::NB_PLANS, "one array per plane");
    Iterateur avant[CDecor::NB_PLANS], arriere[CDecor::NB_PLANS];
    size_t debut[CDecor::NB_PLANS], fin[CDecor::NB_PLANS];  // the places still to fill: [debut, fin)
    for (int k = 0; k < CDecor::NB_PLANS; ++k) {
        const std::list<CSPRITE*>& sprites = source.pPlans[k]->sprites;
        spritesPlans[k].resize(sprites.size());
        avant[k] = sprites.begin();
        arriere[k] = sprites.end();
        debut[k] = 0;
        fin[k] = sprites.size();
    }
    for (bool reste = true; reste;) {
        reste = false;
        for (int k = 0; k < CDecor::NB_PLANS; ++k) {
            if (debut[k] < fin[k])
                spritesPlans[k][debut[k]++] = *avant[k]++;
            if (debut[k] < fin[k])
                spritesPlans[k][--fin[k]] = *--arriere[k];
            reste |= debut[k] < fin[k];
        }
    }
}

// Every sprite of the planes is looked at for the definitions it uses, even one that is not
// written; the walk reads the sprites ahead (CLectureAvanceSD), the writer reading all over
// each of them.
void CFichierNiveau::ecrirePlans()
{
    for (int k = 0; k < CDecor::NB_PLANS; ++k) {
        CLectureAvanceSD avance(spritesPlans[k]);
        for (CSPRITE* sd : spritesPlans[k]) {
            avance.avancer();
            if (!sd)
                continue;
            noterDefinition(*sd);
            if (!sd->bAncreKP && !sd->bTemporaire && !ecrireGroupeSD(sd, k))
                ++nbObjetsIgnores;
        }
        if (k < CDecor::NB_PLANS - 1)
            ligneVide();
    }
}

// ---------------------------------------------------------------- scripts

// The scripts the level file made (and those a restart dropped), by owner, once per save:
// a sprite's lines need no walk over every script.
void CFichierNiveau::grouperScripts()
{
    scriptsParSD.clear();
    proprietairesScripts.clear();
    nomsScripts.clear();
    modelesScripts.clear();
    const CScriptEngine* e = pSource->moteurScripts();
    if (!e)
        return;
    for (const auto& s : e->scripts)
        if (s && !s->bSupprime)
            for (std::string& nom : s->modelesIA())
                modelesScripts.insert(std::move(nom));
    // A script is a few cache lines scattered in memory, and its path another: those of the
    // scripts a few places ahead are fetched while one is read.
    constexpr size_t AVANCE_SCRIPT = 8, AVANCE_CHEMIN = 4;
    const std::vector<std::unique_ptr<CScript>>& scripts = e->scripts;
    for (size_t i = 0; i < scripts.size(); ++i) {
        if (i + AVANCE_SCRIPT < scripts.size())
            if (const CScript* s = scripts[i + AVANCE_SCRIPT].get()) {
                __builtin_prefetch(&s->nDeclencheur);
                __builtin_prefetch(&s->strFichier);
                __builtin_prefetch(&s->nChrono);
                __builtin_prefetch(&s->bFichierNiveau);
                __builtin_prefetch(&s->numCreation);
            }
        if (i + AVANCE_CHEMIN < scripts.size())
            if (const CScript* s = scripts[i + AVANCE_CHEMIN].get(); s && s->bFichierNiveau)
                __builtin_prefetch(s->strFichier.data());
        const CScript* s = scripts[i].get();
        if (s && s->bFichierNiveau && !s->bSupprime)
            ajouterScript(s->pSD, s->numCreation, s->strFichier, s->nDeclencheur, s->bRelease, s->nbRunMax, s->nChrono);
    }
    for (const ScriptAbandonne& a : e->scriptsAbandonnes) {
        ajouterScript(a.pSD, a.numCreation, a.strFichier, a.nDeclencheur, a.bRelease, a.nbRunMax, a.nChrono);
        modelesScripts.insert(a.modelesIA.begin(), a.modelesIA.end());
    }
    // By owner, then in creation order: a small sorted array that every sprite searches
    // without leaving the cache.
    std::stable_sort(scriptsParSD.begin(), scriptsParSD.end(), [](const auto& a, const auto& b) {
        if (a.first != b.first)
            return std::less<const CSPRITE*>()(a.first, b.first);
        return a.second.numCreation < b.second.numCreation;
    });
    for (const auto& [sd, script] : scriptsParSD)
        proprietairesScripts.push_back(sd);
}

void CFichierNiveau::ajouterScript(const CSPRITE* proprietaire, unsigned numCreation, const std::string& fichier,
                                   int declencheur, bool bRelease, int nbRunMax, int nChrono)
{
    scriptsParSD.push_back(
        {proprietaire, {numCreation, nomsScripts.size(), fichier.size(), declencheur, bRelease, nbRunMax, nChrono}});
    nomsScripts += fichier;
}

void CFichierNiveau::ecrireScripts(const CSPRITE* proprietaire)
{
    // A binary search without branches: the owners are unpredictable, and a mispredicted
    // branch per step would cost more than the search.
    size_t n = proprietairesScripts.size();
    if (n == 0)
        return;
    const std::less<const CSPRITE*> avant;
    const CSPRITE* const* base = proprietairesScripts.data();
    while (n > 1) {
        const size_t moitie = n / 2;
        base = avant(base[moitie], proprietaire) ? base + moitie : base;
        n -= moitie;
    }
    base += avant(*base, proprietaire);  // the first owner not before it
    if (base == proprietairesScripts.data() + proprietairesScripts.size() || *base != proprietaire)
        return;
    for (auto it = scriptsParSD.begin() + (base - proprietairesScripts.data());
         it != scriptsParSD.end() && it->first == proprietaire; ++it) {
        const ScriptSauve& s = it->second;
        cle("SCRIPTRUN"), valeurTexte(std::string_view(nomsScripts).substr(s.debutFichier, s.longueurFichier));
        valeur(s.declencheur), valeur(int(s.bRelease)), valeur(s.nbRunMax), finLigne();
        if (s.nChrono != 0)
            cle("SCRIPT_DECLENCHEUR_CHRONO"), valeur(s.nChrono), finLigne();
    }
}
