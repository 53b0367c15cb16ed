// The character dialog: each control shows its field, a fill changes nothing, what the author
// types or checks is stored (blanks out, numbers checked and clamped), the two buttons, and a
// character freed under the dialog.
#include "OutilsMoniteur.h"

#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "editor/JeuDialogSprite.h"
#include "gui/CPLUXMessageBox.h"

#include <sstream>

namespace {

const char* const PERSO = editeur::id::PERSO;

// Every field the dialog shows, as text: what a fill must leave as it was.
std::string etat(const CPerso& p)
{
    const CSPRITE& s = *p.sprite;
    std::ostringstream o;
    o << p.modeCollisions << p.id << '|' << p.chaine2 << '|' << p.modeIA << p.degats[0] << p.degats[1]
      << p.maxEscalier << p.maxSaut << p.maxSautAuto << p.vieMax << s.ox << s.oy << p.poids << p.posPieds
      << p.posTete[0] << p.posTete[1] << s.sx << s.sy << p.vitesse << p.vitesseBas << p.vitesseChute
      << p.vitesseSaut << s.x << s.x0 << s.y << s.y0 << p.numPlanIA << p.direction << p.nbarmesperso << p.sonDegats
      << p.bVieVisible << p.bVaisseau << p.bOmbre << p.bOmbreDynamique << p.ombreYFixe << p.ombreEchelle
      << p.ombreMinScale << p.ombreHmax << p.correctionY << p.degatsCoup << p.distancePatrouille;
    return o.str();
}

} // namespace

class DialoguePerso : public MoniteurTest {
protected:
    void SetUp() override
    {
        MoniteurTest::SetUp();
        installerHooksPersoDef();
        banque = new CDEC();  // the level owns it
        decor().modelesDEC["GARDE"] = banque;
        banque->nom = "GARDE";
        banque->pPersoDef->nomFichier = "./personnages/garde.per";
        ia = perso(true, 100.5f, 200.25f);
        ia->sprite->pDEC = banque;
        ia->armes = {new SlotArme(), new SlotArme()};
        dlgPerso->pPerso = ia;
    }
    std::string controle(const std::string& id)
    {
        CPLUXControl* c = dlgPerso->getControl(id);
        if (auto* b = dynamic_cast<CPLUXControlButtonCheck*>(c))
            return b->isChecked() ? "[x]" : "[ ]";
        return c ? c->getText() : "absent";
    }
    CDEC* banque = nullptr;
    CPerso* ia = nullptr;
};

TEST_F(DialoguePerso, EachControlShowsItsFieldAndTheFillChangesNothing)
{
    CPerso& p = *ia;
    CSPRITE& s = *p.sprite;
    p.modeCollisions = 2;
    p.id = "garde 1";
    p.chaine2 = "R1";
    p.modeIA = 3, p.degats[1] = 4, p.degats[0] = 5, p.maxEscalier = 6, p.maxSaut = 7, p.maxSautAuto = 8;
    p.vieMax = 9, s.ox = 1.5f, s.oy = 2.5f, p.poids = 11, p.posPieds = 12, p.posTete[1] = 13, p.posTete[0] = 14;
    s.sx = 0.75f, s.sy = 1.25f, p.vitesse = 15, p.vitesseBas = 16, p.vitesseChute = 17, p.vitesseSaut = 18;
    s.x0 = 90, s.y0 = 210, p.numPlanIA = 19, p.direction = 0, p.nbarmesperso = 2, p.sonDegats = "CRI";
    p.bVieVisible = false, p.bVaisseau = true, p.bOmbre = false, p.bOmbreDynamique = true, p.ombreYFixe = 21;
    p.ombreEchelle = 0.5f, p.ombreMinScale = 0.125f, p.ombreHmax = 300, p.correctionY = 22, p.degatsCoup = 23;
    p.distancePatrouille = 24;
    const std::pair<const char*, const char*> attendus[] = {
        {"myButtonCheckCollisionsPersoIAs", "[x]"}, {"myTextInputId", "garde 1"},
        {"myTextInputIdPER", "GARDE"}, {"myTextInputFichierPER", "./personnages/garde.per"},
        {"myTextInputIdRespawn", "R1"}, {"myTextInputModeIA", "3"}, {"myTextInputDegatsIA", "4"},
        {"myTextInputDegatsJoueur", "5"}, {"myTextInputMaxEscalier", "6"}, {"myTextInputMaxSaut", "7"},
        {"myTextInputMaxSautAuto", "8"}, {"myTextInputMaxVie", "9"}, {"myTextInputOx", "1.5"},
        {"myTextInputOy", "2.5"}, {"myTextInputPoids", "11"}, {"myTextInputPosPieds", "12"},
        {"myTextInputPosTeteBas", "13"}, {"myTextInputPosTeteDebout", "14"}, {"myTextInputSx", "0.75"},
        {"myTextInputSy", "1.25"}, {"myTextInputVitesse", "15"}, {"myTextInputVitesseBaisse", "16"},
        {"myTextInputVitesseChute", "17"}, {"myTextInputVitesseSaut", "18"}, {"myTextInputX", "100.5"},
        {"myTextInputXi", "90"}, {"myTextInputY", "200.25"}, {"myTextInputYi", "210"},
        {"myTextInputNumPlanIA", "19"}, {"myTextInputDirection", "0"}, {"myTextInputNbArmes", "2"},
        {"myTextInputIdSonCriDegats", "CRI"}, {"myButtonCheckVieVisible", "[ ]"}, {"myButtonCheckVaisseau", "[x]"},
        {"myButtonCheckOmbre", "[ ]"}, {"myButtonCheckOmbreDynamique", "[x]"},
        {"myButtonCheckOmbreFixePosY", "[ ]"}, {"myTextInputOmbreYFixe", "21"}, {"myTextInputOmbreEchelle", "0.5"},
        {"myTextInputOmbreMinScale", "0.125"}, {"myTextInputOmbreHmax", "300"}, {"myTextInputCorrectionY", "22"},
        {"myTextInputDegatsCoupPied", "23"}, {"myTextInputDistancePatrouille", "24"},
        {"myTextInputModeCollisions", "2"},
    };
    const std::string avant = etat(p);
    dlgPerso->init();
    for (const auto& [id, texte] : attendus)
        EXPECT_EQ(controle(id), texte) << id;
    EXPECT_EQ(etat(p), avant) << "filling wrote nothing back";

    // No bank, or a bank without definition: those fields are empty and typing them does nothing.
    CPersoDef* def = banque->pPersoDef;
    banque->pPersoDef = nullptr;
    dlgPerso->init();
    EXPECT_EQ(controle("myTextInputFichierPER"), "");
    EXPECT_EQ(controle("myTextInputIdPER"), "GARDE");
    banque->pPersoDef = def;
    ia->sprite->pDEC = nullptr;
    dlgPerso->init();
    EXPECT_EQ(controle("myTextInputIdPER"), "");
    EXPECT_FALSE(dlgPerso->getControl("myTextInputIdPER")->isActive()) << "a field with nothing to hold takes no typing";
    saisir(PERSO, "myTextInputIdPER", "AUTRE");
    EXPECT_EQ(banque->nom, "GARDE");
}

