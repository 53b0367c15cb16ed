#include "editor/Editeur.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "editor/JeuDialogPerso.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <algorithm>

namespace editeur {

namespace {

constexpr int DUREE_MESSAGE = 200;
const wchar_t* const ECHEC_SAUVEGARDE = L"Erreur : Sauvegarde du niveau non effectuée";

// The editor's counts of the effects whose switch takes one.
constexpr int NB_FLOCONS = 1000;
constexpr int NB_LUCIOLES = 500;
constexpr int NB_ETOILES = 1000;

// Each effect of Meteo, in its order: the level's flag and the level's switch.
struct EffetEditeur {
    bool CDecor::*drapeau;
    void (*appliquer)(CDecor&, bool, int hauteurNeige);
};
const EffetEditeur EFFETS[] = {
    {&CDecor::bPluie, [](CDecor& d, bool a, int) { d.activerPluie(a); }},
    {&CDecor::bNeige, [](CDecor& d, bool a, int h) { d.activerNeige(a, NB_FLOCONS, 1.0f, h); }},
    {&CDecor::bLucioles, [](CDecor& d, bool a, int) { d.activerLucioles(a, NB_LUCIOLES); }},
    {&CDecor::bBrouillard, [](CDecor& d, bool a, int) { d.activerBrouillard(a); }},
    {&CDecor::bNuages, [](CDecor& d, bool a, int) { d.activerNuages(a); }},
    {&CDecor::bNuagePoussiere, [](CDecor& d, bool a, int) { d.activerNuagePoussiere(a); }},
    {&CDecor::bEtoiles, [](CDecor& d, bool a, int) { d.activerEtoiles(a, NB_ETOILES); }},
};

struct ToucheDialogue {
    sf::Keyboard::Key touche;
    const char* dialogue;
};
const ToucheDialogue TOUCHES[] = {
    {sf::Keyboard::F1, id::OPTIONS_EDITEUR}, {sf::Keyboard::F2, id::CHOIX_DEC}, {sf::Keyboard::F3, id::CHOIX_PER},
    {sf::Keyboard::F5, id::PLANS},           {sf::Keyboard::F6, id::OPTIONS_NIV}, {sf::Keyboard::F7, id::SCRIPTS},
};

// The fourth zoom key shows the level's whole width.
constexpr int ZOOM_NIVEAU_ENTIER = 4;

// The send flag is off while f fills c.
template <class F>
void enSilence(CPLUXControl* c, F f)
{
    if (!c)
        return;
    const bool envoi = c->isSendEventOnChange();
    c->setSendEventOnChange(false);
    f(*c);
    c->setSendEventOnChange(envoi);
}

// Why a quick save did not write, after the failure message.
const wchar_t* const SANS_FICHIER =
    L"\nCe niveau n'a pas de fichier : enregistrez-le sous un nom (« Sauver ») ou tapez son chemin (F6)";

void echecSauvegarde(const std::wstring& raison = L"")
{
    if (ServicesJeu* services = faceJeu::services())
        services->afficherMessage(ECHEC_SAUVEGARDE + raison, DUREE_MESSAGE);
}

} // namespace

bool basculerDialogue(const std::string& dialogue)
{
    if (CPLUX::isDialogVisible(dialogue)) {
        CPLUX::hide(dialogue);
        return false;
    }
    CPLUX::show(dialogue);
    return CPLUX::isDialogVisible(dialogue);
}

void rafraichirBarre()
{
    if (auto* barre = dynamic_cast<CJeuDialogMenuEditeur*>(CPLUX::getDialog(id::MENU_EDITEUR)))
        barre->refreshChecks();
}

bool toucheDialogue(sf::Keyboard::Key touche)
{
    if (touche == sf::Keyboard::F4) {
        ouvrirDialogueChemins();
        return true;
    }
    for (const ToucheDialogue& t : TOUCHES)
        if (t.touche == touche) {
            basculerDialogue(t.dialogue);
            return true;
        }
    return false;
}

bool toucheZoom(sf::Keyboard::Key touche)
{
    if (touche < sf::Keyboard::Num1 || touche > sf::Keyboard::Num4)
        return false;
    MondeJeu* jeu = faceJeu::monde();
    CDecor* decor = jeu ? jeu->pdecor : nullptr;
    CVue* vue = decor ? decor->pCamera : nullptr;
    if (!vue)
        return true;
    decor->reprendreModeVue();
    vue->arreterDefilement();
    const int cran = touche - sf::Keyboard::Num1 + 1;
    const int largeurVue = std::max(1, static_cast<int>(vue->largeur));
    vue->zoom = static_cast<float>(cran < ZOOM_NIVEAU_ENTIER ? cran : decor->tailleJeuX / largeurVue + 1);
    const float X = static_cast<float>(decor->tailleJeuX), Y = static_cast<float>(decor->tailleJeuY);
    const CPerso* joueur = jeu->pPerso;
    if (joueur && joueur->sprite)
        vue->placerAutour(joueur->sprite->x, joueur->sprite->y, X, Y);
    else
        vue->placerAutour(0, 0, X, Y);
    return true;
}

void remplirTexte(CPLUXControl* c, const std::string& texte)
{
    enSilence(c, [&](CPLUXControl& ctrl) { ctrl.setText(texte); });
}

void remplirTexte(CPLUXControl* c, int valeur)
{
    enSilence(c, [&](CPLUXControl& ctrl) { ctrl.setText(valeur); });
}

void remplirSelection(CPLUXControl* c, int ligne)
{
    if (auto* liste = dynamic_cast<CPLUXControlList*>(c))
        enSilence(c, [&](CPLUXControl&) { liste->setNumSel(ligne); });
}

void ouvrirDialogueChemins()
{
    MondeJeu* jeu = faceJeu::monde();
    CDecor* decor = jeu ? jeu->pdecor : nullptr;
    if (decor && !decor->pSDSelection) {
        auto* dialoguePerso = dynamic_cast<CJeuDialogPerso*>(CPLUX::getDialog(id::PERSO));
        CPerso* perso = dialoguePerso ? dialoguePerso->pPerso.get() : nullptr;
        // A character's sprite belongs to no plane.
        if (perso && perso->sprite) {
            decor->pSDSelection = perso->sprite;
            decor->pPlanSelection = nullptr;
        }
    }
    if (basculerDialogue(id::CHEMIN))
        if (auto* chemin = dynamic_cast<CJeuDialogPhysCheminOptions*>(CPLUX::getDialog(id::CHEMIN)))
            chemin->init();
}

void rechargerNiveau()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor || jeu->pdecor->fichierSaisi.empty())
        return;
    const std::string fichier = jeu->pdecor->fichierSaisi;
    if (!tuv::fichierExiste(fichier)) {
        CPLUX::MessageBoxW(std::string("Erreur !"), "Impossible de charger le niveau : " + fichier);
        return;
    }
    jeu->pdecor->chargerNiveau(fichier, jeu->pdecor->optionChargement);
}

