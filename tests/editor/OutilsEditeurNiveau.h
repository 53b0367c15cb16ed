#pragma once
// The level editor's bench: a game built without init holding a level world with a player,
// AIs and decor sprites, the editor's dialogs declared with the switch on and made from
// their models as the set-up makes them, in a fresh working folder, driven by CPLUXTest
// over a 1280x720 window.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "editor/Editeur.h"
#include "editor/JeuDialogListeSD.h"
#include "editor/JeuDialogMenu.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "editor/JeuDialogOptionsEditeur.h"
#include "editor/JeuDialogOptionsNiv.h"
#include "editor/JeuDialogPlans.h"
#include "game/Jeu.h"
#include "game/OutilsJeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXTest.h"
#include "gui/CPLUXToolBar.h"
#include "gui/ModelesOutils.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/MenuImage.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

// One window for the whole run: the library lays dialogs out inside it.
inline sf::RenderWindow& fenetreEditeur()
{
    static sf::RenderWindow fenetre(sf::VideoMode(1280, 720), "editeur", sf::Style::None);
    return fenetre;
}

// The shipped data copied into the working folder, its "jeu.ini" starting the editor on that
// level, with vertical sync instead of a frame limit so that frames do not wait.
inline void copierDonnees(const std::string& niveau)
{
    const std::string donnees = dossierModeles() + "../../";
    std::filesystem::copy(donnees, ".", std::filesystem::copy_options::recursive);
    ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "VERTICALSYNCHRO=1\nEDITEUR=" + niveau + "\n");
}

// The six dialogs of the level editor's frame, as listerDialogues declares them.
inline void declarerDialoguesEditeur()
{
    CPLUX::declareDialog<CJeuDialogListeSD>(editeur::id::LISTE_SD, "CJeuDialogListeSD");
    CPLUX::declareDialog<CJeuDialogOptionsNiv>(editeur::id::OPTIONS_NIV, "CJeuDialogOptionsNiv");
    CPLUX::declareDialog<CJeuDialogOptionsEditeur>(editeur::id::OPTIONS_EDITEUR, "CJeuDialogOptionsEditeur");
    CPLUX::declareDialog<CJeuDialogMenuEditeur>(editeur::id::MENU_EDITEUR, "CJeuDialogMenuEditeur");
    CPLUX::declareDialog<CJeuDialogMenu>(editeur::id::MENU, "CJeuDialogMenu");
    CPLUX::declareDialog<CJeuDialogPlans>(editeur::id::PLANS, "CJeuDialogPlans");
}

class EditeurNiveauTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        CPLUXTest::reset();
        CPLUX::setSurface(&fenetreEditeur());
        CPLUX::pTB = new CPLUXToolBar();
        CSFMLJeuGlobal::bModeTest = true;
        tuv::srand(1);
        jeu = std::make_unique<CSFMLJeu>();
        faceJeu::installer(jeu->facettes());
        jeu->pdecor = jeu->pdecorJeu = new CDecor();
        jeu->mode = 2;
        joueur = perso(false, 300, 400);
        jeu->pPerso = joueur;
        declarerDialoguesEditeur();
        CPLUX::pModeleDef->readFile(dossierModeles());
    }
    void TearDown() override
    {
        jeu.reset();  // the dialogs and the level go with the game
        faceJeu::installer({});
        CSFMLJeuGlobal::bModeTest = false;
        CPLUXTest::reset();
        SourisJeu::reinitialiser();
    }

    CDecor& decor() { return *jeu->pdecor; }
    // A character of the level with a sprite at (x, y), the AIs in ias.
    CPerso* perso(bool ia, float x, float y)
    {
        auto* p = new CPerso();  // with its own sprite
        p->sprite->x = p->sprite->x0 = x;
        p->sprite->y = p->sprite->y0 = y;
        (ia ? decor().ias : decor().persos).push_back(p);
        return p;
    }
    // A decor sprite of that type appended to the plane.
    CSPRITE* sprite(int plan, const std::string& type, int calque = 0)
    {
        auto* sd = new CSPRITE3();
        sd->type = type;
        sd->calque = calque;
        decor().pPlans[plan]->sprites.push_back(sd);
        return sd;
    }
    template <class T = CPLUXDialog>
    T* dialogue(const char* id)
    {
        return dynamic_cast<T*>(CPLUX::getDialog(id));
    }
    CPLUXControlButtonCheck* caseDe(const char* dlg, const std::string& id)
    {
        return dynamic_cast<CPLUXControlButtonCheck*>(CPLUX::getControl(dlg, id));
    }
    bool coche(const char* dlg, const std::string& id)
    {
        CPLUXControlButtonCheck* c = caseDe(dlg, id);
        return c && c->isChecked();
    }
    // Shows the dialog above the others and presses the control, as the author would.
    bool presser(const char* dlg, const std::string& id)
    {
        if (!CPLUX::isDialogVisible(dlg))
            CPLUX::show(dlg);
        const bool trouve = CPLUXTest::pressLeft(dlg, id);
        CPLUXTest::releaseLeft();
        return trouve;
    }
    bool saisir(const char* dlg, const std::string& id, const std::string& texte)
    {
        CPLUXControl* c = CPLUX::getControl(dlg, id);
        if (!c)
            return false;
        c->setText(texte);
        return true;
    }

    DossierDeTravail dossier;
    std::unique_ptr<CSFMLJeu> jeu;
    CPerso* joueur = nullptr;
};
