#include "editor/JeuDialogOptionsNiv.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "level/Decor.h"
#include "level/FondImage.h"
#include "level/Vue.h"

#include <climits>
#include <iterator>

namespace {

constexpr const char* CASE_ZONE = "myButtonCheckZonePersos";
constexpr const char* CASE_CARTE = "myButtonCheckCarteJeu";
constexpr const char* SAISIE_CHEMIN = "myTextInputCheminFichierNiv";
constexpr const char* COMBO_VUE = "myComboBox";

// The game's own type is its played world's; another world (the menus') keeps its own.
int& typeJeu(PartieJeu& partie, CDecor& d) { return d.estMondeJeu() ? partie.typeJeu : d.typeJeu; }

// The integer inputs, the field of the running level or game each one edits and the values
// it takes (the game types: 0 adventure, 1 chrono, 2 two players).
struct SaisieEntier {
    const char* id;
    int& (*champ)(PartieJeu& partie, CDecor& decor);
    int min = INT_MIN, max = INT_MAX;
};
const SaisieEntier ENTIERS[] = {
    {"myTextInputXHG", [](PartieJeu&, CDecor& d) -> int& { return d.zone[0]; }},
    {"myTextInputYHG", [](PartieJeu&, CDecor& d) -> int& { return d.zone[1]; }},
    {"myTextInputXBD", [](PartieJeu&, CDecor& d) -> int& { return d.zone[2]; }},
    {"myTextInputYBD", [](PartieJeu&, CDecor& d) -> int& { return d.zone[3]; }},
    {"myTextInputTypeJeu", typeJeu, 0, 2},
};

// The background's numbers that draw nothing sensible: a blur below 0, a scale of 0 or below.
struct BorneFond {
    const char* id;
    float CFondImage::*champ;
    bool zeroPris;
    const char* description;
};
const BorneFond BORNES_FOND[] = {
    {"myTextInputFondFlou", &CFondImage::shader_blur_radius, true, "un nombre de 0 ou plus"},
    {"myTextInputFondEchelle", &CFondImage::s, false, "un nombre supérieur à 0"},
};

// The background image's numbers, bound by name to the level's background (real or whole).
struct SaisieFond {
    const char* id;
    bool reel;
};
const SaisieFond FOND[] = {
    {"myTextInputFondFlou", true},
    {"myTextInputFondX0", false},
    {"myTextInputFondY0", false},
    {"myTextInputFondEchelle", true},
};

struct CaseMeteo {
    const char* id;
    editeur::Meteo effet;
};
const CaseMeteo METEO[] = {
    {"myButtonCheckPGPluie", editeur::Meteo::Pluie},
    {"myButtonCheckPGNeige", editeur::Meteo::Neige},
    {"myButtonCheckPGLucioles", editeur::Meteo::Lucioles},
    {"myButtonCheckPGBrouillard", editeur::Meteo::Brouillard},
    {"myButtonCheckPGNuages", editeur::Meteo::Nuages},
    {"myButtonCheckPGPoussiere", editeur::Meteo::Poussiere},
    {"myButtonCheckPGEtoiles", editeur::Meteo::Etoiles},
};

void cocher(CPLUXControlButtonCheck* c, bool coche)
{
    if (c)
        c->setCheck(coche);
}

} // namespace

void CJeuDialogOptionsNiv::init()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return;
    for (const SaisieEntier& s : ENTIERS)
        editeur::remplirTexte(getControl(s.id), s.champ(*faceJeu::partie(), *jeu->pdecor));
    editeur::remplirTexte(getControl(SAISIE_CHEMIN), jeu->pdecor->fichierSaisi);
    if (const CFondImage* fond = jeu->pdecor->pFondImage)
        for (size_t i = 0; i < std::size(BORNES_FOND); ++i)
            gardesFond[i] = fond->*BORNES_FOND[i].champ;
    remplirCases();
}

void CJeuDialogOptionsNiv::remplirCases()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return;
    const CDecor& d = *jeu->pdecor;
    cocher(ctrlButtonCheck(CASE_ZONE), d.bZone);
    // The level's map, which the save writes: M shows the map in the editor whatever it says.
    cocher(ctrlButtonCheck(CASE_CARTE), d.bCarte);
    for (const CaseMeteo& m : METEO)
        cocher(ctrlButtonCheck(m.id), editeur::meteoActive(d, m.effet));
    if (CPLUXControlComboBox* vue = ctrlComboBox(COMBO_VUE))
        vue->setNumSel(d.modeVueChoisi());
}

