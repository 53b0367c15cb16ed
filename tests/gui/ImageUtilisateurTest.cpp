// A program control derived from the image control (as the animation editor's timeline is):
// drawing, hover, release, leaving, and its own events reaching the dialog.
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXTest.h"

#include <gtest/gtest.h>

namespace {
class ControleEssai : public CPLUXControlImage {
public:
    void draw(sf::RenderWindow* w, int dl, int dt, CPLUXDialog* d) override
    {
        CPLUXControlImage::draw(w, dl, dt, d);
        ++dessins;
    }
    bool onMouseOn(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override
    {
        CPLUXControlImage::onMouseOn(w, x, y, d);
        ++survols;
        return true;
    }
    bool onMouseClickLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d) override
    {
        CPLUXControlImage::onMouseClickLeft(w, x, y, d);
        ++clics;
        sendUserEvent("framechanged", &clics);
        return true;
    }
    void onFocusOut() override
    {
        CPLUXControlImage::onFocusOut();
        ++sorties;
    }
    int dessins = 0, survols = 0, clics = 0, sorties = 0;
};

class DialogueUtilisateur : public CPLUXDialog {
public:
    void onCtrlUserChange(CPLUXControl* c, std::string ev, void* data) override
    {
        source = c;
        evenement = ev;
        donnee = data;
    }
    CPLUXControl* source = nullptr;
    std::string evenement;
    void* donnee = nullptr;
};
} // namespace

TEST(ImageUtilisateur, GetsTheControlSlotsAndReportsItsEvents)
{
    CPLUXTest::reset();
    sf::RenderWindow fenetre(sf::VideoMode(320, 240), "essai");
    DialogueUtilisateur dlg;
    dlg.setId("dlgUser");
    dlg.setPosition(0, 0);
    dlg.Size(300, 200);
    auto* tl = new ControleEssai;
    tl->setPosition(10, 40);
    tl->setVisibleDimension(200, 40);
    dlg.addControlUser(tl, "maTimeline");
    CPLUX::addDialog(nullptr, &dlg, nullptr, 0);
    dlg.show();

    CPLUXTest::frame(&fenetre);
    EXPECT_GE(tl->dessins, 1);

    const sf::Vector2i c = CPLUXTest::centre("dlgUser", "maTimeline");
    CPLUXTest::mouseMove(c.x, c.y);
    CPLUXTest::frame();
    CPLUXTest::frame();
    CPLUXTest::frame();
    // Every update while the mouse stays over it.
    EXPECT_GE(tl->survols, 3);

    CPLUXTest::click("dlgUser", "maTimeline");
    EXPECT_EQ(tl->clics, 1);
    EXPECT_EQ(dlg.source, tl);
    EXPECT_EQ(dlg.evenement, "framechanged");
    EXPECT_EQ(dlg.donnee, &tl->clics);

    EXPECT_EQ(tl->sorties, 0);
    CPLUXTest::mouseMove(c.x, c.y + 100);
    CPLUXTest::frame();
    EXPECT_EQ(tl->sorties, 1);
    CPLUXTest::reset();
    CPLUX::setSurface(nullptr);
}