TEST_F(DialoguePerso, WithoutACharacterEveryControlIsEmptyAndTakesNoTyping)
{
    dlgPerso->init();
    CPLUX::show(PERSO);
    // Freed by the level: the reference reads null, and the next frame empties the dialog.
    decor().detruirePerso(ia);
    CPLUXTest::frame(&fenetreEditeur());
    for (const char* id : {"myTextInputVitesse", "myTextInputId", "myTextInputX", "myTextInputSx"}) {
        CPLUXTest::typeText(PERSO, id, "5");
        EXPECT_EQ(controle(id), "") << id << " took typing";
    }
    for (const char* id : {"myButtonCheckOmbre", "myButtonPosInit", "myButtonPropSpriteIA"})
        presser(PERSO, id);
    EXPECT_EQ(decor().pSDSelection, nullptr);
    int saisies = 0, cases = 0;
    for (CPLUXControl* c : dlgPerso->getControls()) {
        if (c->getGenre() == CPLUXControl::GENRE_SAISIE) {
            ++saisies;
            EXPECT_EQ(c->getText(), "") << c->getId();
        } else if (auto* b = dynamic_cast<CPLUXControlButtonCheck*>(c)) {
            ++cases;
            EXPECT_FALSE(b->isChecked()) << c->getId();
        }
        // The model's controls, not the title bar's buttons.
        if (c->getId().rfind("my", 0) == 0) {
            EXPECT_FALSE(c->isActive()) << c->getId() << " active in an emptied dialog";
        }
    }
    EXPECT_EQ(saisies, 39);
    EXPECT_EQ(cases, 6);
}

