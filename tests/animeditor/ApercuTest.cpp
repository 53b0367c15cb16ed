// The preview plays the sprite as the player's character, the animation list marking the
// animation its input and state names choose; and every view survives what a hand-made file
// or absurd settings give it.
#include "OutilsVues.h"

#include <functional>

namespace {
class ApercuTest : public VuesTest {
protected:
    void TearDown() override
    {
        g_services.commandes = [](int) -> const CommandesJoueur* { return nullptr; };
        VuesTest::TearDown();
    }
};
} // namespace

// The list marks what plays, in green, on the same frame; its chosen line stays the author's,
// which "État jeu" shows and links.
TEST_F(ApercuTest, TheAnimationListMarksWhatPlaysAndKeepsTheAuthorsChoice)
{
    JeuEssai jeu;
    g_services.commandes = [&jeu](int j) -> const CommandesJoueur* { return &jeu.jeu.commandes[j]; };
    EditeurVues v(CJeuDialogAnimationsSprites::ONGLET_APERCU);
    CSPRITE3& s = *v.e->pSprite;
    s.etats = {{"ARRET", 0}, {"CHUTE", 1}};
    v.e->remplirListesEtats();
    s.bBoucle = true;
    CPLUXControlList& liste = *v.e.liste(IdAnm::myListAnimations);
    const sf::Color vert(0, 150, 0);
    v.e->dessinerApercu(&fenetre, 0, 0, 0, 0);
    EXPECT_TRUE(s.bPlay) << "the preview always plays";
    EXPECT_TRUE(v.e.coche(IdAnm::myButtonCheckLectureAnimBoucle)) << "the loop check shows the sprite's flag";
    EXPECT_EQ(liste.getColor(0), vert) << "standing: ARRET";
    s.vitesseVerticale = 7;  // falling
    v.e->dessinerApercu(&fenetre, 0, 0, 0, 0);
    EXPECT_TRUE(s.getAnimation() == 1 && liste.getColor(1) == vert && liste.getColor(0) != vert) << "falling: CHUTE";
    EXPECT_TRUE(v.e->numAnimationSel == 0 && liste.getNumSel() == 0) << "line 0 stays chosen";
    CPLUXControlComboBox& etat = *v.e.combo(IdAnm::myComboBoxEtatJeu);
    EXPECT_EQ(etat.getTextSel(), "ARRET") << "its state, linked by the file's line alone";
    etat.setNumSel(etat.getLine("CHUTE"));
    v.e->onCtrlComboChange(&etat);
    EXPECT_EQ(s.etats, (std::map<std::string, int>{{"ARRET", 0}, {"CHUTE", 0}})) << "CHUTE to the chosen animation";
    v.e->pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    v.e->onCtrlTabChange(v.e->pTab);
    EXPECT_EQ(s.getAnimation(), 0) << "the animation page shows the chosen animation again";
}

TEST_F(ApercuTest, WithoutAGameThePreviewPlaysWithoutInputNorShadow)
{
    ASSERT_EQ(CSFMLJeuGlobal::pmonjeu, nullptr);
    EditeurVues v(CJeuDialogAnimationsSprites::ONGLET_APERCU);
    v.e->pSprite->setOmbre(0, true);
    const int frame = v.e->pSprite->getFrameCourante();
    image();
    EXPECT_EQ(v.e->pSprite->getAnimation(), 0);
    EXPECT_EQ(v.e->pSprite->getFrameCourante(), frame + 1) << "one tick a drawing";
}

