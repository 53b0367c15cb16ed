// Level-wide lines of a ".niv" file: name, musics, loading screen, background, size, camera,
// planes, chrono, weather, preloaded models and definitions, game type and zone.
#include "level/FichierNiveau.h"

#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialog.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/EffetNeige.h"
#include "level/FondImage.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

constexpr float ZOOM_DEFAUT = 1.0f;      // what an impossible view zoom is read as
constexpr float ECHELLE_FOND_DEFAUT = 1.0f;  // and a background scale of 0 or below
// Game types: 0 adventure, 1 chrono, 2 two players.
constexpr int TYPE_AVENTURE = 0, TYPE_MAX = 2;

// "inf" or "infinity", signed or not, in any case: an infinite value, though read as 0 too.
bool infini(std::string_view texte)
{
    std::string mot;
    for (char c : texte)
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            mot += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (!mot.empty() && (mot[0] == '+' || mot[0] == '-'))
        mot.erase(0, 1);
    return mot == "inf" || mot == "infinity";
}

// A number past what F6's fields hold ("3000000000"): F6 would refuse to type it, but a file
// keeps it as it always did (a whole one bounded as any position): not named as no number.
bool grandNombre(std::string_view texte, bool reel)
{
    const std::string t = tuv::delspaces(std::string(texte));
    size_t i = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    const size_t debut = i;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i])))
        ++i;
    if (i == debut)
        return false;
    if (!reel)
        return i == t.size();
    const float v = tuv::stof(t);
    return std::isfinite(v) && std::fabs(v) >= tuv::FLOAT_VERS_INT_MAX;
}

} // namespace

void CFichierNiveau::enregistrerReglages(TableCles& t)
{
    // "LOGO_TIMER" and "TEXTE" are read by no one: skipped, as keys the reader knows.
    t.ajouter("LOGO_TIMER", &CFichierNiveau::lireNonPrise);
    t.ajouter("TEXTE", &CFichierNiveau::lireNonPrise);
    t.ajouter("NOM", &CFichierNiveau::lireNom);
    t.ajouter("INFOS", &CFichierNiveau::lireInfos);
    t.ajouter("MUSIQUE", &CFichierNiveau::lireMusique);
    t.ajouter("MUSIQUE_AMBIANCE", &CFichierNiveau::lireMusiqueAmbiance);
    t.ajouter("IMAGECHARGEMENT", &CFichierNiveau::lireImageChargement);
    t.ajouter("COULEURCHARGEMENT", &CFichierNiveau::lireCouleurChargement);
    t.ajouter("FOND", &CFichierNiveau::lireFond);
    t.ajouter("FONDCOULEUR", &CFichierNiveau::lireFondCouleur);
    t.ajouter("TAILLEJEU", &CFichierNiveau::lireTailleJeu);
    t.ajouter("CHRONO", &CFichierNiveau::lireChrono);
    t.ajouter("ETOILES", &CFichierNiveau::lireEtoiles);
    t.ajouter("CARTE", &CFichierNiveau::lireCarte);
    t.ajouter("SCRIPTRUN", &CFichierNiveau::lireScriptRun);
    t.ajouter("SCRIPT_DECLENCHEUR_CHRONO", &CFichierNiveau::lireScriptChrono);
    t.ajouter("SCROLLVUE", &CFichierNiveau::lireScrollVue);
    t.ajouter("SHADERBLUR", &CFichierNiveau::lireShaderBlur);
    t.ajouter("SCROLLPLAN0", &CFichierNiveau::lireScrollPlan<0>);
    t.ajouter("SCROLLPLAN1", &CFichierNiveau::lireScrollPlan<1>);
    t.ajouter("SCROLLPLAN2", &CFichierNiveau::lireScrollPlan<2>);
    t.ajouter("SCROLLPLAN3", &CFichierNiveau::lireScrollPlan<3>);
    t.ajouter("SCROLLPLAN4", &CFichierNiveau::lireScrollPlan<4>);
    t.ajouter("SCROLLPLAN5", &CFichierNiveau::lireScrollPlan<5>);
    t.ajouter("EFFET_PLUIE", &CFichierNiveau::lirePluie);
    t.ajouter("EFFET_NEIGE", &CFichierNiveau::lireNeige);
    t.ajouter("EFFET_LUCIOLES", &CFichierNiveau::lireLucioles);
    t.ajouter("EFFET_BROUILLARD", &CFichierNiveau::lireBrouillard);
    t.ajouter("EFFET_NUAGES", &CFichierNiveau::lireNuages);
    t.ajouter("EFFET_ETOILES", &CFichierNiveau::lireEtoilesEffet);
    t.ajouter("EFFET_NUAGEPOUSSIERE", &CFichierNiveau::lireNuagePoussiere);
    t.ajouter("EFFET_ORAGE", &CFichierNiveau::lireOrage);
    t.ajouter("POUSSIERE_PAS", &CFichierNiveau::lirePoussierePas);
    t.ajouter("TRACE_PAS", &CFichierNiveau::lireTracePas);
    t.ajouter("FREE_TEXTURE_MEM", &CFichierNiveau::lireFreeTextureMem);
    t.ajouter("SCALE_PERSOS", &CFichierNiveau::lireScalePersos);
    t.ajouter("TEXTURE_PER", &CFichierNiveau::lireTexturePer);
    t.ajouter("TEXTURE_DEC", &CFichierNiveau::lireTextureDec);
    t.ajouter("TYPEJEU", &CFichierNiveau::lireTypeJeu);
    t.ajouter("ZONE", &CFichierNiveau::lireZone);
}

