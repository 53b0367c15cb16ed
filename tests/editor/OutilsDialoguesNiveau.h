#pragma once
// The level editor's level dialogs and pickers as the set-up makes them (development switch
// on, declared, read from their models), over a game built without init, in a working folder
// holding a copy of data/, driven by CPLUXTest over a 1280x720 window.
#include "anim/Sprite3.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "editor/JeuDialogChargerNiv.h"
#include "editor/JeuDialogSauverNiv.h"
#include "editor/SFMLJeuChoixDec.h"
#include "editor/SFMLJeuChoixPer.h"
#include "game/Jeu.h"
#include "game/OutilsJeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "menus/JeuMenus.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

inline sf::RenderWindow& fenetreDialogues()
{
    static sf::RenderWindow fenetre(sf::VideoMode(1280, 720), "dialogues", sf::Style::None);
    return fenetre;
}

// The four dialogs in the order of the set-up's list.
inline void declarerDialoguesNiveau()
{
    CPLUX::declareDialog<CJeuDialogSauverNiv>(CJeuDialogSauverNiv::ID, "CJeuDialogSauverNiv");
    CPLUX::declareDialog<CJeuDialogChargerNiv>(CJeuDialogChargerNiv::ID, "CJeuDialogChargerNiv");
    CPLUX::declareDialog<CSFMLJeuChoixPer>(CSFMLJeuChoixPer::ID, "CSFMLJeuChoixPer");
    CPLUX::declareDialog<CSFMLJeuChoixDec>(CSFMLJeuChoixDec::ID, "CSFMLJeuChoixDec");
}

// A plain image of one colour written to chemin.
inline void ecrireImage(const std::string& chemin, unsigned l, unsigned h, sf::Color c)
{
    sf::Image image;
    image.create(l, h, c);
    image.saveToFile(chemin);
}

class DialoguesNiveauTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* donnees = std::getenv("TUV_DATA_DIR");
        ASSERT_NE(donnees, nullptr) << "ctest gives the data folder";
        std::filesystem::copy(donnees, ".", std::filesystem::copy_options::recursive);
        CPLUXTest::reset();
        CPLUX::setSurface(&fenetreDialogues());
        CSFMLJeuGlobal::bModeTest = true;
        tuv::srand(1);
        jeu = std::make_unique<CSFMLJeu>();
        faceJeu::installer(jeu->facettes());
        jeu->pdecor = jeu->pdecorJeu = new CDecor();
        jeu->pMenus = new CJeuMenus();
        jeu->mode = 2;
        // What installerServices gives the editor.
        installerHooksPersoDef();
        g_services.lireSprite3 = &lireSprite3DEC;
        g_services.choixEditeur = &CSFMLJeuChoix::choixCourant;
        g_services.textureCache = [this](const std::string& cle, const std::string& chemin) {
            return jeu->textureEnCache(cle, chemin);
        };
        g_services.rectControle = [](CPLUXControl* c) {
            return c ? sf::FloatRect(c->getPositionScreen(), {c->getWidth(), c->getHeight()}) : sf::FloatRect();
        };
        declarerDialoguesNiveau();
        CPLUX::pModeleDef->readFile("./PLUX_Modeles/Mod2/");
    }
    void TearDown() override
    {
        jeu.reset();  // the level and the dialogs but the pickers
        CSFMLJeuChoix::libererSelecteurs();
        faceJeu::installer({});
        CSFMLJeuGlobal::bModeTest = false;
        CPLUXTest::reset();
        SourisJeu::reinitialiser();
        g_services = ServicesFondation();
    }

    CSFMLJeuChoixDec& choixDec() { return *CSFMLJeuGlobal::pChoixDec; }
    CSFMLJeuChoixPer& choixPer() { return *CSFMLJeuGlobal::pChoixPer; }
    // Shows the dialog and presses the control, as the author does.
    bool presser(const char* dialogue, const std::string& controle)
    {
        if (!CPLUX::isDialogVisible(dialogue))
            CPLUX::show(dialogue);
        const bool trouve = CPLUXTest::pressLeft(dialogue, controle);
        CPLUXTest::releaseLeft();
        return trouve;
    }
    // One frame of the GUI drawn over a black window; what the window shows.
    sf::Image image()
    {
        sf::RenderWindow& f = fenetreDialogues();
        f.clear(sf::Color::Black);
        CPLUXTest::frame(&f);
        sf::Texture t;
        t.create(f.getSize().x, f.getSize().y);
        t.update(f);
        return t.copyToImage();
    }

    DossierDeTravail dossier;
    std::unique_ptr<CSFMLJeu> jeu;
};
