// The force zone options with its two scripts, and the option dialogs as the sprite
// properties dialog refreshes and shows them.
#include "OutilsOptions.h"

#include "script/Script.h"
#include "script/ScriptEngine.h"

#include <set>

namespace {

namespace idf = IdSprite::Force;

class Force : public DialoguesOptions {
protected:
    void SetUp() override
    {
        DialoguesOptions::SetUp();
        sd->bPhysForce = true;
        sd->pForce = new CForceSD();
        jeu->pscriptEngineJeu = jeu->pscriptEngine = new CScriptEngine();
        ecrireTexte("zone.scp", "n = 1\n");
        ecrireTexte("autre.scp", "n = 1\nn = 2\n");
    }
    CForceSD& z() { return *sd->pForce; }
    DossierDeTravail dossier;
};

} // namespace

TEST_F(Force, AFreshZoneIsShownAndEditsGoIntoIt)
{
    dialForce->refreshFromSprite();
    const std::pair<const char*, const char*> textes[] = {
        {idf::myTextInputCycleMax, "0"}, {idf::myTextInputForceY, "0"}, {idf::myTextInputMaxButeeX, "0"},
        {idf::myTextInputModifAngleMax, "0.01"}, {idf::myTextInputRayonAttraction, "500"},
        {idf::myTextInputRayonAttracteur, "50"}, {idf::myTextInputEcartAngle, "10"}, {idf::myTextInputScript, ""},
    };
    for (const auto& [id, t] : textes)
        EXPECT_EQ(texteDe(*dialForce, id), t) << id;
    const std::set<std::string> cochees = {idf::myButtonCheckTousPlans, idf::myButtonCheckForceValeur,
                                           idf::myButtonCheckModForceActif};
    for (const char* id : {idf::myButtonCheckLocal, idf::myButtonCheckTousPlans, idf::myButtonCheckForceValeur,
                           idf::myButtonCheckForceAjout, idf::myButtonCheckModForceActif, idf::myButtonCheckAttracteur})
        EXPECT_EQ(cocheDe(*dialForce, id), cochees.count(id) == 1) << id;

    const struct {
        const char* id;
        const char* saisie;
        float (*lire)(const CForceSD&);
        float attendu;
    } cas[] = {
        {idf::myTextInputCycleMax, "abc", [](const CForceSD& f) { return float(f.CycleMax); }, 0},
        {idf::myTextInputDureeMin, "", [](const CForceSD& f) { return float(f.DureeMin); }, 0},
        {idf::myTextInputForceX, "2.5z", [](const CForceSD& f) { return f.ForceX; }, 2.5f},
        {idf::myTextInputRayonAttracteur, "1 2", [](const CForceSD& f) { return float(f.RayonAttracteur); }, 12},
    };
    for (const auto& c : cas) {
        saisirDans(*dialForce, c.id, c.saisie);
        EXPECT_EQ(c.lire(z()), c.attendu) << c.id << " <- \"" << c.saisie << "\"";
    }
    saisirDans(*dialForce, idf::myTextInputScriptFermeture, " fin .scp");
    EXPECT_EQ(z().ScriptFermeture, "fin.scp");

    basculer(*dialForce, idf::myButtonCheckTousPlans, false);
    EXPECT_EQ(z().portee, 1) << "unchecking a range box";
    cliquerDans(*dialForce, idf::myButtonCheckForceMult);
    EXPECT_EQ(z().modeForce, 1);

    // Nothing selected: empty, unchecked, and no edit lands anywhere.
    decor->pSDSelection = nullptr;
    dialForce->refreshFromSprite();
    EXPECT_EQ(texteDe(*dialForce, idf::myTextInputRayonAttraction), "");
    EXPECT_FALSE(cocheDe(*dialForce, idf::myButtonCheckCePlan));
    saisirDans(*dialForce, idf::myTextInputRayonAttraction, "3");
    cliquerDans(*dialForce, idf::myButtonCheckAttracteur);
    cliquerDans(*dialForce, idf::myButtonInitScript);
    EXPECT_EQ(z().RayonAttraction, 500);
    EXPECT_FALSE(z().Attracteur);
    EXPECT_EQ(jeu->pscriptEngine->nbScripts, 0);
}

