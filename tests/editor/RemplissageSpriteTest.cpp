// The fill of the sprite properties dialog: every control from the selected sprite, the
// no-selection column, the shader combos, the sound status, and a fill that writes nothing.
#include "OutilsSprite.h"

#include "core/FichierDec.h"
#include "core/Physique.h"

#include <SFML/Audio/Sound.hpp>

namespace {

class Remplissage : public DialoguesSprite {
protected:
    // Every field distinct from the others and from its default.
    void remplirSprite()
    {
        sd->bPhysB = sd->bPhysR = sd->bPhysP = sd->bPhysDestruction = true;
        sd->bVisible = false;
        sd->rotangle_virtuel = 1.5f;
        sd->rotangle = 30;
        sd->rotationPas = 0.25f;
        sd->bPosDansLePlan = true;
        sd->bCollisionsActives = false;
        sd->collision = 7;
        sd->bDecDefaut = true;
        sd->x = 100.5f;
        sd->sx = 2;
        sd->sy = 0.5f;
        sd->ox = 4;
        sd->oy = 3;
        sd->x0 = 90;
        sd->y0 = 40;
        sd->strID = "porte 1";
        sd->pDEC->pFichierDEC->chemin = "./decors/caisse.dec";
        sd->calque = 3;
        sd->groupe = 4;
        sd->paramsScript[0] = 1;
        sd->paramsScript[1] = -2;
        sd->paramsScript[2] = 5;
        sd->couleur = sf::Color(10, 20, 30, 40);
        sd->bOmbre = true;
        sd->ombreSX = 1.25f;
        sd->ombreSY = 0.75f;
        sd->ombreDX = -6;
        sd->ombreDY = 8;
        sd->ombreRotation = 12.5f;
        sd->idSon = "vent";
        sd->modeSon = 2;
        sd->delaiSon = 45;
        sd->volumeSon = 80;
    }
};

struct Attendu {
    const char* id;
    const char* avecSprite;
    const char* sansSelection;
};

} // namespace

TEST_F(Remplissage, EveryControlFromTheSpriteThenWithoutSelection)
{
    remplirSprite();
    dlg().init();
    const Attendu textes[] = {
        {ids::myTextInputPoids, "0", "0"},           {ids::myTextInputRotV, "1.5", "0"},
        {ids::myTextInputRot, "30", "0"},            {ids::myTextInputRotAnim, "0.25", "0"},
        {ids::myTextInputCollision, "7", "0"},       {ids::myTextInputX, "100.5", "0"},
        {ids::myTextInputY, "50", "0"},              {ids::myTextInputSX, "2", "0"},
        {ids::myTextInputSY, "0.5", "0"},            {ids::myTextInputOx, "4", "0"},
        {ids::myTextInputOy, "3", "0"},              {ids::myTextInputXi, "90", "0"},
        {ids::myTextInputYi, "40", "0"},             {ids::myTextInputPlan, "2", "0"},
        {ids::myTextInputID, "porte 1", ""},         {ids::myTextInputDEC, "caisse", ""},
        {ids::myTextInputFichierDEC, "./decors/caisse.dec", ""},
        {ids::myTextInputCalque, "3", "3"},          {ids::myTextInputGroupe, "4", "4"},
        {ids::myTextInputParam1, "1", "1"},          {ids::myTextInputParam2, "-2", "-2"},
        {ids::myTextInputParam3, "5", "5"},          {ids::myTextInputOmbreSX, "1.25", ""},
        {ids::myTextInputOmbreSY, "0.75", ""},       {ids::myTextInputOmbreOfX, "-6", ""},
        {ids::myTextInputOmbreOfY, "8", ""},         {ids::myTextInputOmbreRotation, "12.5", ""},
        {ids::myTextInputIdSon, "vent", ""},         {ids::myTextInputModeSon, "2", "0"},
        {ids::myTextInputDelaisSon, "45", "0"},      {ids::myTextInputVolumeSon, "80", "0"},
        {ids::myTextStatusSon, "(son stoppé)", ""},
    };
    const std::pair<const char*, bool> cases[] = {
        {ids::myButtonCheckPhysB, true},          {ids::myButtonCheckPhysG, false},
        {ids::myButtonCheckPhysR, true},          {ids::myButtonCheckPhysE, false},
        {ids::myButtonCheckPhysP, true},          {ids::myButtonCheckPhysC, false},
        {ids::myButtonCheckPhysDestruction, true}, {ids::myButtonCheckPhysForce, false},
        {ids::myButtonCheckSprVisible, false},    {ids::myButtonCheckAvantPlan, true},
        {ids::myButtonCheckCollisionsActives, false}, {ids::myButtonCheckDECdefaut, true},
        {ids::myButtonCheckOmbre, true},          {ids::myButtonCheckOmbreAVP, false},
        {ids::myButtonCheckSonLocal, false},
    };
    for (const Attendu& a : textes)
        EXPECT_EQ(texte(a.id), a.avecSprite) << a.id;
    for (const auto& [id, b] : cases)
        EXPECT_EQ(coche(id), b) << id;
    EXPECT_EQ(dialSprite->ctrlColor(ids::myColor)->getColor(), sf::Color(10, 20, 30, 40));
    // Nothing was written back by the fill.
    EXPECT_FLOAT_EQ(sd->x, 100.5f);
    EXPECT_FALSE(sd->bVisible);

    decor->deselectionner();  // refills through the hook
    for (const Attendu& a : textes)
        EXPECT_EQ(texte(a.id), a.sansSelection) << a.id << " without a selection";
    for (const auto& c : cases)
        EXPECT_FALSE(coche(c.first)) << c.first << " without a selection";
    EXPECT_EQ(dialSprite->ctrlColor(ids::myColor)->getColor(), sf::Color(10, 20, 30, 40));
}

