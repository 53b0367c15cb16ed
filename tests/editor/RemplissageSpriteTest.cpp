// The fill of the sprite properties dialog: every control from the selected sprite, the
// no-selection column, the shader combos and the sound status.
#include "OutilsSprite.h"

#include "core/FichierDec.h"

#include <SFML/Audio/Sound.hpp>

using Remplissage = DialoguesSprite;

// Every field distinct; the fill writes nothing back (a parameter 2.5 stays 2.5).
TEST_F(Remplissage, EveryControlFromTheSpriteThenWithoutSelection)
{
    CSPRITE& s = *sd;
    s.bPhysB = s.bPhysR = s.bPhysP = s.bPhysDestruction = s.bPosDansLePlan = s.bDecDefaut = s.bOmbre = true;
    s.bVisible = s.bCollisionsActives = false;
    s.rotangle_virtuel = 1.5f, s.rotangle = 30, s.rotationPas = 0.25f, s.collision = 7;
    s.x = 100.5f, s.sx = 2, s.sy = 0.5f, s.ox = 4, s.oy = 3, s.x0 = 90, s.y0 = 40;
    s.strID = "porte 1";
    s.pDEC->pFichierDEC->chemin = "./decors/caisse.dec";
    s.calque = 3, s.groupe = 4, s.paramsScript[0] = 2.5f, s.paramsScript[1] = -2, s.paramsScript[2] = 5;
    s.couleur = sf::Color(10, 20, 30, 40);
    s.ombreSX = 1.25f, s.ombreSY = 0.75f, s.ombreDX = -6, s.ombreDY = 8, s.ombreRotation = 12.5f;
    s.idSon = "vent", s.modeSon = 2, s.delaiSon = 45, s.volumeSon = 80;
    dlg().init();
    // Control, with the sprite, without a selection.
    const char* const textes[][3] = {
        {ids::myTextInputPoids, "0", "0"},     {ids::myTextInputRotV, "1.5", "0"},   {ids::myTextInputRot, "30", "0"},
        {ids::myTextInputRotAnim, "0.25", "0"}, {ids::myTextInputCollision, "7", "0"}, {ids::myTextInputX, "100.5", "0"},
        {ids::myTextInputY, "50", "0"},         {ids::myTextInputSX, "2", "0"},        {ids::myTextInputSY, "0.5", "0"},
        {ids::myTextInputOx, "4", "0"},         {ids::myTextInputOy, "3", "0"},        {ids::myTextInputXi, "90", "0"},
        {ids::myTextInputYi, "40", "0"},        {ids::myTextInputPlan, "2", "0"},      {ids::myTextInputID, "porte 1", ""},
        {ids::myTextInputDEC, "caisse", ""},    {ids::myTextInputFichierDEC, "./decors/caisse.dec", ""},
        {ids::myTextInputCalque, "3", "3"},     {ids::myTextInputGroupe, "4", "4"},   {ids::myTextInputParam1, "2.5", "2.5"},
        {ids::myTextInputParam2, "-2", "-2"},   {ids::myTextInputParam3, "5", "5"},   {ids::myTextInputOmbreSX, "1.25", ""},
        {ids::myTextInputOmbreSY, "0.75", ""},  {ids::myTextInputOmbreOfX, "-6", ""}, {ids::myTextInputOmbreOfY, "8", ""},
        {ids::myTextInputOmbreRotation, "12.5", ""}, {ids::myTextInputIdSon, "vent", ""},
        {ids::myTextInputModeSon, "2", "0"},    {ids::myTextInputDelaisSon, "45", "0"}, {ids::myTextInputVolumeSon, "80", "0"},
        {ids::myTextStatusSon, "(son stoppé)", ""},
    };
    const std::pair<const char*, bool> cases[] = {
        {ids::myButtonCheckPhysB, true},         {ids::myButtonCheckPhysG, false},
        {ids::myButtonCheckPhysR, true},         {ids::myButtonCheckPhysE, false},
        {ids::myButtonCheckPhysP, true},         {ids::myButtonCheckPhysC, false},
        {ids::myButtonCheckPhysDestruction, true}, {ids::myButtonCheckPhysForce, false},
        {ids::myButtonCheckSprVisible, false},   {ids::myButtonCheckAvantPlan, true},
        {ids::myButtonCheckCollisionsActives, false}, {ids::myButtonCheckDECdefaut, true},
        {ids::myButtonCheckOmbre, true},         {ids::myButtonCheckOmbreAVP, false},
        {ids::myButtonCheckSonLocal, false},
    };
    for (int selection = 1; selection >= 0; --selection) {
        for (const auto& t : textes)
            EXPECT_EQ(texte(t[0]), t[2 - selection]) << t[0] << (selection ? "" : " without a selection");
        for (const auto& [id, b] : cases)
            EXPECT_EQ(coche(id), b && selection) << id << (selection ? "" : " without a selection");
        EXPECT_EQ(dialSprite->ctrlColor(ids::myColor)->getColor(), sf::Color(10, 20, 30, 40));
        decor->deselectionner();  // refills through the hook
    }
    EXPECT_FLOAT_EQ(s.paramsScript[0], 2.5f) << "the fill wrote the parameter back";
    EXPECT_TRUE(s.x0 == 90 && s.strID == "porte 1" && !s.bVisible) << "the fill wrote back";
}

