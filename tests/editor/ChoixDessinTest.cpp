// The pickers on screen (under Xvfb, chosen pixels): a still definition in the image
// control, an animated one filling the control's height, centred and clipped to it, the
// three lines on their band, and an over dragged in the character preview. Each picture is
// also written under "captures_editeur/" of the test's folder, for a look by eye.
#include "OutilsDialoguesNiveau.h"

#include "core/FichierDec.h"
#include "support/Outils.h"

namespace fs = std::filesystem;

namespace {

const std::string DOSSIER_CAPTURES = (dossierDuBinaire() / "captures_editeur").string();
const sf::Color VERT(0, 200, 0), ROUGE(220, 0, 0), JAUNE(250, 220, 0), BLEU(0, 0, 230);

// A layered animation: one element of the whole 10 x 30 sheet drawn from y = -10, so that it
// stands 10 pixels above its global rectangle (0, 0, 10, 20), whose origin is its bottom centre.
const char* const ANM_BLOC =
    "ID=BLOC\nTEXTURE=./bloc.png\nELEMENT=bloc;0;0;10;30;0;0;2;2;-1;-1;0\nANIMATION=A\nNBFRAMESANIMATION=1\n"
    "VITESSEANIM=1\nINTERPOLATIONANIMATION=0\nRECT_GLOBAL=0;0;10;20\nRECT_HITBOX=0;0;10;20\nORIGIN_GLOBAL=5;20\n"
    "ANIMELEM=0;bloc;0;1\nKEYFRAME=0;1\nKEYANIMELEM=0;1;0;0;-10;0;0;1;1;0\n";

class ChoixDessinTest : public DialoguesNiveauTest {
protected:
    void SetUp() override
    {
        DialoguesNiveauTest::SetUp();
        fs::create_directories(DOSSIER_CAPTURES);
        for (const char* id : {CSFMLJeuChoixDec::ID, CSFMLJeuChoixPer::ID}) {
            CPLUX::getDialog(id)->setPosition(40, 40);
            CPLUX::show(id);
        }
    }
    sf::Image capture(const std::string& nom)
    {
        const sf::Image i = image();
        i.saveToFile(DOSSIER_CAPTURES + "/" + nom + ".png");
        return i;
    }
    static sf::FloatRect ecran(const CPLUXControl* c) { return {c->getPositionScreen(), {c->getWidth(), c->getHeight()}}; }
    static int compter(const sf::Image& i, sf::IntRect r, sf::Color c)
    {
        int n = 0;
        for (int y = r.top; y < r.top + r.height; ++y)
            for (int x = r.left; x < r.left + r.width; ++x)
                n += i.getPixel(unsigned(x), unsigned(y)) == c;
        return n;
    }
};

} // namespace

TEST_F(ChoixDessinTest, AStillDefinitionShowsInTheImageControl)
{
    ecrireImage("rouge.png", 20, 10, ROUGE);
    ecrireTexte("decors/rouge.dec", "ID=ROUGE\nPLANCHE=./rouge.png;\nSPRITE=0;0;1;20;10;0;0\n");
    choixDec().chargerListe("./decors/");
    while (choixDec().pDEC->nom != "ROUGE")
        choixDec().pager(1);
    CPLUX::hide(CSFMLJeuChoixPer::ID);
    const sf::Image i = capture("choix_decor_fixe");
    const sf::FloatRect r = ecran(choixDec().getImageControl());
    EXPECT_EQ(compter(i, {int(r.left), int(r.top), 40, 20}, ROUGE), 20 * 10) << "the frame at its own size, top left";
}

TEST_F(ChoixDessinTest, AnAnimatedDefinitionFillsTheControlsHeightCentredAndClipped)
{
    ecrireImage("bloc.png", 10, 30, VERT);
    ecrireTexte("bloc.anm", ANM_BLOC);
    fs::create_directories("anime");
    ecrireTexte("anime/bloc.dec", "ID=ANIME\nSPRITE3=./bloc.anm\n");
    choixDec().chargerListe("./anime/");
    ASSERT_NE(choixDec().pDEC->pFichierDEC->pSprite3, nullptr);
    CPLUX::hide(CSFMLJeuChoixPer::ID);
    const sf::Image i = capture("choix_decor_anime");
    const sf::FloatRect r = ecran(choixDec().getImageControl());
    // 200 pixels high for 20: ten times, so 100 wide, centred.
    const int cx = int(r.left + r.width / 2), haut = int(r.top), bas = int(r.top + r.height);
    EXPECT_EQ(compter(i, {cx - 50, haut, 100, bas - haut}, VERT), 100 * (bas - haut)) << "rectangle over the height";
    EXPECT_EQ(compter(i, {cx - 56, haut, 6, bas - haut}, VERT), 0) << "centred: nothing left of it";
    EXPECT_EQ(compter(i, {cx + 50, haut, 6, bas - haut}, VERT), 0) << "nor right of it";
    EXPECT_EQ(compter(i, {cx - 50, haut - 4, 100, 4}, VERT), 0) << "what stands above the rectangle is clipped";
}