// Every page drawn, and the handlers of the views run, over sprites and settings no user
// should make: nothing may crash, hang or trip a sanitizer.
TEST_F(ApercuTest, AbsurdSpritesAndSettingsDrawAndAnswer)
{
    JeuEssai jeu;
    jeu.jeu.pRenderTextureOmbre = new sf::RenderTexture;
    jeu.jeu.pRenderTextureOmbre->create(64, 64);
    const float grand = 1e30f;
    const std::pair<const char*, std::function<void(CJeuDialogAnimationsSprites&, CSPRITE3&)>> cas[] = {
        {"no sheet texture", [](auto&, CSPRITE3& s) { s.pTextureFeuille = nullptr; }},
        {"elements of size 0", [](auto&, CSPRITE3& s) { s.setElement(0, "vide", 5, 5, 0, 0, 0, 0, -1, -1, false); }},
        {"a 32 x 32 mesh", [](auto&, CSPRITE3& s) { s.setMaillage(0, 32, 32); }},
        {"huge keys and rectangles",
         [grand](auto& d, CSPRITE3& s) {
             s.setKeyAnimElemValeurs(0, 0, 0, 0, true, grand, -grand, grand, grand, grand, -grand, grand, false);
             s.getAnim(0)->rectGlobal = {grand, -grand, grand, grand};
             s.getAnim(0)->origineGlobale = {-grand, grand};
             d.placerPoigneesRect(0);
         }},
        {"no keyframe", [](auto&, CSPRITE3& s) { s.supprimerKeyframes(0); }},
        {"no anim element", [](auto&, CSPRITE3& s) { s.getAnim(0)->animElems.clear(); }},
        {"a daughter out of range", [](auto&, CSPRITE3& s) { s.getAnim(0)->fille = 99; }},
        {"its own daughter",
         [](auto&, CSPRITE3& s) {
             s.getAnim(0)->fille = 0;
             s.getAnim(0)->bDeltaActif = 1;
         }},
        {"an AE showing a missing element", [](auto&, CSPRITE3& s) { s.getAnimElem(0, 1)->element = 99; }},
        {"no current animation", [](auto&, CSPRITE3& s) { s.setAnimation2(-1, -1); }},
        {"zoom 0.1", [](auto& d, auto&) { d.zoom = 0.1f; }},
        {"zoom 10", [](auto& d, auto&) { d.zoom = 10; }},
        {"zoom 0", [](auto& d, auto&) { d.zoom = 0; }},
        {"cells of 0", [](auto& d, auto&) { d.tailleQuadrillage = 0; }},
        {"cells of -5", [](auto& d, auto&) { d.tailleQuadrillage = -5; }},
        {"cells of 100000", [](auto& d, auto&) { d.tailleQuadrillage = 100000; }},
        {"a fine path on 100000 frames",
         [](auto& d, CSPRITE3& s) {
             s.setNbFrames(0, 100000);
             d.bAfficheCheminAnimation = true;
             d.precisionCheminAnimation = 1;
         }},
        {"a view panned far away",
         [](auto& d, auto&) {
             d.centreVueX = 2000000000;
             d.centreVueY = -2000000000;
         }},
        {"views of size 0",
         [](auto& d, auto&) {
             d.pImageAnimation->setVisibleDimension(0, 0);
             d.pImagePlanche->setVisibleDimension(0, 0);
         }},
        {"a row of a billion elements", [](auto& d, auto&) { d.nombreElements = 1000000000; }},
    };
    for (const auto& [quoi, preparer] : cas) {
        EditeurVues v(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
        CJeuDialogAnimationsSprites& d = *v.e.d;
        v.choisirAE(1);
        d.bCadreTousElements = d.bModeMaillage = d.bSuiviSourisVisee = true;
        d.elementSel = 0;
        d.afficherMessage(L"message");
        preparer(d, *d.pSprite);
        for (int page = 0; page < 3; ++page) {
            d.pTab->setNumTabElemActif(page);
            d.numAnimElemSurvol = 1;
            image();
        }
        d.creerPoigneesMaillagePlanche();
        d.placerPoigneesMaillagePlanche(0);
        d.majPoigneesAE(0, 0, 1);
        d.bDebutDrag = true;
        d.pImageAnimation->setDragDelta({3, 4});
        d.deplacerPoigneesRect(400, 300);
        d.selectionnerDansVue(&fenetre, 400, 300, d.pImageAnimation);
        d.bChercherCercleMaillage = true;
        d.finDragCercleMaillagePlanche(&fenetre, 400, 300, d.pImagePlanche);
        for (const char* id : {IdAnm::myListElementsPlanche, IdAnm::myListAnimations, IdAnm::myListAnimationElements})
            for (int ligne = -1; ligne < 3; ++ligne)
                v.e.liste(id)->setNumSel(ligne);
        SUCCEED() << quoi;
    }
}
