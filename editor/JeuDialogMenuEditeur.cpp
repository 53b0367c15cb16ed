#include "editor/JeuDialogMenuEditeur.h"

#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "editor/SFMLJeuEditeurOptions.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXMessageBox.h"
#include "level/Decor.h"

#include <filesystem>

namespace {

// What a check button writes when the author changes it.
enum class Ecriture {
    Jeu,            // its new state into the game's flag
    TousLesPersos,  // into the flag of every character of the level
    Joueur,         // into the player's flag, when there is a player
    ModePerso,      // the player's collisions and the game's character mode, toggled
    Inverser,       // the game's flag inverted, whatever the check shows
    Menu,           // checked hides the main menu, unchecked shows it
};

// One check button: shown from the game's flag or the player's (neither for the menu's).
struct CaseBarre {
    const char* id;
    bool OptionsJeu::*drapeauJeu;
    bool CPerso::*drapeauJoueur;
    Ecriture ecriture;
};

const CaseBarre CASES[] = {
    {"myButtonCheckVieInfinie", nullptr, &CPerso::bVieInfinie, Ecriture::TousLesPersos},
    {"myButtonCheckMunitionsInfinie", nullptr, &CPerso::bMunitionsInfinies, Ecriture::TousLesPersos},
    {"myButtonCheckBoostInfinie", nullptr, &CPerso::bBoostInfini, Ecriture::Joueur},
    {"myButtonCheckModeFantome", &OptionsJeu::bModeFantome, nullptr, Ecriture::Jeu},
    {"myButtonCheckModePerso", nullptr, &CPerso::bCollisions, Ecriture::ModePerso},
    {"myButtonCheckSizeX", &OptionsJeu::bSizeX, nullptr, Ecriture::Jeu},
    {"myButtonCheckSizeY", &OptionsJeu::bSizeY, nullptr, Ecriture::Jeu},
    {"myButtonCheckLocksSelect", &OptionsJeu::bLocksSelect, nullptr, Ecriture::Jeu},
    {"myButtonCheckScriptsActifs", &OptionsJeu::bScriptsActifs, nullptr, Ecriture::Inverser},
    {"myButtonCheckAfficheIAs", &OptionsJeu::bAfficheIAs, nullptr, Ecriture::Jeu},
    {"myButtonCheckAfficheHitboxes", &OptionsJeu::bAfficheHitboxes, nullptr, Ecriture::Jeu},
    {"myButtonCheckAfficheGrille", &OptionsJeu::bAfficheGrille, nullptr, Ecriture::Jeu},
    {CJeuDialogMenuEditeur::CASE_MENU_VISIBLE, nullptr, nullptr, Ecriture::Menu},
};
// The first five rows show only while the game has a player, the ghost mode included.
constexpr int NB_CASES_JOUEUR = 5;

// Only a change shows or hides it: showing an open menu again would bring it in front of the
// dialog the author is working in.
void afficherMenu(bool masque)
{
    if (masque != CPLUX::isDialogVisible(editeur::id::MENU))
        return;
    if (masque)
        CPLUX::hide(editeur::id::MENU);
    else
        CPLUX::show(editeur::id::MENU);
}

// The row's flag as the check shows it; false when it has no source now.
bool source(const CaseBarre& c, const OptionsJeu& options, const MondeJeu& monde, bool& valeur)
{
    if (c.drapeauJeu) {
        valeur = options.*c.drapeauJeu;
        return true;
    }
    CPerso* joueur = monde.pPerso.get();
    if (c.drapeauJoueur && joueur) {
        // Character mode is the player passing through the decor: its collisions off.
        valeur = c.ecriture == Ecriture::ModePerso ? !(joueur->*c.drapeauJoueur) : joueur->*c.drapeauJoueur;
        return true;
    }
    return false;
}

void ecrire(const CaseBarre& c, OptionsJeu& options, const MondeJeu& monde, bool coche)
{
    CPerso* joueur = monde.pPerso.get();
    switch (c.ecriture) {
    case Ecriture::Jeu: options.*c.drapeauJeu = coche; break;
    case Ecriture::TousLesPersos:
        if (monde.pdecor)
            for (auto* liste : {&monde.pdecor->persos, &monde.pdecor->ias})
                for (CPerso* p : *liste)
                    if (p)
                        p->*c.drapeauJoueur = coche;
        break;
    case Ecriture::Joueur:
        if (joueur)
            joueur->*c.drapeauJoueur = coche;
        break;
    case Ecriture::ModePerso:
        if (joueur) {
            joueur->bCollisions = !joueur->bCollisions;
            options.bModePerso = !joueur->bCollisions;
        }
        break;
    case Ecriture::Inverser: options.*c.drapeauJeu = !(options.*c.drapeauJeu); break;
    case Ecriture::Menu: afficherMenu(coche); break;
    }
}

} // namespace

