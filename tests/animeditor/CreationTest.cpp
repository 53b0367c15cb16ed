// The editor as it comes up: the controls its creation fills, the timeline laid
// over its placeholder, missing pieces (no game, a model without some controls), and its fit
// in the game's window.
#include "OutilsEditeur.h"

#include "gui/CPLUXToolBar.h"

#include <filesystem>

TEST_F(EditeurTest, CreationBindsAndFillsTheControls)
{
    DossierTemp dossier;
    std::filesystem::create_directory(dossier / "shaders");
    for (const char* f : {"eau.frag", "onde.vert", "flou.frag"})
        ecrireTexte(dossier / ("shaders/" + std::string(f)), "");
    DansDossier ici(dossier.str());
    JeuEssai jeu;
    jeu.armes({"Pistolet", "Fusil", "\xC3\xA9p\xC3\xA9\x65"});
    Editeur e;

    EXPECT_EQ(e->pSprite->pDialogue, static_cast<void*>(static_cast<CPLUXDialog*>(e.d.get())));
    EXPECT_TRUE(e->elementSel == -1 && e->numAnimationSel == -1 && e->numAnimElemSel == -1 &&
                e->numKeyFrameSel == 0 && e->listeAnnulations.empty())
        << "a fresh editor selects nothing and has nothing to undo";
    const std::pair<const CPLUXControl*, const char*> liens[] = {
        {e->pImagePlanche, IdAnm::myImagePlancheSprites}, {e->pImageAnimation, IdAnm::myImageAnimation},
        {e->pImageEtats, IdAnm::myImageEtats}, {e->pTab, IdAnm::myTab}, {e->pZonePlanche, IdAnm::myZone},
        {e->pTimeline, IdAnm::maTimelineSpriteAnimation}};
    for (const auto& [champ, id] : liens)
        EXPECT_TRUE(champ && champ == e.ctrl(id)) << id;
    EXPECT_TRUE(e->pImageAnimation->isZoomMove() && e->pImageEtats->isZoomMove());
    EXPECT_EQ(e->pImageAnimation->getColorCadre(), e->pSprite->couleurFond);
    EXPECT_EQ(e->centreVueY, static_cast<int>(e->pImageAnimation->getHeight()) / 2);

    const CControlTimeline* t = e->pTimeline;
    const CPLUXControl* place = e.ctrl(IdAnm::myImageTimeLine);
    EXPECT_EQ(t->getRect(), place->getRect()) << "the timeline lies over its placeholder";
    EXPECT_TRUE(t->getTab() == e->pTab && t->getTabPage() == CJeuDialogAnimationsSprites::ONGLET_ANIMATION);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t->getAnchor(i), place->getAnchor(i)) << "anchor " << i;
    EXPECT_EQ(t->getColorCadre(), sf::Color(100, 50, 50, 150));
    EXPECT_TRUE(t->isCadre() && t->isVisible() && t->getLargeurFrame() == 5 && t->getNbFrames() == 0);

    const std::pair<const char*, const char*> textes[] = {
        {IdAnm::myTextInputVitesseAnimCour, "1"}, {IdAnm::myTextInputOptionTailleQuadrillage, "50"},
        {IdAnm::myTextInputAnimFrameNb, "0"},     {IdAnm::myTextInputZoomAnimation, "1"},
        {IdAnm::myTextInputElementNombre, "1"},   {IdAnm::myTextInputPrecisionCheminAnimation, "10"}};
    for (const auto& [id, attendu] : textes)
        EXPECT_EQ(e.texte(id), attendu) << id;
    const std::pair<const char*, bool> cases[] = {
        {IdAnm::myButtonCheckGrilleAnimation, true}, {IdAnm::myButtonCheckModeSizeMoveRot, true},
        {IdAnm::myButtonCheckModeMaillage, false},   {IdAnm::myButtonCheckDrawHierarchie, false},
        {IdAnm::myButtonCheckAEStyle, true},         {IdAnm::myButtonCheckLectureAnimBoucle, false}};
    for (const auto& [id, attendu] : cases)
        EXPECT_EQ(e.coche(id), attendu) << id;
    EXPECT_FALSE(e->pSprite->bBoucle) << "the loop check and the sprite's loop flag go together";

    const std::pair<const char*, std::vector<std::string>> combos[] = {
        {IdAnm::myComboBoxArmes, {"(sans arme)", "Pistolet", "Fusil", "\xC3\xA9p\xC3\xA9\x65"}},
        {IdAnm::myComboBoxEtatsListeArmes, {"(sans arme)", "Pistolet", "Fusil", "\xC3\xA9p\xC3\xA9\x65"}},
        {IdAnm::myComboBoxEtatJeu, {"(vide)"}},
        {IdAnm::myComboBoxShadersFrag, {"(sans shader)", "eau.frag", "flou.frag"}},
        {IdAnm::myComboBoxShadersVert, {"(sans shader)", "onde.vert"}}};
    for (const auto& [id, lignes] : combos)
        EXPECT_EQ(textesDe(e.combo(id)), lignes) << id;
    EXPECT_EQ(e.combo(IdAnm::myComboBoxArmes)->getNumSel(), 0);
    EXPECT_EQ(e.liste(IdAnm::myListEtats)->getNbElements(), 0);
    const std::pair<const char*, sf::Color> onglets[] = {{IdAnm::ZmyTab, {100, 200, 100, 30}},
                                                         {IdAnm::ZmyTab1, {200, 100, 100, 30}},
                                                         {IdAnm::ZmyTab2, {100, 100, 200, 30}}};
    for (const auto& [id, c] : onglets)
        EXPECT_EQ(static_cast<CPLUXControlTabHeader*>(e.ctrl(id))->getColor(), c) << id;
    EXPECT_FALSE(e.ctrl(IdAnm::myTextInputAnimCourAngle)->isReadOnly());
}