TEST_F(Remplissage, ShaderCombosListTheFolderOfEachStage)
{
    DossierDeTravail dossier;
    std::filesystem::create_directories("shaders/dossier.vert");
    for (const char* f : {"b.vert", "a.vert", "x.frag", "y.frag", "notes.txt"})
        ecrireTexte(std::string("shaders/") + f, "void main() {}\n");
    jeu->pShaderManager = new CShaderManager();
    auto* vert = dialSprite->ctrlComboBox(ids::myComboBoxShader);
    auto* frag = dialSprite->ctrlComboBox(ids::myComboBoxShaderFrag);
    const struct {
        const char* nom;
        int ligne;
    } cas[] = {{"b.vert", 2}, {"", 0}, {"absent.vert", -1}};  // not the previous sprite's line
    for (const auto& c : cas) {
        sd->strShaderVert = c.nom;
        dlg().init();
        EXPECT_EQ(vert->getNumSel(), c.ligne) << c.nom;
    }
    EXPECT_EQ(textesDe(vert), (std::vector<std::string>{"(sans shader)", "a.vert", "b.vert"}));
    EXPECT_EQ(textesDe(frag), (std::vector<std::string>{"(sans shader)", "x.frag", "y.frag"}));
    EXPECT_EQ(frag->getNumSel(), 0);
    // Without the folder the lines stay; without the manager the combo is not touched.
    std::filesystem::remove_all("shaders");
    sd->strShaderVert = "a.vert";
    dlg().init();
    EXPECT_TRUE(vert->getNbElements() == 3 && vert->getNumSel() == 1);
    delete jeu->pShaderManager;
    jeu->pShaderManager = nullptr;
    sd->strShaderVert = "";
    dlg().init();
    EXPECT_TRUE(vert->getNbElements() == 3 && vert->getNumSel() == 1);
}

TEST_F(Remplissage, SoundStatusFromTheOwnSoundElseTheGame)
{
    brancherSons();
    sf::SoundBuffer tampon;
    sonEssai(tampon);
    const struct {
        const char* idSon;
        int propre;  // the status of the sprite's own sound, -1 for none
        bool jeuJoue;
        const wchar_t* statut;
        bool enLecture;
    } cas[] = {
        {"", sf::Sound::Playing, false, L"(pas de son défini)", false},  // the flag left as it was
        {"", -1, false, L"(pas de son défini)", true},
        {"cloche", sf::Sound::Playing, false, L"(lecture en cours)", true},
        {"cloche", sf::Sound::Paused, false, L"(son en pause)", false},
        {"cloche", sf::Sound::Stopped, true, L"(son stoppé)", false},  // the own sound first
        {"cloche", -1, true, L"(lecture en cours)", true},
        {"inconnu", -1, false, L"(son stoppé)", false},
    };
    for (const auto& c : cas) {
        jeu->arreterSons();
        delete sd->pSon;
        sd->pSon = c.propre >= 0 ? new sf::Sound(tampon) : nullptr;
        if (c.propre >= 0)
            sd->pSon->play();
        if (c.propre == sf::Sound::Paused)
            sd->pSon->pause();
        else if (c.propre == sf::Sound::Stopped)
            sd->pSon->stop();
        if (c.jeuJoue)
            jeu->jouerSon("cloche");
        sd->idSon = c.idSon;
        dlg().bSonEnLecture = c.enLecture && !*c.idSon;
        dlg().init();
        EXPECT_EQ(ctrl(ids::myTextStatusSon)->getTextW(), c.statut) << c.idSon << " " << c.propre;
        EXPECT_EQ(dlg().bSonEnLecture, c.enLecture) << c.idSon << " " << c.propre;
    }
    delete sd->pSon;  // before its buffer goes
    sd->pSon = nullptr;
}