void CFichierNiveau::lireNom()
{
    pCible->nomNiveau = getValueW();
    pCible->numNiveau = entier();
}

void CFichierNiveau::lireInfos() { pCible->bInfos = drapeau(); }

void CFichierNiveau::lireMusique()
{
    pCible->cheminMusique = getValue();
    pCible->bMusiqueBoucle = drapeau();
}

void CFichierNiveau::lireMusiqueAmbiance()
{
    pCible->cheminMusiqueAmbiance = getValue();
    pCible->bMusiqueAmbianceBoucle = drapeau();
}

// A picture that does not load shows as an empty texture.
void CFichierNiveau::lireImageChargement()
{
    pCible->strImageChargement = getValue();
    pSpriteChargement.reset();
    pTextureChargement = std::make_unique<sf::Texture>();
    tuv::chargerMedia(*pTextureChargement, pCible->strImageChargement);
    pSpriteChargement = std::make_unique<sf::Sprite>(*pTextureChargement);
    pSpriteChargement->setPosition(0, 0);
}

void CFichierNiveau::lireCouleurChargement() { couleurChargement = couleur(); }

void CFichierNiveau::lireFond()
{
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    fichierFond = getValue();
    // Without a picture the values are not read: nothing to say of them.
    if (fichierFond.empty()) {
        ligneIgnoree();
        lierDialogueFond();
        return;
    }
    const int x0 = entierReglage(true), y0 = entierReglage(true);
    // At 0 or below the background would vanish or turn over, as F6 refuses; a scale that is
    // no number ("inf", a word) is said to be so.
    const std::string_view texteEchelle = getValueView();
    float s = tuv::stofSansBlancs(texteEchelle);
    const bool nombre =
        CPLUXControlTextInput::lireReel(std::string(texteEchelle), s) || grandNombre(texteEchelle, true);
    if (!nombre)
        corrigerValeur(LigneCorrigee::Raison::ValeurNonNombre, tuv::ftos(ECHELLE_FOND_DEFAUT));
    else if (s <= 0)
        corrigerLigne(LigneCorrigee::Raison::EchelleFondInvalide, tuv::ftos(ECHELLE_FOND_DEFAUT));
    CFondImage& fond = *pCible->pFondImage;
    fond.charger(fichierFond);
    pCible->bCouleurFond = false;
    fond.x0 = x0;
    fond.y0 = y0;
    fond.s = nombre && s > 0 ? s : ECHELLE_FOND_DEFAUT;
    lierDialogueFond();
}

// The level dialog edits the background's fields in place (looked up again for each one).
void CFichierNiveau::lierDialogueFond()
{
    const std::string prefixe = "CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->";
    CFondImage& fond = *pCible->pFondImage;
    if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_OPTIONS))
        d->setMapVar(prefixe + "strFichierFond", &fond.strFichierFond);
    if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_OPTIONS))
        d->setMapVar(prefixe + "shader_blur_radius", &fond.shader_blur_radius);
    if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_OPTIONS))
        d->setMapVar(prefixe + "x0", &fond.x0);
    if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_OPTIONS))
        d->setMapVar(prefixe + "y0", &fond.y0);
    if (CPLUXDialog* d = CPLUX::getDialog(DIALOGUE_OPTIONS))
        d->setMapVar(prefixe + "s", &fond.s);
}

void CFichierNiveau::lireFondCouleur()
{
    pCible->couleurFond = couleur();
    pCible->bCouleurFond = true;
}

void CFichierNiveau::lireTailleJeu()
{
    pCible->tailleJeuX = mesure();
    pCible->tailleJeuY = mesure();
}

