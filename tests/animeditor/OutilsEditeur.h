#pragma once
// The animation editor as the GUI set-up makes it (its real model applied, registered, then
// onCreate), a game object without init for what the editor reads of the game, and sprites
// built in code.
#include "anim/Sprite3.h"
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"
#include "characters/Armes.h"
#include "core/Globals.h"
#include "game/Jeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXMessageBox.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "support/Outils.h"

#include <SFML/Graphics/Texture.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include <unistd.h>

inline std::string dossierData()
{
    const char* d = std::getenv("TUV_DATA_DIR");
    return d ? d : std::string(__FILE__).substr(0, std::string(__FILE__).rfind("/tests/")) + "/data";
}

inline std::string texteModeleEditeur() { return lireTexte(dossierData() + "/PLUX_Modeles/Mod2/JeuDialogAnimationsSprites.mod"); }

// The model's text without the blocks of the given controls.
inline std::string modeleSans(const std::vector<std::string>& ids)
{
    std::string t = texteModeleEditeur();
    for (const std::string& id : ids) {
        const size_t p = t.find(";" + id + "\n");
        if (p == std::string::npos)
            continue;
        const size_t debut = t.rfind("{\n", p);
        const size_t fin = t.find("}\n", p) + 2;
        t.erase(debut, fin - debut);
    }
    return t;
}

// The first column of every line of a list or combo.
inline std::vector<std::string> textesDe(const CPLUXControlTextArea* c)
{
    std::vector<std::string> r;
    for (int i = 0; c && i < c->getNbElements(); ++i)
        r.push_back(c->getText(i));
    return r;
}

// The working folder of the test (the editor reads "./shaders", the timeline its font).
class DansDossier {
public:
    explicit DansDossier(const std::string& d)
    {
        char tampon[4096];
        ancien_ = ::getcwd(tampon, sizeof tampon) ? tampon : ".";
        if (::chdir(d.c_str()) != 0)
            ancien_.clear();
    }
    ~DansDossier()
    {
        if (!ancien_.empty() && ::chdir(ancien_.c_str()) != 0)
            return;
    }

private:
    std::string ancien_;
};

struct Editeur {
    explicit Editeur(const std::string& modele = texteModeleEditeur()) : d(new CJeuDialogAnimationsSprites)
    {
        d->setId(IdAnm::DIALOGUE);
        CPLUX::pModeleDef->appliquerTexte(d.get(), modele, "JeuDialogAnimationsSprites.mod");
        CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
    }
    CJeuDialogAnimationsSprites* operator->() const { return d.get(); }
    CPLUXControl* ctrl(const char* id) const { return d->getControl(id); }
    std::string texte(const char* id) const { return d->getControl(id)->getText(); }
    bool coche(const char* id) const { return d->ctrlButtonCheck(id)->isChecked(); }
    CPLUXControlComboBox* combo(const char* id) const { return d->ctrlComboBox(id); }
    CPLUXControlList* liste(const char* id) const { return d->ctrlList(id); }
    std::unique_ptr<CJeuDialogAnimationsSprites> d;
};

// Another dialog of the editor, made as the GUI set-up makes it from its model in data/.
template <class T>
std::unique_ptr<T> dialogueModele(const std::string& id)
{
    auto d = std::make_unique<T>();
    d->setId(id);
    CPLUX::pModeleDef->appliquerTexte(d.get(), lireTexte(dossierData() + "/PLUX_Modeles/Mod2/" + id + ".mod"),
                                      id + ".mod");
    CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
    return d;
}

// A game object that ran no init: only the fields a test fills.
struct JeuEssai {
    JeuEssai() { faceJeu::installer(jeu.facettes()); }
    ~JeuEssai()
    {
        if (jeu.parmes)
            jeu.parmes->armes.clear();  // the weapons below belong to the test
    }
    void armes(std::initializer_list<const char*> noms)
    {
        jeu.parmes = new CArmes;
        for (const char* n : noms) {
            stock.push_back(std::make_unique<CArme>());
            stock.back()->nom = n;
            jeu.parmes->armes.push_back(stock.back().get());
        }
    }
    std::vector<std::unique_ptr<CArme>> stock;
    CSFMLJeu jeu;
};

// Every editor test starts from an empty library and leaves it so.
class EditeurTest : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
};

// A control's rectangle on the window, as the game tells the sprite drawings where a view is.
inline sf::FloatRect rectEcran(CPLUXControl* c)
{
    if (!c)
        return sf::FloatRect();
    const sf::Vector2f p = c->getPositionScreen();
    return sf::FloatRect(p.x, p.y, c->getWidth(), c->getHeight());
}

// A sprite sheet stand-in: elements need a sheet texture to be added.
struct Planche {
    Planche() { texture.create(64, 64); }
    void donner(CSPRITE3& s) { s.pTextureFeuille = &texture; }
    sf::Texture texture;
};

// An editor of its own, its sprite given a sheet, the modifier keys up before and after.
class EditeurSeulTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        CPLUXTest::setModifiers(false, false, false);
        e = std::make_unique<Editeur>();
        planche.donner(s());
    }
    void TearDown() override
    {
        e.reset();
        CPLUXTest::setModifiers(false, false, false);
        EditeurTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *e->d; }
    CSPRITE3& s() { return *d().pSprite; }

    std::unique_ptr<Editeur> e;
    Planche planche;
};

// The texts of a message box, each followed by "|", its lines joined.
inline std::string texteBoite(const CPLUXMessageBox& b)
{
    std::string r;
    for (const CPLUXControl* c : b.getControls())
        r += c->getText() + "|";
    std::replace(r.begin(), r.end(), '\n', ' ');
    return r;
}

// Elements "tete" (20 x 10) and "corps" (30 x 30); animation 0 "marche" of 10 frames with
// keyframes at 0 and 5, one AE per element, both at (0, 0); the current animation.
inline void spriteEssai(CSPRITE3& s, Planche& planche)
{
    planche.donner(s);
    s.ajouterElement("tete", 0, 0, 20, 10, 0, 0, 2, 2, -1, -1, false);
    s.ajouterElement("corps", 0, 10, 30, 30, 0, 0, 2, 2, -1, -1, false);
    s.ajouterAnimation("marche", true);
    s.setNbFrames(0, 10);
    s.ajouterAnimElem(0, 0, "", 0, 1);
    s.ajouterAnimElem(0, 1, "", 0, 1);
    s.ajouterKeyframe(0, 5);
    s.setAnimation(0, 0, true);
}