CJeuDialogMenuEditeur::CJeuDialogMenuEditeur() = default;
CJeuDialogMenuEditeur::~CJeuDialogMenuEditeur() = default;

void CJeuDialogMenuEditeur::setFPS()
{
    ServicesJeu* jeu = faceJeu::services();
    CPLUXControl* texte = getControl(TEXTE_FPS);
    if (!jeu || !texte)
        return;
    // Before the loop's first measure the model's text stays.
    const std::wstring fps = jeu->texteFPSJeu()->getString().toWideString();
    if (!fps.empty() && texte->getTextW() != fps)
        texte->setText(fps);
}

void CJeuDialogMenuEditeur::refreshChecks()
{
    if (MondeJeu* jeu = faceJeu::monde()) {
        const bool avecJoueur = jeu->pPerso != nullptr;
        for (int i = 0; i < static_cast<int>(std::size(CASES)); ++i) {
            bool valeur = false;
            CPLUXControlButtonCheck* c = ctrlButtonCheck(CASES[i].id);
            if (c && (avecJoueur || i >= NB_CASES_JOUEUR) && source(CASES[i], *faceJeu::options(), *jeu, valeur))
                c->setCheck(valeur);
        }
    }
    if (CPLUXControlButtonCheck* menu = ctrlButtonCheck(CASE_MENU_VISIBLE))
        afficherMenu(menu->isChecked());
}

void CJeuDialogMenuEditeur::onCreate()
{
    CPLUXDialog::onCreate();
    // The main menu starts hidden, as the check says.
    if (CPLUXControlButtonCheck* menu = ctrlButtonCheck(CASE_MENU_VISIBLE))
        menu->setCheck(true);
    pOptions = std::make_unique<CSFMLJeuEditeurOptions>();
    pOptions->pjeu = faceJeu::monde();
    pOptions->afficherDrapeaux();
}

void CJeuDialogMenuEditeur::onShow()
{
    CPLUXDialog::onShow();
    if (isCreate())
        refreshChecks();
}

bool CJeuDialogMenuEditeur::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (c && c->getId() == BOUTON_SAUVEGARDE)
        editeur::sauvegardeRapide();
    return true;
}

void CJeuDialogMenuEditeur::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    OptionsJeu* options = faceJeu::options();
    if (c && options)
        for (const CaseBarre& ligne : CASES)
            if (c->getId() == ligne.id) {
                ecrire(ligne, *options, *faceJeu::monde(), c->isChecked());
                // A toggle may have found the check stale: it shows the flag again.
                bool valeur = false;
                if (source(ligne, *options, *faceJeu::monde(), valeur))
                    c->setCheck(valeur);
                break;
            }
    CPLUX::refresh(editeur::id::OPTIONS_EDITEUR);
}

void CJeuDialogMenuEditeur::demanderRemplacement(const std::string& fichier)
{
    if (CPLUX::getMessageBox(boiteRemplacer))
        return;
    fichierARemplacer = fichier;
    const std::string nom = std::filesystem::path(fichier).filename().string();
    boiteRemplacer = CPLUX::MessageBoxW(L"Enregistrer",
                                        L"Le fichier « " + tuv::utf8toWStr(nom) + L" » existe déjà.\nLe remplacer ?",
                                        BOITE_REMPLACER, this, 2);
}

void CJeuDialogMenuEditeur::onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                                      std::string text)
{
    CPLUXDialog::onMBClose(handle, id, answer1, answer2, answer3, text);
    if (id != BOITE_REMPLACER || handle != boiteRemplacer)
        return;
    boiteRemplacer = 0;
    if (answer1)
        editeur::ecrireNiveau(fichierARemplacer);
}