bool sauvegardeRapide()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return false;
    if (!jeu->pdecor) {
        echecSauvegarde();
        return false;
    }
    // The level being edited goes to its own file: each world (the game's, the menus') has
    // one, so that a level edited from a menu is never written over the game's level.
    const CDecor& niveau = *jeu->pdecor;
    const std::string fichier = niveau.fichierSaisi;
    // A path of blanks is a slip of the keyboard, not a file name.
    if (tuv::delspaces(fichier).empty()) {
        echecSauvegarde(SANS_FICHIER);
        return false;
    }
    // A path typed in the level options may name another level: it is not replaced unasked.
    if (tuv::fichierExiste(fichier) && !tuv::memeFichier(fichier, niveau.fichierNiveau)) {
        auto* barre = dynamic_cast<CJeuDialogMenuEditeur*>(CPLUX::getDialog(id::MENU_EDITEUR));
        if (barre)
            barre->demanderRemplacement(fichier);
        else
            echecSauvegarde(L"\n« " + tuv::utf8toWStr(fichier) + L" » est le fichier d'un autre niveau");
        return false;
    }
    return ecrireNiveau(fichier);
}

bool ecrireNiveau(const std::string& fichier)
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor) {
        if (jeu)
            echecSauvegarde();
        return false;
    }
    return jeu->pdecor->sauverNiveau(fichier.c_str());
}

void appliquerLumieres(CDecor& decor)
{
    for (CCalqueSD* plan : decor.pPlans) {
        if (!plan)
            continue;
        for (CSPRITE* sd : plan->sprites)
            if (sd && sd->type == "LUX")
                sd->bVisible = decor.bLuxVisibles;
    }
}

void appliquerMeteo(CDecor& d, Meteo effet, bool actif, int hauteurNeige)
{
    EFFETS[static_cast<int>(effet)].appliquer(d, actif, hauteurNeige);
}

bool meteoActive(const CDecor& d, Meteo effet) { return d.*EFFETS[static_cast<int>(effet)].drapeau; }

} // namespace editeur