void CFichierNiveau::lireChrono() { pCible->chronoRef = pCible->chrono = entier(); }

void CFichierNiveau::lireEtoiles()
{
    for (int& e : pCible->etoiles)
        e = entier();
}

void CFichierNiveau::lireCarte()
{
    pCible->bCarte = drapeau();
    if (estMondeJeu())
        faceJeu::options()->bCarteJeu = pCible->bCarte;
}

// A script of the level (before any object line) or of the sprite the line follows; the
// writer saves exactly the scripts flagged here.
void CFichierNiveau::lireScriptRun()
{
    const std::string fichier = getValue();
    const int declencheur = entier();
    const bool bRelease = drapeau();
    const int nbRunMax = entier();
    CScriptEngine* e = moteur();
    pScriptCourant = e ? e->creerScript(fichier, pSDCourant, declencheur, nbRunMax, bRelease, false) : nullptr;
    if (pScriptCourant)
        pScriptCourant->bFichierNiveau = true;
}

// The period only: the countdown stays at 0, as a start leaves it, so that a chrono script
// runs at once after a load as after a restart.
void CFichierNiveau::lireScriptChrono()
{
    const int n = entier();
    if (pScriptCourant)
        pScriptCourant->nChrono = n;
}

// A mode the camera does not know would hold the view still while the hero walks out of it;
// at a zoom of 0 the view spans no pixel of the level, below 0 it looks away from it. Either is
// read as the default, and the load says so, as is an infinite one; a zoom that is not a number
// (read as 0) is named as such.
void CFichierNiveau::lireScrollVue()
{
    using Raison = LigneCorrigee::Raison;
    pCible->scrollVue = entier();
    if (!CVue::modeConnu(pCible->scrollVue)) {
        corrigerLigne(Raison::ModeVueInconnu, std::to_string(CVue::MODE_DEFILEMENT));
        pCible->scrollVue = CVue::MODE_DEFILEMENT;
    }
    if (estMondeJeu())
        faceJeu::options()->vuemode_save = pCible->scrollVue;
    pCible->vitesseScrollVue = static_cast<float>(mesure());
    const std::string_view texteZoom = getValueView();
    const float zoom = tuv::stofSansBlancs(texteZoom);
    pCible->zoomVue = zoom > 0 && std::isfinite(zoom) ? zoom : ZOOM_DEFAUT;
    if (pCible->zoomVue != zoom) {
        const bool nombre = tuv::commeNombre(texteZoom) || infini(texteZoom);
        corrigerLigne(nombre ? Raison::ZoomVueInvalide : Raison::ZoomVueNonNombre, tuv::ftos(ZOOM_DEFAUT));
    }
}

void CFichierNiveau::corrigerLigne(LigneCorrigee::Raison raison, const std::string& valeur)
{
    lignesCorrigees.push_back(
        {tuv::debutUtf8(getLigneCourante(), LIGNE_CITEE_MAX), raison, valeur, nbClesLues, {}, numeroLigne()});
}

namespace {

constexpr size_t VALEUR_CITEE_MAX = 20;
// How deep a character's parts are followed: a ring of parts naming each other stops there.
constexpr int PROFONDEUR_PARTIES_MAX = 8;

// "3" or "3-9", and the text written, quoted.
std::string detailValeurs(int premiere, int derniere, std::string_view ecrit, bool citer)
{
    std::string d = tuv::itos(premiere) + (derniere > premiere ? "-" + tuv::itos(derniere) : "");
    if (citer)
        d += " «" + tuv::debutUtf8(std::string(ecrit), VALEUR_CITEE_MAX) + "»";
    return d;
}

} // namespace

void CFichierNiveau::corrigerValeur(LigneCorrigee::Raison raison, const std::string& valeur)
{
    corrigerLigne(raison, valeur);
    lignesCorrigees.back().detail = detailValeurs(nbValeursLues(), nbValeursLues(), valeurEcrite(), true);
}

void CFichierNiveau::signalerEcart(const Ecart& e)
{
    using Raison = LigneCorrigee::Raison;
    using Type = Ecart::Type;
    switch (e.type) {
    case Type::ValeursAbsentes: corrigerLigne(Raison::ValeursAbsentes, e.commeLu); break;
    case Type::PasUnNombre: corrigerLigne(Raison::ValeurNonNombre, e.commeLu); break;
    case Type::ValeursEnTrop: corrigerLigne(Raison::ValeursEnTrop, {}); break;
    case Type::SansEgal:
        corrigerLigne(Raison::SansEgal, {});
        lignesCorrigees.back().numero = -1;  // a line of its own, after the key line before it
        return;
    case Type::CleNonPrise: corrigerLigne(Raison::CleInconnue, {}); return;
    case Type::LigneIgnoree: return;  // the level drops lines only silently
    }
    lignesCorrigees.back().detail =
        detailValeurs(e.premiere, e.derniere, e.ecrit, e.type != Type::ValeursAbsentes);
}