TEST_F(DialoguePerso, WhatIsTypedOrCheckedIsStored)
{
    // A number field refuses a text that is no number with a box, and shows again what it
    // showed before (a null expected text); empty, it keeps its value silently.
    const std::pair<const char*, const char*> saisies[][2] = {
        {{"myTextInputVitesse", "1 2"}, {"myTextInputVitesse", "12"}},
        {{"myTextInputId", " garde 2 "}, {"myTextInputId", "garde2"}},
        {{"myTextInputIdRespawn", "R 3"}, {"myTextInputIdRespawn", "R3"}},
        {{"myTextInputDegatsIA", "12abc"}, {"myTextInputDegatsIA", nullptr}},
        {{"myTextInputDegatsIA", "12"}, {"myTextInputDegatsIA", "12"}},
        {{"myTextInputMaxVie", "2147483648"}, {"myTextInputMaxVie", nullptr}},
        {{"myTextInputMaxVie", "2147483647"}, {"myTextInputMaxVie", "2147483647"}},
        {{"myTextInputPoids", "-0"}, {"myTextInputPoids", "0"}},
        {{"myTextInputModeIA", ""}, {"myTextInputModeIA", nullptr}},
        {{"myTextInputOmbreEchelle", "1e40"}, {"myTextInputOmbreEchelle", nullptr}},
        {{"myTextInputSx", "nan"}, {"myTextInputSx", nullptr}},
        {{"myTextInputXi", "-12.5"}, {"myTextInputXi", "-12.5"}},
        {{"myTextInputNbArmes", "50"}, {"myTextInputNbArmes", "2"}},  // two slots
        {{"myTextInputNbArmes", "-3"}, {"myTextInputNbArmes", "0"}},
        {{"myTextInputIdPER", "G 2"}, {"myTextInputIdPER", "GARDE"}},  // shown only
        {{"myTextInputFichierPER", "./personnages/b.per"}, {"myTextInputFichierPER", "./personnages/garde.per"}},
        {{"myTextInputModeCollisions", "2"}, {"myButtonCheckCollisionsPersoIAs", "[x]"}},
        {{"myTextInputNumPlanIA", "9"}, {"myTextInputNumPlanIA", nullptr}},  // drawn on no plane
        {{"myTextInputDirection", "2"}, {"myTextInputDirection", nullptr}},  // right or left only
    };
    for (const auto& s : saisies) {
        dlgPerso->init();
        const std::string avant = controle(s[1].first);
        saisir(PERSO, s[0].first, s[0].second);
        const bool refuse = !s[1].second && *s[0].second;
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), refuse ? 1u : 0u) << "\"" << s[0].second << "\" refused or not";
        if (refuse)
            CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
        dlgPerso->init();
        EXPECT_EQ(controle(s[1].first), s[1].second ? s[1].second : avant)
            << s[0].first << " typed \"" << s[0].second << "\"";
    }
    EXPECT_EQ(ia->vitesse, 12);
    EXPECT_EQ(ia->id, "garde2");
    EXPECT_EQ(banque->nom, "GARDE") << "the model's name, which the level writes, is shown only";
    EXPECT_EQ(banque->pPersoDef->nomFichier, "./personnages/garde.per") << "so is the model's file, which the level writes";
    EXPECT_EQ(ia->degats[1], 12);

    const std::pair<const char*, int> cases[] = {
        {"myButtonCheckCollisionsPersoIAs", 0}, {"myButtonCheckCollisionsPersoIAs", 1},
        {"myButtonCheckOmbreFixePosY", 0},      {"myButtonCheckOmbreDynamique", 1},
        {"myButtonCheckOmbre", 0},               {"myButtonCheckVieVisible", 0},
    };
    for (const auto& [id, valeur] : cases) {
        dlgPerso->init();
        presser(PERSO, id);
        const int lu = std::string(id) == "myButtonCheckCollisionsPersoIAs" ? ia->modeCollisions
                       : std::string(id) == "myButtonCheckOmbre"            ? ia->bOmbre
                       : std::string(id) == "myButtonCheckVieVisible"       ? ia->bVieVisible
                                                                            : ia->bOmbreDynamique;
        EXPECT_EQ(lu, valeur) << id << " pressed";
    }
}

TEST_F(DialoguePerso, InitialPositionAndTheSpriteButton)
{
    dlgPerso->init();
    const std::string vitesse = controle("myTextInputVitesse");
    ia->vitesse += 5;
    ia->sprite->x = 130;
    ia->sprite->y = 240;
    presser(PERSO, "myButtonPosInit");
    EXPECT_TRUE(ia->sprite->x0 == 130 && ia->sprite->y0 == 240) << "the initial position is where it stands";
    EXPECT_EQ(controle("myTextInputXi"), "130");
    EXPECT_EQ(controle("myTextInputYi"), "240");
    EXPECT_EQ(controle("myTextInputX"), "130") << "the place follows the character from frame to frame";
    EXPECT_EQ(controle("myTextInputVitesse"), vitesse) << "the other fields wait for the next fill";

    auto sprite = std::make_unique<CJeuDialogSprite>();
    sprite->setId(editeur::id::SPRITE);
    CPLUX::pModeleDef->appliquerTexte(sprite.get(), lireTexte(dossierModeles() + "JeuDialogSprite.mod"), "JeuDialogSprite.mod");
    CPLUX::addDialog(nullptr, sprite.get(), nullptr, 0);
    decor().pPlanSelection = decor().pPlans[2];
    presser(PERSO, "myButtonPropSpriteIA");
    EXPECT_EQ(decor().pSDSelection, ia->sprite);
    EXPECT_EQ(decor().pPlanSelection, nullptr) << "a character's sprite is in no plane";
    EXPECT_TRUE(CPLUX::isDialogVisible(editeur::id::SPRITE));
    EXPECT_EQ(sprite->getControl("myTextInputX")->getText(), "130") << "the sprite dialog refilled from it";
}
