// Editing as the user sees it, drawn under Xvfb at the game's size into
// "animeditor/edition_<name>.png" of the working folder, for a look by eye: a row of three
// elements cut from a sheet, a drag in the animation view, the save-as dialog, a failed
// save, the simple-animation question, the editor after New and after opening a file.
#include "OutilsEdition.h"

#include "gui/CPLUXDialogFile.h"

#include <filesystem>

namespace {
class CapturesEditionTest : public EditeurTest {
protected:
    void SetUp() override
    {
        EditeurTest::SetUp();
        dossierCaptures = std::filesystem::absolute("animeditor").string();
        std::filesystem::create_directories(dossierCaptures);
        fenetre.create(sf::VideoMode(1280, 720), "captures", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        sauvegarde = g_services;
        g_services.rectControle = rectEcran;
        // The sheet is read from its file into a texture of the test.
        g_services.textureCache = [this](const std::string&, const std::string& chemin) {
            return feuille.loadFromFile(chemin) ? &feuille : nullptr;
        };
    }
    void TearDown() override
    {
        g_services = sauvegarde;
        CPLUX::setSurface(nullptr);
        EditeurTest::TearDown();
    }
    void capturer(const std::string& nom)
    {
        fenetre.clear(sf::Color(90, 96, 104));
        CPLUXTest::frame(&fenetre);
        EXPECT_TRUE(CPLUXTest::screenshot(&fenetre, dossierCaptures + "/edition_" + nom + ".png")) << nom;
    }
    sf::RenderWindow fenetre;
    sf::Texture feuille;
    std::string dossierCaptures;
    ServicesFondation sauvegarde;
};
} // namespace

TEST_F(CapturesEditionTest, EditingAsTheUserSeesIt)
{
    DossierTemp fichiers;
    sf::Image planche;
    planche.create(256, 128, sf::Color(235, 235, 225));
    const sf::Color couleurs[] = {{180, 60, 60}, {60, 140, 60}, {60, 60, 180}};
    for (unsigned i = 0; i < 3; ++i)
        for (unsigned x = 10 + 40 * i; x < 40 + 40 * i; ++x)
            for (unsigned y = 20; y < 70; ++y)
                planche.setPixel(x, y, couleurs[i]);
    ASSERT_TRUE(planche.saveToFile(fichiers / "planche.png"));

    DansDossier donnees(dossierData());
    Editeur e;
    e->show();
    CJeuDialogAnimationsSprites& d = *e.d;

    // A row of three elements cut from the sheet.
    auto* ouvrir = CPLUX::addDialog(nullptr, nullptr, &d, 4, true, &CJeuDialogAnimationsSprites::callbackOuvrirPlanche)
                       ->commeDialogFile();
    ouvrir->InitDossiers(fichiers.str());
    ouvrir->choisirFichier("planche.png");
    CJeuDialogAnimationsSprites::callbackOuvrirPlanche(&d, ouvrir, nullptr, 15);
    for (const auto& [id, texte] : {std::pair<const char*, const char*>{IdAnm::myTextInputNomElement, "bloc"},
                                    {IdAnm::myTextInputElementX, "10"},
                                    {IdAnm::myTextInputElementY, "20"},
                                    {IdAnm::myTextInputElementL, "30"},
                                    {IdAnm::myTextInputElementH, "50"}})
        e.ctrl(id)->setText(texte);
    d.nombreElements = 3;
    d.espacementElements = 10;
    d.bNomsVisibles = true;
    d.onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonAjouterElement));
    ASSERT_EQ(d.pSprite->getNbElements(), 3);
    capturer("planche_trois_elements");

    // An animation of the three, the middle one dragged.
    e.ctrl(IdAnm::myTextInputNomAnimation)->setText("marche");
    d.onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonAjouterAnimation));
    d.pSprite->setNbFrames(0, 20);
    for (int el = 0; el < 3; ++el) {
        e.liste(IdAnm::myListElementsPlanche)->setNumSel(el);
        d.onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonAjouterElementAnimation));
        d.pSprite->setKeyAnimElemPosition(0, 0, el, -60.f + 45 * el, -25, false);
    }
    d.pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    e.liste(IdAnm::myListAnimationElements)->setNumSel(1);
    d.allerAFrame(0);
    const sf::Vector2f vue = d.pImageAnimation->getPositionScreen();
    d.majMarqueursTimeline(d.pSprite, d.pTimeline);
    d.allerAFrame(0);
    // On the middle AE, away from the rectangles' handles at the origin.
    const sf::Vector2i depart(static_cast<int>(vue.x) + d.centreVueX + 5, static_cast<int>(vue.y) + d.centreVueY + 10);
    CPLUXTest::pressLeftAt(depart.x, depart.y);
    CPLUXTest::mouseMove(depart.x + 20, depart.y + 30);
    CPLUXTest::mouseMove(depart.x + 40, depart.y + 60);
    capturer("vue_pendant_glisser");
    CPLUXTest::releaseLeft();
    EXPECT_EQ(d.listeAnnulations.size(), 1u);

    d.onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonEnregistrerANMSous));
    capturer("dialogue_enregistrer_sous");
    for (CPLUXDialog* f : std::vector<CPLUXDialog*>(CPLUX::getDialogs()))
        if (f->commeDialogFile())
            f->hide();

    d.sauverAnmSous("/dossier/absent/heros.anm");
    capturer("erreur_enregistrement");
    for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(CPLUX::getMessageBoxes()))
        b->repondre(-1);

    d.onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonCreerAnimSimpleAuto));
    capturer("question_animation_simple");
    for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(CPLUX::getMessageBoxes()))
        b->repondre(1);

    const std::string fichier = fichiers / "heros.anm";
    e.ctrl(IdAnm::myTextInputIDAnm)->setText("HEROS");
    d.sauverAnmSous(fichier);
    d.onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonNouveauAnm));
    d.pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_PLANCHE);
    capturer("apres_nouveau");
    ASSERT_TRUE(d.ouvrirAnm(fichier));
    capturer("apres_ouverture");
    e.liste(IdAnm::myListAnimations)->setNumSel(0);
    d.pTab->setNumTabElemActif(CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    capturer("apres_ouverture_animation");
}