TEST_F(ChoixDessinTest, TheThreeLinesStandOnTheirBand)
{
    const sf::Color blanc = sf::Color::White;
    sf::Image i = capture("choix_personnage");
    ASSERT_GT(choixPer().nbFichiers, 0);
    const int x = choixPer().getLeft(), y = choixPer().getTop();
    for (int ligne = 0; ligne < 3; ++ligne) {
        const int haut = y + 40 + 20 * ligne;
        EXPECT_GT(compter(i, {x + 5, haut, 120, 18}, blanc), 10) << "line " << ligne << " drawn";
        EXPECT_EQ(compter(i, {x, haut, 5, 18}, blanc), 0) << "line " << ligne << " starts at +5";
    }
    // An empty folder: no line.
    fs::create_directories("vide");
    choixPer().chargerListe("./vide/");
    choixDec().chargerListe("./vide/");
    i = capture("choix_vides");
    for (const CSFMLJeuChoix* c : {static_cast<CSFMLJeuChoix*>(&choixPer()), static_cast<CSFMLJeuChoix*>(&choixDec())})
        EXPECT_EQ(compter(i, {c->getLeft(), c->getTop() + 36, int(c->getWidth()), 64}, blanc), 0) << c->getId();
}

TEST_F(ChoixDessinTest, ADraggedOverMovesInThePreviewOnly)
{
    ecrireImage("poupee.png", 20, 30, BLEU);
    ecrireImage("chapeau.png", 6, 4, JAUNE);
    const std::string per = "ID=POUPEE\nPLANCHE=./poupee.png\nSPRITE=0;0;20;30;1;0;0\n"
                            "ADD_OVER=chapeau;./chapeau.png;0;2;3;1;1;0;1\n";
    fs::create_directories("poupee");
    ecrireTexte("poupee/poupee.per", per);
    choixPer().chargerListe("./poupee/");
    CPLUX::hide(CSFMLJeuChoixDec::ID);
    ASSERT_NE(choixPer().pApercu, nullptr);
    const CSPRITE3& apercu = *choixPer().pApercu;
    const sf::FloatRect r = ecran(choixPer().getImageControl());
    const sf::Vector2i sprite(int(r.left + apercu.ox), int(r.top + apercu.oy));
    sf::Image i = capture("choix_over_avant");
    EXPECT_EQ(compter(i, {sprite.x + 2, sprite.y + 3, 6, 4}, JAUNE), 24) << "the over on the preview";
    // Grab it, then move it by (10, 7).
    CPLUXTest::pressLeftAt(sprite.x + 5, sprite.y + 5);
    CPLUXTest::mouseMove(sprite.x + 5, sprite.y + 5);
    EXPECT_TRUE(choixPer().bDeplaceOver);
    EXPECT_EQ(choixPer().idOverSel, "chapeau");
    CPLUXTest::mouseMove(sprite.x + 15, sprite.y + 12);
    CPLUXTest::releaseLeft();
    EXPECT_FLOAT_EQ(choixPer().pApercu->overs.at("chapeau").x, 12.f);
    EXPECT_FLOAT_EQ(choixPer().pApercu->overs.at("chapeau").y, 10.f);
    i = capture("choix_over_apres");
    EXPECT_EQ(compter(i, {sprite.x + 12, sprite.y + 10, 6, 4}, JAUNE), 24) << "drawn where it was dropped";
    EXPECT_EQ(lireTexte("poupee/poupee.per"), per) << "the file is never written";
    // A drag that starts off every over moves nothing.
    CPLUXTest::pressLeftAt(int(r.left + r.width - 5), int(r.top + r.height - 5));
    CPLUXTest::mouseMove(int(r.left + r.width - 5), int(r.top + r.height - 5));
    CPLUXTest::mouseMove(int(r.left + r.width - 40), int(r.top + r.height - 40));
    CPLUXTest::releaseLeft();
    EXPECT_FALSE(choixPer().bDeplaceOver);
    EXPECT_FLOAT_EQ(choixPer().pApercu->overs.at("chapeau").x, 12.f);
}
