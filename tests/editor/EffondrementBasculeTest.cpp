// The collapse and seesaw options on the selected sprite, and the collapse's resets.
#include "OutilsOptions.h"

namespace {

namespace ide = IdSprite::Effondrement;
namespace idb = IdSprite::Bascule;

class Effondrement : public DialoguesOptions {
protected:
    void SetUp() override
    {
        DialoguesOptions::SetUp();
        sd->x0 = 90;
        sd->y0 = 40;
        sd->bPhysE = true;
        sd->pPhysE = new CPhysEffondrement(30, 4, false);
    }
    // A platform of the given plane with its collapse on, fallen and finished.
    CSPRITE* tombee(int numPlan, bool visible, bool objet = true)
    {
        if (!banqueP)
            banqueP = banqueCouleur(*decor, "p", 8, 8, VERT);
        CSPRITE* s = spriteDecor(plan(numPlan), banqueP, 10, 80);
        s->x0 = 10;
        s->y0 = 20;
        s->bVisible = visible;
        s->bPhysE = true;
        if (objet) {
            s->pPhysE = new CPhysEffondrement(30, 4, false);
            *s->pPhysE = fini();
        }
        return s;
    }
    static CPhysEffondrement fini()
    {
        CPhysEffondrement f(30, 4, false);
        f.etat = 2, f.parcouru = 60, f.bEnAttente = true, f.bTermine = true, f.reste = 0.5f;
        return f;
    }
    CPhysEffondrement& e() { return *sd->pPhysE; }
    CDEC* banqueP = nullptr;
};

bool pret(const CPhysEffondrement& e) { return e.bEnAttente && !e.bTermine && e.etat == 0 && e.parcouru == 0 && e.reste == 0; }

} // namespace

TEST_F(Effondrement, InputsChecksAndFill)
{
    dialEffondrement->init();
    EXPECT_EQ(texteDe(*dialEffondrement, ide::myTextInputHauteur), "30");
    EXPECT_EQ(texteDe(*dialEffondrement, ide::myTextInputVitesse), "4");
    const struct {
        const char* id;
        const char* saisie;
        int CPhysEffondrement::*champ;
        int attendu;
        bool refuse;
    } cas[] = {
        {ide::myTextInputVitesse, "7.9", &CPhysEffondrement::vitesse, 7, false},
        {ide::myTextInputVitesse, "-2.5", &CPhysEffondrement::vitesse, -2, false},
        {ide::myTextInputHauteur, "1 2", &CPhysEffondrement::hauteur, 12, false},
        {ide::myTextInputHauteur, "1e40", &CPhysEffondrement::hauteur, 1, true},  // at the "e"
        {ide::myTextInputHauteur, "abc", &CPhysEffondrement::hauteur, 1, true},
    };
    for (const auto& c : cas) {
        saisirDans(*dialEffondrement, c.id, c.saisie);
        EXPECT_EQ(e().*c.champ, c.attendu) << c.id << " <- " << c.saisie;
        EXPECT_EQ(refus(), c.refuse) << c.saisie << " refused or not";
    }
    cliquerDans(*dialEffondrement, ide::myButtonCheckHauteurAuto);
    EXPECT_TRUE(e().bHauteurAuto);

    // The visible-height check reaches the visible collapsing sprites of the main plane only.
    CSPRITE* cachee = tombee(2, false);
    CSPRITE* autrePlan = tombee(3, true);
    CSPRITE* sansObjet = tombee(2, true, false);
    CSPRITE* voisine = tombee(2, true);
    decor->pSDSelection = nullptr;
    cliquerDans(*dialEffondrement, ide::myButtonCheckHauteurVisible);
    EXPECT_TRUE(e().bHauteurVisible && voisine->pPhysE->bHauteurVisible);
    EXPECT_FALSE(cachee->pPhysE->bHauteurVisible || autrePlan->pPhysE->bHauteurVisible);
    EXPECT_EQ(sansObjet->pPhysE, nullptr);

    // Without a selection the inputs write nothing and the fill empties them.
    saisirDans(*dialEffondrement, ide::myTextInputHauteur, "99");
    EXPECT_EQ(e().hauteur, 1);
    dialEffondrement->init();
    EXPECT_EQ(texteDe(*dialEffondrement, ide::myTextInputHauteur), "");
}