int CFichierNiveau::entierReglage(bool borne)
{
    const std::string_view texte = getValueView();
    int v = tuv::stoiSansBlancs(texte);
    if (borne)
        v = tuv::bornerValeurFichier(v);
    if (!CPLUXControlTextInput::estNombre(std::string(texte), false) && !grandNombre(texte, false))
        corrigerValeur(tuv::commeNombre(texte) ? LigneCorrigee::Raison::ValeurNonEntiere
                                               : LigneCorrigee::Raison::ValeurNonNombre,
                       tuv::itos(v));
    return v;
}

float CFichierNiveau::reelReglage()
{
    const std::string_view texte = getValueView();
    float v = 0;
    if (!CPLUXControlTextInput::lireReel(std::string(texte), v)) {
        v = tuv::stofSansBlancs(texte);
        v = std::isfinite(v) ? v : 0.0f;
        if (!grandNombre(texte, true))
            corrigerValeur(LigneCorrigee::Raison::ValeurNonNombre, tuv::ftos(v));
    }
    return v;
}

// A blur below 0 (of a plane or of the background) is read as none, as F6 refuses it.
void CFichierNiveau::lireShaderBlur()
{
    const int n = entierReglage(false);
    // The blur of no plane is not read: nothing to say of it.
    const bool plan = n >= 0 && n <= CDecor::NB_PLANS;
    if (!plan)
        ligneIgnoree();
    float rayon = plan ? reelReglage() : reel();
    if (rayon < 0 && plan) {
        corrigerLigne(LigneCorrigee::Raison::FlouNegatif, "0");
        rayon = 0;
    }
    if (n >= 0 && n < CDecor::NB_PLANS)
        pCible->pPlans[n]->rayonFlou = rayon;
    else if (n == CDecor::NB_PLANS)
        pCible->pFondImage->shader_blur_radius = rayon;
}

template <int K>
void CFichierNiveau::lireScrollPlan()
{
    pCible->scrollPlans[K][0] = reel();
    pCible->scrollPlans[K][1] = reel();
}

// Weather: the effect of each line replaces the level's effect of that kind, at the level
// size read so far.
void CFichierNiveau::lirePluie() { pCible->activerPluie(drapeau()); }

void CFichierNiveau::lireNeige()
{
    const bool actif = drapeau();
    const int n = mesure();
    // The snow spans the level as the level's own zoom shows it ("SCROLLVUE" comes first).
    pCible->activerNeige(actif, n, pCible->zoomVue, CEffetNeige::hauteurAvecMarge(pCible->tailleJeuY));
}

void CFichierNiveau::lireLucioles()
{
    const bool actif = drapeau();
    const int n = mesure();
    pCible->activerLucioles(actif, n);
}

void CFichierNiveau::lireBrouillard() { pCible->activerBrouillard(drapeau()); }

void CFichierNiveau::lireNuages() { pCible->activerNuages(drapeau()); }

void CFichierNiveau::lireEtoilesEffet()
{
    const bool actif = drapeau();
    const int n = mesure();
    pCible->activerEtoiles(actif, actif ? n : 0);
}

void CFichierNiveau::lireNuagePoussiere() { pCible->activerNuagePoussiere(drapeau()); }

void CFichierNiveau::lireOrage() { pCible->activerOrage(drapeau()); }

void CFichierNiveau::lirePoussierePas() { pCible->strPoussierePas = getValue(); }

void CFichierNiveau::lireTracePas() { pCible->strTracePas = getValue(); }

void CFichierNiveau::lireFreeTextureMem()
{
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    const bool liberer = drapeau();
    if (estMondeJeu())
        faceJeu::options()->bFreeTextureMem = liberer;
    if (liberer && !(pJeu && faceJeu::options()->bNeverFreeTextures))
        pCible->retirerModeles();
}

// Always the game's world, whichever world is being read.
void CFichierNiveau::lireScalePersos()
{
    CDecor* d = pJeu && pJeu->pdecorJeu ? pJeu->pdecorJeu : pCible;
    d->scalePersosX = reel();
    d->scalePersosY = reel();
}