TEST_F(Force, ScriptButtonsMakeThenReloadTheirScripts)
{
    CScriptEngine& moteur = *jeu->pscriptEngine;
    struct Bouton {
        const char* saisie;
        const char* bouton;
        CScript* CForceSD::*script;
    };
    for (const Bouton& b : {Bouton{idf::myTextInputScript, idf::myButtonInitScript, &CForceSD::pScript},
                            Bouton{idf::myTextInputScriptFermeture, idf::myButtonInitScriptFermeture,
                                   &CForceSD::pScriptFermeture}}) {
        moteur.viderScripts();
        z().pScript = z().pScriptFermeture = nullptr;
        saisirDans(*dialForce, b.saisie, "zone.scp");
        cliquerDans(*dialForce, b.bouton);
        CScript* s = z().*b.script;
        ASSERT_NE(s, nullptr) << b.bouton;
        ASSERT_EQ(moteur.nbScripts, 1) << b.bouton;
        EXPECT_TRUE(s->getDeclencheur() == 12 && s->nbRunMax == 1 && s->pSD == sd) << b.bouton;
        EXPECT_EQ(s->nbCommandes, 1) << b.bouton;

        // A new name reloads the same script.
        saisirDans(*dialForce, b.saisie, "autre.scp");
        cliquerDans(*dialForce, b.bouton);
        EXPECT_EQ(z().*b.script, s);
        EXPECT_EQ(moteur.nbScripts, 1);
        EXPECT_EQ(s->nbCommandes, 2) << b.bouton;

        // Removed by the monitor: the next press makes it again (AddressSanitizer watches).
        moteur.supprimerScriptPtr(s);
        cliquerDans(*dialForce, b.bouton);
        ASSERT_EQ(moteur.nbScripts, 1) << b.bouton;
        EXPECT_EQ(moteur.scripts[0].get(), z().*b.script) << b.bouton;
        EXPECT_EQ(moteur.scripts[0]->strFichier, "autre.scp");
    }
    // A file that is not there is said, as the script monitor says it.
    saisirDans(*dialForce, idf::myTextInputScript, "absent.scp");
    cliquerDans(*dialForce, idf::myButtonInitScript);
    EXPECT_TRUE(refus()) << "a box says the script file is missing";
}

TEST_F(Force, TheSpriteDialogRefreshesAndShowsTheOptions)
{
    sd->pPhysE = new CPhysEffondrement(30, 4, false);
    sd->pPhysB = new CPhysBascule();
    sd->pPhysB->pivot = 12;
    sd->bPhysC = true;
    sd->pChemin = new CChemin();
    for (int i = 0; i < 3; ++i)
        sd->pChemin->ajouterKP(sd);
    sd->pChemin->numKP = 1;
    sd->pParticules = new CParticules();
    z().CycleMax = 5;
    dialChemin->hide();
    dlg().init();
    EXPECT_EQ(texteDe(*dialEffondrement, IdSprite::Effondrement::myTextInputHauteur), "30");
    EXPECT_EQ(texteDe(*dialBascule, IdSprite::Bascule::myTextInputPivot), "12");
    EXPECT_EQ(texteDe(*dialForce, idf::myTextInputCycleMax), "5");
    EXPECT_EQ(dialParticules->pParticules, sd->pParticules);
    EXPECT_EQ(dialParticules->pProprietaire, sd);
    cliquerDans(dlg(), ids::myButtonOptC);
    EXPECT_TRUE(CPLUX::isDialogVisible(ids::DIALOGUE_CHEMIN));
    EXPECT_EQ(texteDe(*dialChemin, IdSprite::Chemin::myTextNum), "2 / 3") << "shown filled";

    // Without a selection (after a reload) the path is reset and the collapse and zone emptied;
    // the emitter's dialog is left to its emitter.
    decor->pSDSelection = nullptr;
    dlg().init();
    EXPECT_EQ(texteDe(*dialChemin, IdSprite::Chemin::myTextNum), IdSprite::COMPTEUR_INCONNU);
    EXPECT_EQ(texteDe(*dialForce, idf::myTextInputCycleMax), "");
    EXPECT_EQ(texteDe(*dialEffondrement, IdSprite::Effondrement::myTextInputHauteur), "");
    EXPECT_EQ(dialParticules->pParticules, sd->pParticules);
}