TEST_F(Effondrement, ResetsPutPlatformsBack)
{
    CSPRITE* cachee = tombee(2, false);
    CSPRITE* autrePlan = tombee(3, true);
    CSPRITE* sansObjet = tombee(2, true, false);
    CSPRITE* voisine = tombee(2, true);
    e() = fini();
    sd->y = 120;
    cliquerDans(*dialEffondrement, ide::myButtonRAZPosTous);
    EXPECT_TRUE(pret(e()) && pret(*voisine->pPhysE)) << "main-plane platforms made ready";
    EXPECT_EQ(sd->y, 40);
    EXPECT_EQ(voisine->y, 20);
    EXPECT_TRUE(cachee->pPhysE->bTermine && autrePlan->pPhysE->bTermine) << "hidden or on plane 3";
    EXPECT_EQ(cachee->y, 80);
    EXPECT_EQ(sansObjet->y, 80) << "flag E without the object";

    // Initial position here, then back here; a sprite without the behaviour is only moved.
    sd->x = 55.8f;
    sd->y = 66.2f;
    cliquerDans(*dialEffondrement, ide::myButtonPosInit);
    EXPECT_EQ(sd->x0, 55);
    EXPECT_EQ(sd->y0, 66);
    e() = fini();
    sd->setAnim(2);
    cliquerDans(*dialEffondrement, ide::myButtonRAZPos);
    EXPECT_TRUE(pret(e()));
    EXPECT_EQ(sd->getNumAnim(), 0);
    EXPECT_EQ(sd->x, 55);
    decor->pSDSelection = sansObjet;
    cliquerDans(*dialEffondrement, ide::myButtonRAZPos);
    EXPECT_EQ(sansObjet->y, 20);
}

TEST_F(Effondrement, AResetPlatformFallsTheFullHeightAgain)
{
    for (float coeff : {1.0f, 0.5f}) {
        g_services.framerateCoeff = [coeff] { return coeff; };
        e() = CPhysEffondrement(30, 3, false);  // at 60 fps steps of 1.5 px leave half pixels
        int chutes[2] = {};
        for (int& chute : chutes) {
            cliquerDans(*dialEffondrement, ide::myButtonRAZPos);
            const float depart = sd->y;
            e().bEnAttente = false;
            for (int i = 0; i < 200 && e().etat != 2; ++i)
                e().maj(sd);
            chute = int(sd->y - depart);
        }
        EXPECT_GE(chutes[0], 30) << "at coefficient " << coeff;
        EXPECT_EQ(chutes[1], chutes[0]) << "the second fall at coefficient " << coeff;
    }
}

TEST_F(Effondrement, SeesawOkWritesAndCancelRefills)
{
    sd->bPhysB = false;  // the flag is not consulted
    sd->pPhysB = new CPhysBascule();
    dialBascule->init();
    const std::pair<const char*, const char*> neuve[] = {
        {idb::myTextInputPivot, "-1"}, {idb::myTextInputLargeurPivot, "0"}, {idb::myTextInputButeeGauche, "-1"},
        {idb::myTextInputButeeDroite, "-1"}, {idb::myTextInputVitesseRot, "1.5"}, {idb::myTextInputPoidsBascule, "0"},
        {idb::myTextInputCPG, "0"}, {idb::myTextInputCPD, "0"},
    };
    for (const auto& [id, texte] : neuve)
        EXPECT_EQ(texteDe(*dialBascule, id), texte) << id;

    saisirDans(*dialBascule, idb::myTextInputPivot, "40");
    EXPECT_EQ(sd->pPhysB->pivot, -1) << "typing writes nothing";
    cliquerDans(*dialBascule, idb::myButtonAnnuler);
    EXPECT_EQ(texteDe(*dialBascule, idb::myTextInputPivot), "-1");

    const struct {
        const char* id;
        const char* saisie;
        float (*lire)(const CPhysBascule&);
        float attendu;
    } cas[] = {
        {idb::myTextInputPivot, "1 5", [](const CPhysBascule& b) { return float(b.pivot); }, 15},
        {idb::myTextInputLargeurPivot, "  15", [](const CPhysBascule& b) { return float(b.largeurPivot); }, 15},
        {idb::myTextInputVitesseRot, "2.75", [](const CPhysBascule& b) { return b.vitesseRot; }, 2.75f},
        // Refused by "OK", with one box for the three: the seesaw keeps its values.
        {idb::myTextInputPoidsBascule, "2.75", [](const CPhysBascule& b) { return float(b.poidsBascule); }, 0},
        {idb::myTextInputCPG, "abc", [](const CPhysBascule& b) { return float(b.cpg); }, 0},
        {idb::myTextInputCPD, "-99999999999", [](const CPhysBascule& b) { return float(b.cpd); }, 0},
    };
    for (const auto& c : cas)
        saisirDans(*dialBascule, c.id, c.saisie);
    cliquerDans(*dialBascule, idb::myButtonOk);
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    EXPECT_TRUE(refus());
    for (const auto& c : cas)
        EXPECT_EQ(c.lire(*sd->pPhysB), c.attendu) << c.id << " <- \"" << c.saisie << "\"";

    // Without a selection "myButtonOk" writes nothing and the fill keeps the texts.
    decor->pSDSelection = nullptr;
    saisirDans(*dialBascule, idb::myTextInputCPG, "9");
    cliquerDans(*dialBascule, idb::myButtonOk);
    dialBascule->init();
    EXPECT_EQ(sd->pPhysB->cpg, 0);
    EXPECT_EQ(texteDe(*dialBascule, idb::myTextInputCPG), "9");
}
