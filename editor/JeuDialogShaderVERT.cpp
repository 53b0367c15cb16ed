#include "editor/JeuDialogShaderVERT.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/ShaderManager.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"

namespace {

using U = CSPRITE::Uniform;

const char* const SAISIES_VALEUR[4] = {IdSprite::myTextInputV1, IdSprite::myTextInputV2, IdSprite::myTextInputV3,
                                       IdSprite::myTextInputV4};

// Which value inputs a type shows and the field each one edits; an "int" shows iValeur alone.
// A vec4's w is fValeur.
struct Composantes {
    const char* type;
    int nb;
    bool entier;
    float U::*champs[4];
};
const Composantes COMPOSANTES[] = {
    {"float", 1, false, {&U::fValeur, nullptr, nullptr, nullptr}},
    {"int", 1, true, {nullptr, nullptr, nullptr, nullptr}},
    {"vec2", 2, false, {&U::fVec2X, &U::fVec2Y, nullptr, nullptr}},
    {"vec3", 3, false, {&U::fVec3X, &U::fVec3Y, &U::fVec3Z, nullptr}},
    {"vec4", 4, false, {&U::fVec4X, &U::fVec4Y, &U::fVec4Z, &U::fValeur}},
};

const Composantes* composantesDe(const std::string& type)
{
    for (const Composantes& c : COMPOSANTES)
        if (type == c.type)
            return &c;
    return nullptr;
}

// The index (0-3) of a value input, -1 for another control.
int indexSaisie(const std::string& id)
{
    for (int i = 0; i < 4; ++i)
        if (id == SAISIES_VALEUR[i])
            return i;
    return -1;
}

// The game's shader manager fills the list, or a private one: the filler keeps no state.
// The filler selects the first row without telling the dialog, and choosing the selected row
// again tells nothing either: the first variable could not be chosen. The list is left
// without a selected row, so that choosing any row shows its variable.
void remplirVariables(CPLUXControlComboBox* combo, CSPRITE::Uniforms& m)
{
    if (!combo)
        return;
    AffichageJeu* jeu = faceJeu::affichage();
    if (jeu && jeu->pShaderManager) {
        jeu->pShaderManager->remplirComboVariables(combo, m);
    } else {
        CShaderManager outil;
        outil.remplirComboVariables(combo, m);
    }
    combo->setNumSel(-1);
}

} // namespace

void CJeuDialogShaderVERT::init()
{
    CSPRITE::Uniforms aucune;
    remplirVariables(ctrlComboBox(IdSprite::myComboBoxVarVert), pUniformsVert ? *pUniformsVert : aucune);
    remplirVariables(ctrlComboBox(IdSprite::myComboBoxVarFrag), pUniformsFrag ? *pUniformsFrag : aucune);
    iListeCourante = pUniformsVert || pUniformsFrag ? 0 : -1;
    // The fields showed a variable of the maps attached before: typed into, they would write
    // nothing, or into that variable's namesake.
    bRemplissage = true;
    for (const char* id : {IdSprite::myTextNomVar, IdSprite::myTextVType, IdSprite::myTextInputPhaseDiviseur})
        editeur::afficher(*this, id, std::string());
    for (const char* id : SAISIES_VALEUR)
        editeur::afficher(*this, id, std::string());
    bRemplissage = false;
}

void CJeuDialogShaderVERT::attacher(CSPRITE::Uniforms* vert, CSPRITE::Uniforms* frag)
{
    pUniformsVert = vert;
    pUniformsFrag = frag;
    init();
}

bool CJeuDialogShaderVERT::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (c && c->getId() == IdSprite::myButtonFermer)
        close();
    return true;
}

void CJeuDialogShaderVERT::onCtrlComboChange(CPLUXControlComboBox* c)
{
    CPLUXDialog::onCtrlComboChange(c);
    if (!c || !pUniformsVert || !pUniformsFrag)
        return;
    const std::string& id = c->getId();
    CSPRITE::Uniforms* m = nullptr;
    int liste = -1;
    if (id == IdSprite::myComboBoxVarFrag) {
        m = pUniformsFrag;
        liste = 1;
    } else if (id == IdSprite::myComboBoxVarVert) {
        m = pUniformsVert;
        liste = 0;
    } else {
        return;
    }
    if (c->getNbElements() < 1)
        return;
    const std::string nom = c->getTextSel();
    iListeCourante = liste;
    auto it = m->find(nom);
    if (it == m->end())
        return;
    bRemplissage = true;
    editeur::afficher(*this, IdSprite::myTextNomVar, nom);
    editeur::afficher(*this, IdSprite::myTextVType, it->second.strType);
    editeur::afficher(*this, IdSprite::myTextInputPhaseDiviseur, it->second.fPhaseDiviseur);
    afficherValeurs(it->second);
    bRemplissage = false;
}

void CJeuDialogShaderVERT::afficherValeurs(const CSPRITE::Uniform& u)
{
    const Composantes* t = composantesDe(u.strType);
    if (!t)
        return;
    for (int i = 0; i < 4; ++i)
        if (CPLUXControl* s = getControl(SAISIES_VALEUR[i]))
            s->setVisible(i < t->nb);
    if (t->entier) {
        editeur::afficher(*this, SAISIES_VALEUR[0], u.iValeur);
        return;
    }
    for (int i = 0; i < t->nb; ++i)
        editeur::afficher(*this, SAISIES_VALEUR[i], u.*(t->champs[i]));
}

std::string CJeuDialogShaderVERT::texteDe(const char* id) const
{
    return isCtrlIdExist(id) ? getControl(id)->getText() : std::string();
}

void CJeuDialogShaderVERT::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    if (!c || bRemplissage)
        return;
    const std::string nom = texteDe(IdSprite::myTextNomVar);
    const std::string type = texteDe(IdSprite::myTextVType);
    CSPRITE::Uniforms* m = iListeCourante == 0 ? pUniformsVert : iListeCourante == 1 ? pUniformsFrag : nullptr;
    if (!m)
        return;
    auto it = m->find(nom);
    if (it != m->end())
        ecrireValeur(*c, type, it->second);
}

// The type is the one the label shows, which the choice of the variable wrote. A text that is
// no number is refused and the variable keeps its value; an integer takes a decimal truncated.
void CJeuDialogShaderVERT::ecrireValeur(CPLUXControlTextInput& saisie, const std::string& type,
                                        CSPRITE::Uniform& u) const
{
    if (saisie.getId() == IdSprite::myTextInputPhaseDiviseur) {
        saisie.lireNombre(u.fPhaseDiviseur);
        return;
    }
    const int i = indexSaisie(saisie.getId());
    const Composantes* t = composantesDe(type);
    if (i < 0 || !t || i >= t->nb)
        return;
    float v = t->entier ? static_cast<float>(u.iValeur) : u.*(t->champs[i]);
    if (!saisie.lireNombre(v))
        return;
    if (t->entier)
        u.iValeur = tuv::floatVersInt(v);
    else
        u.*(t->champs[i]) = v;
}