// The level shown may have changed since the last load (a menu's level, the game's).
void CJeuDialogOptionsNiv::onShow()
{
    CPLUXDialog::onShow();
    init();
}

void CJeuDialogOptionsNiv::onRefresh()
{
    CPLUXDialog::onRefresh();
    init();
}

bool CJeuDialogOptionsNiv::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    MondeJeu* jeu = faceJeu::monde();
    if (!c || !jeu || !jeu->pdecor)
        return true;
    CDecor& d = *jeu->pdecor;
    auto* coche = dynamic_cast<CPLUXControlButtonCheck*>(c);
    for (const CaseMeteo& m : METEO)
        if (coche && c->getId() == m.id) {
            // The level's own snow covers the level's height.
            editeur::appliquerMeteo(d, m.effet, coche->isChecked(), d.tailleJeuY);
            coche->setCheck(editeur::meteoActive(d, m.effet));
            return true;
        }
    if (c->getId() == CASE_ZONE) {
        d.bZone = !d.bZone;
        cocher(coche, d.bZone);
    }
    return true;
}

void CJeuDialogOptionsNiv::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    MondeJeu* jeu = faceJeu::monde();
    if (!c || !jeu || !jeu->pdecor)
        return;
    const std::string texte = c->getText();
    if (c->getId() == SAISIE_CHEMIN) {
        jeu->pdecor->fichierSaisi = texte;
        return;
    }
    for (const SaisieEntier& s : ENTIERS)
        if (c->getId() == s.id) {
            int& champ = s.champ(*faceJeu::partie(), *jeu->pdecor);
            if (s.min == INT_MIN && s.max == INT_MAX)
                c->lireNombre(champ);
            else
                c->lireNombre(champ, s.min, s.max);
            return;
        }
    bornerFond(*c, false);
    // The library read a bound number's text already (and may have let a text be: a value
    // read from a file may be too large); without a background image in the level nothing is
    // bound, and the field is emptied.
    for (const SaisieFond& f : FOND)
        if (c->getId() == f.id && !estLiee(c->varNom) && !CPLUXControlTextInput::estNombre(texte, f.reel) &&
            !CPLUXControlTextInput::nombreEnCours(texte, f.reel))
            c->refuserNombre(std::string(), f.reel);
}

void CJeuDialogOptionsNiv::onCtrlInputLeave(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputLeave(c);
    if (c)
        bornerFond(*c, true);
}

// What the library wrote by name is taken back when it is out of bounds, and refused with the
// box. A scale of 0 may be on its way to "0.5": refused once the field is left so.
void CJeuDialogOptionsNiv::bornerFond(CPLUXControlTextInput& c, bool quitte)
{
    MondeJeu* jeu = faceJeu::monde();
    CFondImage* fond = jeu && jeu->pdecor ? jeu->pdecor->pFondImage : nullptr;
    float lu = 0.f;
    if (!fond || !estLiee(c.varNom) || !CPLUXControlTextInput::lireReel(c.getText(), lu))
        return;
    for (size_t i = 0; i < std::size(BORNES_FOND); ++i) {
        const BorneFond& b = BORNES_FOND[i];
        if (c.getId() != b.id)
            continue;
        if (lu > 0.f || (b.zeroPris && lu == 0.f)) {
            gardesFond[i] = fond->*b.champ;
            return;
        }
        fond->*b.champ = gardesFond[i];
        if (quitte || lu != 0.f)
            c.refuserHorsBornes(tuv::ftos(gardesFond[i]), b.description);
        return;
    }
}

void CJeuDialogOptionsNiv::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    MondeJeu* jeu = faceJeu::monde();
    if (!c || !jeu || !jeu->pdecor || c->getId() != CASE_CARTE)
        return;
    jeu->pdecor->bCarte = faceJeu::options()->bCarteJeu = c->isChecked();
    CPLUX::refresh(editeur::id::OPTIONS_EDITEUR);
}

void CJeuDialogOptionsNiv::onCtrlComboChange(CPLUXControlComboBox* c)
{
    CPLUXDialog::onCtrlComboChange(c);
    MondeJeu* jeu = faceJeu::monde();
    if (!c || !jeu || !jeu->pdecor || c->getId() != COMBO_VUE)
        return;
    // As the game type: the game's view mode is its played world's; a menu's level keeps its
    // own. The camera takes it when play resumes. A combo without a row chosen stores nothing:
    // the level file gets only modes that exist.
    if (CVue::modeConnu(c->getNumSel()))
        jeu->pdecor->choisirModeVue(c->getNumSel());
}
