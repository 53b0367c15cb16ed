#pragma once
// The option dialogs of the behaviours on their real models, beside the decor-sprite dialogs
// of OutilsSprite.h: the selected sprite's behaviours are made in code by each test.
#include "OutilsSprite.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "gui/CPLUXControlColor.h"

// Every input of the particle options with a distinct value that the emitter keeps as typed
// (the larger size bound first: the emitter swaps reversed bounds), and whether a fill
// without emitter empties it.
struct SaisieParticules {
    const char* id;
    const char* texte;
    bool videSansEmetteur;
};
namespace idp = IdSprite::Particules;
inline const SaisieParticules SAISIES_PARTICULES[] = {
    {idp::myTextInputVelX, "1.5", true}, {idp::myTextInputVelY, "-2.25", true}, {idp::myTextInputForcesX, "0.125", true},
    {idp::myTextInputForcesY, "0.375", true}, {idp::myTextInputTailleParticule, "3.5", true},
    {idp::myTextInputDureeVie, "90", true}, {idp::myTextInputLargeurEmetteur, "30", true}, {idp::myTextInputR, "1", true},
    {idp::myTextInputG, "2", true}, {idp::myTextInputB, "3", true}, {idp::myTextInputA, "4", true},
    {idp::myTextInputHauteurEmetteur, "5", true}, {idp::myTextInputAleaDureeVie, "12", true},
    {idp::myTextInputAmplitudeDegradeCouleur, "9", true}, {idp::myTextInputNbParticules, "77", true},
    {idp::myTextInputNbCycles, "6", true}, {idp::myTextInputAngle1, "-45", true}, {idp::myTextInputAngle2, "45.5", true},
    {idp::myTextInputAlphaAgeDec, "20", true}, {idp::myTextInputAcceleration, "0.0625", true},
    {idp::myTextInputAlphaValDec, "13", true}, {idp::myTextInputCheminTexture, "effets/etincelle.png", false},
    {idp::myTextInputVariationRotation, "2.5", false}, {idp::myTextInputVariationTaille, "-0.25", false},
    {idp::myTextInputBorneVariationTaille, "0.5", false}, {idp::myTextInputTailleMax, "7.5", false},
    {idp::myTextInputTailleMin, "1.25", false}, {idp::myTextInputInitLargeur, "14", true},
    {idp::myTextInputInitHauteur, "8", true}, {idp::myTextInputDecPosX, "-3", true}, {idp::myTextInputDecPosY, "11", true},
    {idp::myTextInputAleaVitX, "0.75", true}, {idp::myTextInputAleaVitY, "1.75", true},
    {idp::myTextInputAleaForceX, "1.125", true}, {idp::myTextInputAleaForceY, "2.75", true},
    {idp::myTextInputAleaAccel, "0.03125", true},
};

class DialoguesOptions : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        dialChemin = dialogueCree<CJeuDialogPhysCheminOptions>(ids::DIALOGUE_CHEMIN);
        dialEffondrement = dialogueCree<CJeuDialogPhysEffondrementOptions>(ids::DIALOGUE_EFFONDREMENT);
        dialBascule = dialogueCree<CJeuDialogPhysBasculeOptions>(ids::DIALOGUE_BASCULE);
        dialForce = dialogueCree<CJeuDialogPhysForceOptions>(ids::DIALOGUE_FORCE);
    }
    void TearDown() override
    {
        dialChemin.reset();
        dialEffondrement.reset();
        dialBascule.reset();
        dialForce.reset();
        DialoguesSprite::TearDown();
    }

    // The dialog on top, then the text typed key by key into its input, or its control clicked.
    static void saisirDans(CPLUXDialog& d, const char* id, const std::string& t)
    {
        d.show();
        saisir(d.getId().c_str(), id, t);
    }
    static void cliquerDans(CPLUXDialog& d, const char* id)
    {
        d.show();
        ASSERT_TRUE(CPLUXTest::click(d.getId(), id)) << d.getId() << ": " << id;
    }
    static std::string texteDe(const CPLUXDialog& d, const char* id) { return d.getControl(id)->getText(); }
    static bool cocheDe(const CPLUXDialog& d, const char* id) { return d.ctrlButtonCheck(id)->isChecked(); }
    // The check handler as the library calls it, with the box in the given state (a checked
    // box of a model group cannot be unchecked by a press).
    static void basculer(CPLUXDialog& d, const char* id, bool etat)
    {
        CPLUXControlButtonCheck* c = d.ctrlButtonCheck(id);
        c->setCheck(etat);
        d.onCtrlCheckChange(c);
    }

    std::unique_ptr<CJeuDialogPhysCheminOptions> dialChemin;
    std::unique_ptr<CJeuDialogPhysEffondrementOptions> dialEffondrement;
    std::unique_ptr<CJeuDialogPhysBasculeOptions> dialBascule;
    std::unique_ptr<CJeuDialogPhysForceOptions> dialForce;
};
