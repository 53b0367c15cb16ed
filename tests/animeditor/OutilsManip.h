#pragma once
// The editor shown in a 1280 x 720 window with the test sprite, driven as a user drives it:
// keys, text typed into its inputs, checks clicked, combo entries chosen, list rows selected.
#include "OutilsEditeur.h"

#include "gui/CPLUXControlTextInput.h"

#include <string>

class ManipTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        CPLUXTest::setModifiers(false, false, false);
        fenetre.create(sf::VideoMode(1280, 720), "editeur", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        jeu.armes({"Pistolet", "Fusil"});
        e = std::make_unique<Editeur>();
        spriteEssai(s(), planche);
        d().majListeElements();
        d().majListeAnimations();
        d().show();
    }
    void TearDown() override
    {
        e.reset();
        CPLUX::setSurface(nullptr);
        CPLUXTest::setModifiers(false, false, false);
        EditeurTest::TearDown();
    }
    CJeuDialogAnimationsSprites& d() { return *e->d; }
    CSPRITE3& s() { return *d().pSprite; }
    std::string texte(const char* id) { return e->texte(id); }

    void page(int n) { d().pTab->setNumTabElemActif(n); }
    // The page that shows the control.
    void pageDe(const char* id)
    {
        const CPLUXControl* c = d().getControl(id);
        if (c && c->getTab() == d().pTab)
            page(c->getTabPage());
    }
    void animation(int a)
    {
        page(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        ASSERT_TRUE(CPLUXTest::selectRow(IdAnm::DIALOGUE, IdAnm::myListAnimations, a)) << "animation " << a;
    }
    void animElem(int ae)
    {
        page(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        ASSERT_TRUE(CPLUXTest::selectRow(IdAnm::DIALOGUE, IdAnm::myListAnimationElements, ae)) << "AE " << ae;
    }
    void element(int el)
    {
        page(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
        ASSERT_TRUE(CPLUXTest::selectRow(IdAnm::DIALOGUE, IdAnm::myListElementsPlanche, el)) << "element " << el;
    }
    // A frame chosen on the timeline, as a click there chooses it.
    void frame(int f)
    {
        page(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        const CControlTimeline* t = d().pTimeline;
        CPLUXTest::clickAt(t->getLeftScreen() + (f - t->getPremiereFrame()) * t->getLargeurFrame() + 2,
                           t->getTopScreen() + 10);
        ASSERT_EQ(s().getFrameCourante(), f) << "the timeline chose frame " << f;
    }
    // Typed over what the input holds; validated with Enter unless live.
    void saisir(const char* id, const std::string& t, bool entree = true)
    {
        pageDe(id);
        ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, id)) << id;
        ASSERT_EQ(CPLUX::getKeyboardFocus(), d().getControl(id)) << id << " takes the keys";
        CPLUXTest::key(sf::Keyboard::A, true);
        if (t.empty())
            CPLUXTest::key(sf::Keyboard::BackSpace);
        else
            CPLUXTest::type(t);
        if (entree)
            CPLUXTest::key(sf::Keyboard::Return);
        CPLUX::setKeyboardFocus(nullptr);
    }
    // A click on the check toggles it.
    void basculer(const char* id)
    {
        pageDe(id);
        ASSERT_TRUE(CPLUXTest::click(IdAnm::DIALOGUE, id)) << id;
    }
    void cocherCase(const char* id, bool coche)
    {
        if (e->coche(id) != coche)
            basculer(id);
        ASSERT_EQ(e->coche(id), coche) << id;
    }
    void choisir(const char* id, int ligne)
    {
        pageDe(id);
        ASSERT_TRUE(CPLUXTest::chooseEntry(IdAnm::DIALOGUE, id, ligne)) << id << " line " << ligne;
    }
    // Keys go to the dialog that has the focus, when no input holds them.
    void touche(sf::Keyboard::Key k, bool ctrl = false, bool shift = false)
    {
        CPLUX::setKeyboardFocus(nullptr);
        CPLUX::changerFocusDialogue(e->d.get());
        CPLUXTest::key(k, ctrl, shift);
    }
    // The status message, its lines (broken to fit the view) joined.
    std::wstring message() const
    {
        std::wstring m = e->d->texteMessage.getString().toWideString();
        std::replace(m.begin(), m.end(), L'\n', L' ');
        return m;
    }

    sf::RenderWindow fenetre;
    JeuEssai jeu;
    Planche planche;
    std::unique_ptr<Editeur> e;
};