TEST_F(EditeurTest, NoGameNoShaderFolderAndMissingControlsAreSkipped)
{
    DossierTemp vide;
    DansDossier ici(vide.str());
    std::string modele = texteModeleEditeur();
    const std::string cle = "CONTROLE=COMBO;myComboBoxShadersFrag\n";
    modele.insert(modele.find(cle) + cle.size(), "ELEMENTS=ancien\n");
    {
        Editeur e(modele);
        ASSERT_EQ(e.combo(IdAnm::myComboBoxShadersFrag)->getNbElements(), 1) << "no ./shaders: left as it was";
        EXPECT_EQ(e.combo(IdAnm::myComboBoxArmes)->getNbElements(), 1) << "no game: no weapons";
        EXPECT_EQ(e.combo(IdAnm::myComboBoxArmeElement)->getText(0), "(aucune)");
    }
    const std::vector<std::string> absents = {
        IdAnm::myZone,           IdAnm::myImagePlancheSprites,        IdAnm::myImageTimeLine,
        IdAnm::myTab,            IdAnm::myComboBoxArmes,              IdAnm::myListEtats,
        IdAnm::myImageAnimation, IdAnm::myTextInputAnimCourX,         IdAnm::myComboBoxSonFrame,
        IdAnm::myImageEtats,     IdAnm::myListAnimationElements,      IdAnm::myButtonCheckPlayPauseAnim,
        IdAnm::myTextInputNbRunScript};
    Editeur e(modeleSans(absents));
    EXPECT_EQ(e->pTab, nullptr);
    EXPECT_EQ(e->pZonePlanche, nullptr);
    ASSERT_NE(e->pTimeline, nullptr) << "the timeline exists without its placeholder";
    // The handlers run without the controls they would fill.
    e->onCtrlUserChange(e->pTimeline, "framechanged", nullptr);
    e->onCtrlUserChange(nullptr, "CSPRITE3_bPlay_changed", nullptr);
    e->onMouseWheel(-1, e.ctrl(IdAnm::myTextInputZoomAnimation));
    e->onDialogIn(nullptr, 400, 300);
    e->majNbExecutionsScript();
    e->majListeAnimElems();
    EXPECT_EQ(e->zoom, 1.0f);
}

TEST_F(EditeurTest, EveryControlOfEveryPageFitsTheGameWindowWhereShowPutsIt)
{
    sf::RenderWindow fenetre(sf::VideoMode(1280, 720), "editeur", sf::Style::None);
    CPLUX::setSurface(&fenetre);
    Editeur e;
    e->show();
    const sf::FloatRect ecran(0, 0, 1280, 720);
    EXPECT_GE(e->getLeft(), 0);
    EXPECT_LE(e->getTop() + e->getOuterHeight(), 720) << "the title bar included";
    int vus = 0;
    for (const CPLUXControl* c : e->getControls()) {
        if (!c->isVisible())
            continue;
        const sf::Vector2f p = c->getPositionScreen();
        const sf::FloatRect r(p.x, p.y, c->getWidth(), c->getHeight());
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= ecran.width &&
                    r.top + r.height <= ecran.height)
            << c->getId() << " at " << r.left << "," << r.top << " " << r.width << "x" << r.height;
        ++vus;
    }
    EXPECT_GE(vus, 207 + 3 + 1) << "the model's controls, the page headers and the timeline";

    // The library toolbar, drawn over every dialog, would hide the bottom rows: it steps aside
    // while the editor is open, and only if it was shown.
    e->hide();
    CPLUX::pTB = new CPLUXToolBar();
    CPLUX::pTB->show();
    e->show();
    EXPECT_FALSE(CPLUX::pTB->estAffiche()) << "hidden while the editor is open";
    e->hide();
    EXPECT_TRUE(CPLUX::pTB->estAffiche()) << "back once it closes";
    CPLUX::pTB->hide();
    e->show();
    e->hide();
    EXPECT_FALSE(CPLUX::pTB->estAffiche());
    CPLUX::setSurface(nullptr);
}
