#pragma once
// The option dialogs of the behaviours on their real models, beside the decor-sprite dialogs
// of OutilsSprite.h: the selected sprite's behaviours are made in code by each test.
#include "OutilsSprite.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "gui/CPLUXControlColor.h"

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