// A file read before under the name is read again when it changed since (an edit made while
// the game runs, taken by the editor's C); else it stays as it is, and its notes are listed as
// at its first reading. One whose file cannot be read any more stays, and the load says so.
bool CFichierNiveau::aRelire(const std::string& fichier, const std::string& lu, const tuv::EmpreinteFichier& empreinte)
{
    if (!lu.empty() && lu != fichier)
        return false;  // another file filed under that name: the first one stays
    const tuv::EmpreinteFichier maintenant = tuv::empreinteFichier(fichier);
    if (maintenant == empreinte)
        return false;
    if (!maintenant.existe() && !lu.empty()) {
        if (std::find(definitionsNonRelues.begin(), definitionsNonRelues.end(), fichier) == definitionsNonRelues.end())
            definitionsNonRelues.push_back(fichier);
        return false;
    }
    return maintenant.existe();
}

// A model or one of its parts (to a depth that a ring of parts cannot pass) changed.
bool CFichierNiveau::modeleARelire(const CPersoDef& def, const std::string& fichier, int profondeur)
{
    if (aRelire(fichier, def.nomFichier, def.empreinte))
        return true;
    if (profondeur >= PROFONDEUR_PARTIES_MAX)
        return false;
    for (const std::string& cle : def.parties) {
        const auto it = pCible->modelesPersos.find(cle);
        const CPersoDef* partie = it == pCible->modelesPersos.end() || !it->second ? nullptr : it->second->pPersoDef;
        if (partie && modeleARelire(*partie, partie->nomFichier, profondeur + 1))
            return true;
    }
    return false;
}

// The model and its parts leave the map, so that its reading makes them anew.
void CFichierNiveau::retirerModele(const std::string& nom, int profondeur)
{
    const auto it = pCible->modelesPersos.find(nom);
    if (it == pCible->modelesPersos.end())
        return;
    const std::vector<std::string> parties =
        it->second && it->second->pPersoDef ? it->second->pPersoDef->parties : std::vector<std::string>();
    pCible->retirerModele(pCible->modelesPersos, nom);
    if (profondeur < PROFONDEUR_PARTIES_MAX)
        for (const std::string& partie : parties)
            retirerModele(partie, profondeur + 1);
}

void CFichierNiveau::ajouterNotesDefinition(const tuv::RecueilNotes& notes)
{
    notesDefinitions.insert(notesDefinitions.end(), notes.notes().begin(), notes.notes().end());
}

void CFichierNiveau::lireTexturePer()
{
    const std::string fichier = getValue();
    const std::string nom = getValue();
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    const auto it = pCible->modelesPersos.find(nom);
    if (it != pCible->modelesPersos.end() && it->second) {
        const CPersoDef* lu = it->second->pPersoDef;
        if (!lu || !modeleARelire(*lu, fichier, 0)) {
            if (lu)
                ajouterNotesDefinition(lu->notes);
            return;
        }
        retirerModele(nom, 0);
    }
    CDEC*& entree = pCible->modelesPersos[nom];
    entree = new CDEC();
    entree->nom = nom;
    if (CPersoDef* def = entree->pPersoDef) {
        def->id = nom;
        def->cleDefinition = nom;
        def->charger(fichier, false, pCible);
        ajouterNotesDefinition(def->notes);
    }
}

void CFichierNiveau::lireTextureDec()
{
    const std::string fichier = getValue();
    const std::string nom = getValue();
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    const auto it = pCible->modelesDEC.find(nom);
    if (it != pCible->modelesDEC.end() && it->second) {
        const CFichierDEC& lu = *it->second->pFichierDEC;
        if (!aRelire(fichier, lu.chemin, lu.empreinte)) {
            ajouterNotesDefinition(lu.notes);
            return;
        }
        pCible->retirerModele(pCible->modelesDEC, nom);
    }
    CDEC*& entree = pCible->modelesDEC[nom];
    entree = new CDEC();
    entree->nom = nom;
    entree->pFichierDEC->id = nom;
    entree->pFichierDEC->chargerDEC(fichier, entree);
    ajouterNotesDefinition(entree->pFichierDEC->notes);
}

// A game type the game does not know is read as adventure, as F6 refuses it.
void CFichierNiveau::lireTypeJeu()
{
    const int lu = entierReglage(false);
    typeJeuLu = pCible->typeJeu = lu >= TYPE_AVENTURE && lu <= TYPE_MAX ? lu : TYPE_AVENTURE;
    if (typeJeuLu != lu)
        corrigerLigne(LigneCorrigee::Raison::TypeJeuHorsBornes, std::to_string(TYPE_AVENTURE));
    if (estMondeJeu())
        faceJeu::partie()->typeJeu = typeJeuLu;
}

void CFichierNiveau::lireZone()
{
    pCible->bZone = drapeau();
    for (int& v : pCible->zone)
        v = entierReglage(true);
}
