// The views drawn under Xvfb at the game's size into "animeditor/vues_<name>.png" of the
// working folder, for a look by eye: the sheet, the animation view in both modes with every
// overlay, at three zooms and panned, the aim dial, the status message and the preview.
#include "OutilsVues.h"

#include <filesystem>

namespace {
class CapturesVuesTest : public VuesTest {
protected:
    void SetUp() override
    {
        VuesTest::SetUp();
        // Resolved now: the test then works in the data folder (the timeline reads its font there).
        dossier = std::filesystem::absolute("animeditor").string();
        std::filesystem::create_directories(dossier);
    }
    void capturer(const std::string& nom)
    {
        const sf::Image i = image();
        EXPECT_TRUE(i.saveToFile(dossier + "/vues_" + nom + ".png")) << nom;
        // The view's middle, twice as large, to see the overlays' pixels.
        sf::Image loupe;
        loupe.create(440, 360);
        for (unsigned x = 0; x < 440; ++x)
            for (unsigned y = 0; y < 360; ++y)
                loupe.setPixel(x, y, i.getPixel(374 + x / 2, 158 + y / 2));
        EXPECT_TRUE(loupe.saveToFile(dossier + "/vues_" + nom + "_loupe.png")) << nom;
    }
    std::string dossier;
};
} // namespace

TEST_F(CapturesVuesTest, TheViewsAsTheUserSeesThem)
{
    DansDossier donnees(dossierData());
    // A game for its shadow texture, as large as the window.
    JeuEssai jeu;
    jeu.jeu.pRenderTextureOmbre = new sf::RenderTexture;
    jeu.jeu.pRenderTextureOmbre->create(1280, 720);
    EditeurVues v(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    Editeur& e = v.e;
    CSPRITE3& s = *e->pSprite;
    // Sheet: the three kinds of outline, names, zone, origin marker, mesh circles, preview
    // rectangles of a row of three.
    sf::Sprite feuille(v.sprite.feuille);
    e->pImagePlanche->setImage(&feuille);
    e->bNomsVisibles = true;
    e.liste(IdAnm::myListElementsPlanche)->setNumSel(0);
    e->nombreElements = 3;
    e->espacementElements = 8;
    e->pImagePlanche->setScale(2);
    e.liste(IdAnm::myListElementsPlanche)->setNumSel(0);
    capturer("planche");

    // As the game's sprites are made: in positive coordinates, the global origin at the feet
    // (the shadow's silhouette starts at the animation's (0, 0)); the view panned onto them.
    e->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    for (int a = 0; a < 2; ++a) {
        s.deplacerAnimation(a, 100, 120);
        s.getAnim(a)->origineGlobale = {100, 160};
    }
    e->centreVueX -= 100;
    e->centreVueY -= 120;
    v.choisirAE(1);
    s.getAnim(0)->rectGlobal = {60, 30, 90, 140};
    s.getAnim(0)->rectHitbox = {75, 60, 50, 100};
    s.setOmbre(0, true);
    s.setOmbreDecalage(0, 10, 5);
    e->placerPoigneesRect(0);
    e->bDrawHierarchie = true;
    s.getAnimElem(0, 1)->enfants = {0, 2};
    e->numAnimElemSurvol = 0;
    e->afficherMessage(L"Sélection sauvée (1)");
    capturer("animation_taille");

    e->bModeMaillage = true;
    v.choisirAE(0);
    e->basculerPointMaillage(1, 4);
    e->majPoigneesAE(0, 0, 0);
    e->bCadreTousElements = true;
    e->bAfficheCheminAnimation = true;
    e->precisionCheminAnimation = 2;
    s.setKeyAnimElemPosition(0, 10, 0, 130, 50, false);
    s.setKeyAnimElemPosition(0, 10, 2, 230, 60, false);
    s.setFrameCourante(5);
    e->majPoigneesAE(0, 5, 0);
    capturer("animation_maillage");

    for (float zoom : {0.1f, 10.f}) {
        e->zoom = zoom;
        e->majPoigneesAE(0, 5, 0);
        capturer("animation_zoom_" + std::to_string(static_cast<int>(zoom * 10)));
    }
    e->zoom = 1;
    e->centreVueX += 180;
    e->centreVueY -= 150;
    capturer("animation_decalee");
    e->centreVueX -= 180;
    e->centreVueY += 150;

    e.liste(IdAnm::myListAnimations)->setNumSel(1);
    s.setCercleViseePos(1, 100, 90);
    e.liste(IdAnm::myListAnimations)->setNumSel(1);
    s.setFrame(1, 45);
    capturer("animation_visee");

    // The preview puts the global origin (the feet) on the view's centre.
    e->centreVueX += 100;
    e->centreVueY += 120;
    e->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_APERCU);
    e.liste(IdAnm::myListAnimations)->setNumSel(0);
    s.setOmbreEcrasement(0, 1, 0.3f);
    capturer("apercu");
    for (int i = 0; i < 5; ++i)
        image();
    capturer("apercu_2");
}
