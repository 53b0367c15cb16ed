#pragma once
// A dialog that records what the library tells it, and the model the tests build it from.
#include "gui/PLUX.h"
#include "gui/CPLUXTest.h"

#include <string>
#include <vector>

class DialogueEssai : public CPLUXDialog {
public:
    std::vector<std::string> journal;
    // When set, the input change handler writes this into the input that changed.
    std::string reecrire;
    int nbCreate = 0;
    std::string controleVuAuCreate;

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override
    {
        CPLUXDialog::onPressLeft(w, x, y, c);
        journal.push_back("press:" + (c ? c->getId() : std::string("-")));
        return true;
    }
    void onCtrlInputChange(CPLUXControlTextInput* c) override
    {
        CPLUXDialog::onCtrlInputChange(c);
        journal.push_back("input:" + c->getId());
        if (!reecrire.empty())
            c->setText(reecrire);
    }
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override
    {
        journal.push_back("enter:" + c->getId() + ":" + c->getText());
    }
    void onCtrlListChange(CPLUXControlList* c) override { journal.push_back("list:" + c->getId()); }
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override
    {
        CPLUXDialog::onCtrlCheckChange(c);
        journal.push_back("check:" + c->getId());
    }
    void onCtrlComboChange(CPLUXControlComboBox* c) override { journal.push_back("combo:" + c->getId()); }
    void onCtrlTabChange(CPLUXControlTab* c) override { journal.push_back("tab:" + c->getId()); }
    void onCtrlMove(CPLUXControl* c) override { journal.push_back("move:" + c->getId()); }
    void onMove(int dx, int dy) override { journal.push_back("onmove:" + std::to_string(dx) + ":" + std::to_string(dy)); }
    void onMBClose(int handle, std::string id, bool a1, bool a2, bool a3, std::string text) override
    {
        journal.push_back("mb:" + std::to_string(handle) + ":" + id + ":" + (a1 ? "1" : "0") + (a2 ? "1" : "0") +
                          (a3 ? "1" : "0") + ":" + text);
    }
    void onKeyPress(const sf::Event::KeyEvent& k) override { journal.push_back("key"); }
    void onShow() override { journal.push_back("show"); }
    void onHide() override { journal.push_back("hide"); }
    void onCreate() override
    {
        ++nbCreate;
        journal.push_back("create");
    }
    void vider() { journal.clear(); }
};

inline const char* MODELE_ESSAI = R"(# Test dialog
DIALOGUE=Essai
TITRE=Réglages d'essai
RECT=60;40;380;300
OPTIONS=DEPLACABLE;FERMABLE;MINIMISABLE;REDIMENSIONNABLE
{
CONTROLE=BOUTON;btnOk
TEXTE=Valider
RECT=12;36;90;24
}
{
CONTROLE=SAISIE;txtNom
LIBELLE=Nom
RECT=160;36;200;22
}
{
CONTROLE=LISTE;lstItems
ELEMENTS=un;deux;trois;quatre
COL2=1;70
RECT=12;70;200;110
}
{
CONTROLE=CASE;chkA
TEXTE=Alpha
GROUPE=plan
RECT=230;70;120;20
}
{
CONTROLE=CASE;chkB
TEXTE=Bêta
GROUPE=plan
RECT=230;94;120;20
}
{
CONTROLE=CASE;chkC
TEXTE=Gamma
GROUPE=plan
RECT=230;118;120;20
}
{
CONTROLE=COMBO;cmbType
ELEMENTS=zéro;un;deux;trois
RECT=230;150;130;22
}
{
CONTROLE=BOUTON;btnOff
TEXTE=Inactif
ACTIF=0
RECT=12;190;90;24
}
{
CONTROLE=CASE;chkSeul
TEXTE=Seule
RECT=120;190;100;20
}
)";

inline int nbCallbacks = 0;
inline std::vector<std::string>* journalCallbacks = nullptr;
inline bool rappelEssai(void* owner, CPLUXDialog* d, CPLUXControl* c, int code)
{
    ++nbCallbacks;
    if (journalCallbacks)
        journalCallbacks->push_back("cb:" + (c ? c->getId() : std::string("-")) + ":" + std::to_string(code));
    return true;
}

// A registered, shown test dialog built from MODELE_ESSAI.
inline DialogueEssai* creerEssai()
{
    auto* d = new DialogueEssai;
    CPLUX::pModeleDef->appliquerTexte(d, MODELE_ESSAI);
    int h = 0;
    CPLUX::addDialog(&h, d, nullptr, 0, true, rappelEssai);
    journalCallbacks = &d->journal;
    d->show();
    d->vider();
    return d;
}
