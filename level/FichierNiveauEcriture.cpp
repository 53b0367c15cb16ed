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
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

constexpr int TYPE_JEU_MULTI = 2;
const std::string LIGNE_DIESES(65, '#');

} // namespace

// ---------------------------------------------------------------- the line being built

void CFichierNiveau::cle(const char* nom)
{
    ligneEcrite.assign(nom);
    ligneEcrite += '=';
    bPremiereValeur = true;
}

void CFichierNiveau::separer()
{
    if (!bPremiereValeur)
        ligneEcrite += ';';
    bPremiereValeur = false;
}

void CFichierNiveau::valeur(int v)
{
    separer();
    char tampon[16];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v);
    ligneEcrite.append(tampon, r.ptr);
}

// Shortest text that reads back to the same float; a value that is not finite is written as
// 0, which is what the reader would make of it.
void CFichierNiveau::valeur(float v)
{
    // Most values are whole numbers: written as the integer they are, far faster and the
    // same text.
    constexpr float ENTIER_MAX = 16777216.0f;  // every integer up to 2^24 is a float
    if (std::fabs(v) <= ENTIER_MAX && v == std::trunc(v) && !(v == 0.0f && std::signbit(v))) {
        valeur(static_cast<int>(v));
        return;
    }
    separer();
    char tampon[32];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, std::isfinite(v) ? v : 0.0f);
    ligneEcrite.append(tampon, r.ptr);
}

void CFichierNiveau::valeurTexte(const std::string& texte)
{
    separer();
    ligneEcrite += texteSur(texte);
}

void CFichierNiveau::finLigne() { ecrireLigne(ligneEcrite); }

// Lines are gathered and handed to the stream in large pieces.
void CFichierNiveau::ecrireLigne(const std::string& ligne)
{
    constexpr size_t TAILLE_BLOC = 1 << 16;
    tamponEcriture += ligne;
    tamponEcriture += '\n';
    if (tamponEcriture.size() >= TAILLE_BLOC)
        viderTampon();
}

void CFichierNiveau::viderTampon()
{
    write(tamponEcriture);
    tamponEcriture.clear();
}

std::string CFichierNiveau::texteSur(const std::string& texte)
{
    if (texte.find_first_of(";\r\n") == std::string::npos)
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
    grouperScripts();
    ecrireEntete();
    ecrireReglages();
    ecrireMeteo();
    ecrireModeles();
    ecrirePersos();
    ecrireIAs();
    ecrirePlans();
    viderTampon();
    scriptsParSD.clear();
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
    const CVue* vue = vueDe(d);
    const int mode = estMondeJeu() && faceJeu::options()->vuemode_save >= 0 ? faceJeu::options()->vuemode_save : d.scrollVue;
    cle("SCROLLVUE"), valeur(mode), valeur(tuv::floatVersInt(vue ? vue->vitesseScroll : d.vitesseScrollVue));
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
        ligneEcrite = "SHADERBLUR=" + tuv::itos(k) + ";";
        ligneEcrite += tuv::ftos(std::isfinite(d.pPlans[k]->rayonFlou) ? d.pPlans[k]->rayonFlou : 0.0f);
        finLigne();
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

// Only the models something in the level still uses, in name order; then the level's own
// scripts.
void CFichierNiveau::ecrireModeles()
{
    const CDecor& d = *pSource;
    for (const auto& [nom, banque] : d.modelesPersos)
        if (banque && d.modelePersoUtilise(nom))
            cle("TEXTURE_PER"), valeurTexte(banque->pPersoDef ? banque->pPersoDef->nomFichier : std::string()),
                valeurTexte(nom), finLigne();
    ligneVide();
    for (const auto& [nom, banque] : d.modelesDEC)
        if (banque && d.definitionUtilisee(nom))
            cle("TEXTURE_DEC"), valeurTexte(banque->pFichierDEC ? banque->pFichierDEC->chemin : std::string()),
                valeurTexte(nom), finLigne();
    ligneVide();
    ecrireScripts(nullptr);
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

void CFichierNiveau::ecrireIAs()
{
    for (CPerso* ia : pSource->ias) {
        // AIs made during play (meteors, script commands) are not part of the level.
        if (!ia || ia->bTemporaire || ia->bCreeParScript || ia->bSupprime)
            continue;
        if (!ia->sprite || !ia->sprite->pDEC) {
            ++nbObjetsIgnores;
            continue;
        }
        CSPRITE3& s = *ia->sprite;
        const PlaceSauvee pos = placeSauvee(s, true);
        cle("IA"), valeurTexte(s.pDEC->nom), valeur(pos.x), valeur(pos.y), valeur(ia->direction);
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
    ligneVide();
}

void CFichierNiveau::ecrirePlans()
{
    for (int k = 0; k < CDecor::NB_PLANS; ++k) {
        for (CSPRITE* sd : pSource->pPlans[k]->sprites)
            if (sd && !sd->bAncreKP && !sd->bTemporaire && !ecrireGroupeSD(sd, k))
                ++nbObjetsIgnores;
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
    const CScriptEngine* e = pSource->moteurScripts();
    if (!e)
        return;
    for (const auto& s : e->scripts)
        if (s && s->bFichierNiveau && !s->bSupprime)
            scriptsParSD[s->pSD].push_back(
                {s->numCreation, s->strFichier, s->nDeclencheur, s->bRelease, s->nbRunMax, s->nChrono});
    for (const ScriptAbandonne& a : e->scriptsAbandonnes)
        scriptsParSD[a.pSD].push_back({a.numCreation, a.strFichier, a.nDeclencheur, a.bRelease, a.nbRunMax, a.nChrono});
    for (auto& [sd, liste] : scriptsParSD)
        std::stable_sort(liste.begin(), liste.end(),
                         [](const ScriptSauve& a, const ScriptSauve& b) { return a.numCreation < b.numCreation; });
}

void CFichierNiveau::ecrireScripts(const CSPRITE* proprietaire)
{
    if (scriptsParSD.empty())
        return;
    auto it = scriptsParSD.find(proprietaire);
    if (it == scriptsParSD.end())
        return;
    for (const ScriptSauve& s : it->second) {
        cle("SCRIPTRUN"), valeurTexte(s.fichier), valeur(s.declencheur), valeur(int(s.bRelease));
        valeur(s.nbRunMax), finLigne();
        if (s.nChrono != 0)
            cle("SCRIPT_DECLENCHEUR_CHRONO"), valeur(s.nChrono), finLigne();
    }
}
