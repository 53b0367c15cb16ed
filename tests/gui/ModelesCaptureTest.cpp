// Each dialog model drawn under Xvfb into "modeles/<id>.png" of the working folder (for a
// look by eye), and the animation editor's three pages drawn one at a time: only the
// controls of the active page appear.
#include "ModelesOutils.h"

#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXTest.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
const char* const DIALOGUES[] = {
    "CSEFouet", "CSEOpenDossier", "CSESelectionZone", "JeuDialogAnimationsSprites", "JeuDialogChargerNiv",
    "JeuDialogEventsAnm", "JeuDialogInternet", "JeuDialogListeSD", "JeuDialogMenu", "JeuDialogMenuEditeur",
    "JeuDialogOptionsEditeur", "JeuDialogOptionsNiv", "JeuDialogPerso", "JeuDialogPhysBasculeOptions",
    "JeuDialogPhysCheminOptions", "JeuDialogPhysEffondrementOptions", "JeuDialogPhysForceOptions",
    "JeuDialogPhysParticulesOptions", "JeuDialogPlans", "JeuDialogSauverNiv", "JeuDialogScriptAnm",
    "JeuDialogScripts", "JeuDialogShader", "JeuDialogSprite", "SFMLJeuChoixDec", "SFMLJeuChoixPer"};

struct CaptureModeles : ::testing::Test {
    static void SetUpTestSuite()
    {
        fenetre = new sf::RenderWindow(sf::VideoMode(1520, 940), "modeles", sf::Style::None);
        std::filesystem::create_directories("modeles");
    }
    static void TearDownTestSuite()
    {
        CPLUXTest::reset();
        CPLUX::setSurface(nullptr);
        delete fenetre;
        fenetre = nullptr;
    }
    void SetUp() override { CPLUXTest::reset(); }

    static sf::Image dessiner(CPLUXDialog* d, const std::string& fichier)
    {
        d->setPosition(0, 0);
        d->show();
        fenetre->clear(sf::Color(90, 96, 104));
        CPLUXTest::frame(fenetre);
        EXPECT_TRUE(CPLUXTest::screenshot(fenetre, "modeles/" + fichier + ".png"));
        sf::Texture t;
        t.create(fenetre->getSize().x, fenetre->getSize().y);
        t.update(*fenetre);
        return t.copyToImage();
    }

    static sf::RenderWindow* fenetre;
};
sf::RenderWindow* CaptureModeles::fenetre = nullptr;

sf::Vector2u centreDe(const CPLUXControl* c)
{
    return {static_cast<unsigned>(c->getLeftScreen() + c->getWidth() / 2),
            static_cast<unsigned>(c->getTopScreen() + c->getHeight() / 2)};
}
} // namespace

TEST_F(CaptureModeles, EveryModelIsDrawn)
{
    for (const char* id : DIALOGUES) {
        ModeleCharge m(id);
        const sf::Image img = dessiner(m.d.get(), id);
        // The dialog's own background shows inside it, the window's outside.
        EXPECT_NE(img.getPixel(m.d->getWidth() / 2, m.d->getOuterHeight() - 3), sf::Color(90, 96, 104)) << id;
        EXPECT_TRUE(std::filesystem::exists(std::string("modeles/") + id + ".png")) << id;
        // The other pages of a paged dialog as well.
        CPLUXControlTab* tab = m.d->ctrlTab("myTab");
        for (int page = 1; tab && page < tab->getNbPages(); ++page) {
            tab->setNumTabElemActif(page);
            dessiner(m.d.get(), std::string(id) + "_page" + std::to_string(page));
        }
    }
}

TEST_F(CaptureModeles, AnimationEditorShowsOnlyTheActivePage)
{
    ModeleCharge m("JeuDialogAnimationsSprites");
    // Each page's view in its own colour, to tell them apart on screen.
    const char* vues[3] = {"myImagePlancheSprites", "myImageAnimation", "myImageEtats"};
    const sf::Color couleurs[3] = {sf::Color(220, 40, 40), sf::Color(40, 200, 40), sf::Color(40, 40, 220)};
    for (int i = 0; i < 3; ++i)
        m.d->ctrlImage(vues[i])->setColorFond(couleurs[i]);
    CPLUXControlTab* tab = m.d->ctrlTab("myTab");
    ASSERT_NE(tab, nullptr);
    for (int page = 0; page < 3; ++page) {
        tab->setNumTabElemActif(page);
        const sf::Image img = dessiner(m.d.get(), "JeuDialogAnimationsSprites_page" + std::to_string(page));
        for (int v = 0; v < 3; ++v) {
            const sf::Vector2u p = centreDe(m.d->getControl(vues[v]));
            if (v == page)
                EXPECT_EQ(img.getPixel(p.x, p.y), couleurs[v]) << "page " << page;
            else
                EXPECT_NE(img.getPixel(p.x, p.y), couleurs[v]) << "page " << page << " view " << v;
        }
        // The zone lies on the sheet page only.
        EXPECT_EQ(m.d->getControl("myZone")->estAffiche(), page == 0);
    }
}