TEST_F(Remplissage, ShaderCombosListTheFolderOfEachStage)
{
    DossierDeTravail dossier;
    std::filesystem::create_directories("shaders/dossier.vert");
    for (const char* f : {"b.vert", "a.vert", "x.frag", "y.frag", "notes.txt"})
        ecrireTexte(std::string("shaders/") + f, "void main() {}\n");
    jeu->pShaderManager = new CShaderManager();
    sd->strShaderVert = "b.vert";
    dlg().init();
    auto* vert = dialSprite->ctrlComboBox(ids::myComboBoxShader);
    auto* frag = dialSprite->ctrlComboBox(ids::myComboBoxShaderFrag);
    EXPECT_EQ(textesDe(vert), (std::vector<std::string>{"(sans shader)", "a.vert", "b.vert"}));
    EXPECT_EQ(textesDe(frag), (std::vector<std::string>{"(sans shader)", "x.frag", "y.frag"}));
    EXPECT_EQ(vert->getNumSel(), 2) << "the sprite's vertex shader";
    EXPECT_EQ(frag->getNumSel(), 0) << "an empty name is entry 0";

    // A name the folder does not list: no line, not the previous sprite's.
    sd->strShaderVert = "absent.vert";
    dlg().init();
    EXPECT_EQ(vert->getNumSel(), -1);

    // Without the folder or the manager the lists stay as they were.
    std::filesystem::remove_all("shaders");
    sd->strShaderVert = "a.vert";
    dlg().init();
    EXPECT_EQ(vert->getNbElements(), 3);
    delete jeu->pShaderManager;
    jeu->pShaderManager = nullptr;
    sd->strShaderVert = "";
    dlg().init();
    EXPECT_EQ(vert->getNbElements(), 3);
    EXPECT_EQ(vert->getNumSel(), 1) << "no manager: the combo is not touched";
}

TEST_F(Remplissage, SoundStatusFromTheOwnSoundElseTheGame)
{
    brancherSons();
    sf::SoundBuffer tampon;
    sonEssai(tampon);
    struct Cas {
        const char* nom;
        const char* idSon;
        int propre;  // -1 none, else the status it is put in
        bool jeuJoue;
        const wchar_t* statut;
        bool enLecture;
    } cas[] = {
        {"empty id, own sound playing", "", sf::Sound::Playing, false, L"(pas de son défini)", false},
        {"own sound playing", "cloche", sf::Sound::Playing, false, L"(lecture en cours)", true},
        {"own sound paused", "cloche", sf::Sound::Paused, false, L"(son en pause)", false},
        {"own sound stopped", "cloche", sf::Sound::Stopped, true, L"(son stoppé)", false},
        {"the game's sound playing", "cloche", -1, true, L"(lecture en cours)", true},
        {"an id the game does not know", "inconnu", -1, false, L"(son stoppé)", false},
    };
    for (const Cas& c : cas) {
        jeu->arreterSons();
        delete sd->pSon;
        sd->pSon = nullptr;
        sd->idSon = c.idSon;
        if (c.propre >= 0) {
            sd->pSon = new sf::Sound(tampon);
            sd->pSon->play();
            if (c.propre == sf::Sound::Paused)
                sd->pSon->pause();
            else if (c.propre == sf::Sound::Stopped)
                sd->pSon->stop();
        }
        if (c.jeuJoue)
            jeu->jouerSon("cloche");
        dlg().bSonEnLecture = false;
        dlg().init();
        EXPECT_EQ(ctrl(ids::myTextStatusSon)->getTextW(), c.statut) << c.nom;
        EXPECT_EQ(dlg().bSonEnLecture, c.enLecture) << c.nom;
    }
    // The empty id leaves the flag as it was.
    sd->idSon = "";
    dlg().bSonEnLecture = true;
    dlg().init();
    EXPECT_TRUE(dlg().bSonEnLecture);
    delete sd->pSon;  // before the buffer goes
    sd->pSon = nullptr;
}

TEST_F(Remplissage, AFillChangesNoField)
{
    sd->paramsScript[0] = 2.5f;
    sd->strID = " a\tb ";
    sd->x = 3.75f;
    sd->bPhysE = true;
    sd->pPhysE = new CPhysEffondrement();
    dlg().init();
    EXPECT_FLOAT_EQ(sd->paramsScript[0], 2.5f) << "the fill truncated the parameter";
    EXPECT_EQ(sd->strID, " a\tb ");
    EXPECT_EQ(texte(ids::myTextInputParam1), "2.5");
    EXPECT_FLOAT_EQ(sd->x0, 0) << "the fill moved the start";
}
