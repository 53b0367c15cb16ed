#include "editor/JeuDialogPerso.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "editor/JeuDialogSprite.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "level/Decor.h"

#include <algorithm>
#include <limits>
#include <string>
#include <variant>

namespace {

// The field a control shows: none when the character lacks what holds it (a sprite, a bank,
// a character definition).
using Champ = std::variant<std::monostate, int*, float*, std::string*, bool*>;

enum class Genre {
    Entier,
    Reel,
    Texte,
    Case,         // a flag of the character
    CaseNonNul,   // an int field: checked when not 0; checking writes 1, unchecking 0
    CaseInverse,  // a flag shown and written inverted
};

struct Controle {
    const char* id;
    Genre genre;
    Champ (*champ)(CPerso&);
    int min = std::numeric_limits<int>::min(), max = std::numeric_limits<int>::max();  // Genre::Entier
};

Champ duSprite(CPerso& p, float CSPRITE::*f) { return p.sprite ? Champ(&(p.sprite->*f)) : Champ(); }

CDEC* banque(CPerso& p) { return p.sprite ? p.sprite->pDEC : nullptr; }

// Every control, in the order the dialog is filled.
const Controle CONTROLES[] = {
    {"myButtonCheckCollisionsPersoIAs", Genre::CaseNonNul, [](CPerso& p) { return Champ(&p.modeCollisions); }},
    {"myTextInputId", Genre::Texte, [](CPerso& p) { return Champ(&p.id); }},
    // The model's name, which the level's "IA" line writes: shown only (the model owns it).
    {"myTextInputIdPER", Genre::Texte, [](CPerso& p) { return banque(p) ? Champ(&banque(p)->nom) : Champ(); }},
    // Its file, which the level's "TEXTURE_PER" line writes for every AI of the model and any level
    // saved later in the run: shown only too.
    {"myTextInputFichierPER", Genre::Texte,
     [](CPerso& p) {
         CDEC* b = banque(p);
         return b && b->pPersoDef ? Champ(&b->pPersoDef->nomFichier) : Champ();
     }},
    // The respawn id the level key "IDRESPAWN" gives.
    {"myTextInputIdRespawn", Genre::Texte, [](CPerso& p) { return Champ(&p.chaine2); }},
    {"myTextInputModeIA", Genre::Entier, [](CPerso& p) { return Champ(&p.modeIA); }},
    // degats[0] is dealt to a player on contact, degats[1] taken by the AI.
    {"myTextInputDegatsIA", Genre::Entier, [](CPerso& p) { return Champ(&p.degats[1]); }},
    {"myTextInputDegatsJoueur", Genre::Entier, [](CPerso& p) { return Champ(&p.degats[0]); }},
    {"myTextInputMaxEscalier", Genre::Entier, [](CPerso& p) { return Champ(&p.maxEscalier); }},
    {"myTextInputMaxSaut", Genre::Entier, [](CPerso& p) { return Champ(&p.maxSaut); }},
    {"myTextInputMaxSautAuto", Genre::Entier, [](CPerso& p) { return Champ(&p.maxSautAuto); }},
    {"myTextInputMaxVie", Genre::Entier, [](CPerso& p) { return Champ(&p.vieMax); }},
    {"myTextInputOx", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::ox); }},
    {"myTextInputOy", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::oy); }},
    {"myTextInputPoids", Genre::Entier, [](CPerso& p) { return Champ(&p.poids); }},
    {"myTextInputPosPieds", Genre::Entier, [](CPerso& p) { return Champ(&p.posPieds); }},
    {"myTextInputPosTeteBas", Genre::Entier, [](CPerso& p) { return Champ(&p.posTete[1]); }},
    {"myTextInputPosTeteDebout", Genre::Entier, [](CPerso& p) { return Champ(&p.posTete[0]); }},
    {"myTextInputSx", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::sx); }},
    {"myTextInputSy", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::sy); }},
    {"myTextInputVitesse", Genre::Entier, [](CPerso& p) { return Champ(&p.vitesse); }},
    {"myTextInputVitesseBaisse", Genre::Entier, [](CPerso& p) { return Champ(&p.vitesseBas); }},
    {"myTextInputVitesseChute", Genre::Entier, [](CPerso& p) { return Champ(&p.vitesseChute); }},
    {"myTextInputVitesseSaut", Genre::Entier, [](CPerso& p) { return Champ(&p.vitesseSaut); }},
    {"myTextInputX", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::x); }},
    {"myTextInputXi", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::x0); }},
    {"myTextInputY", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::y); }},
    {"myTextInputYi", Genre::Reel, [](CPerso& p) { return duSprite(p, &CSPRITE::y0); }},
    // An AI is drawn among the planes and the background: on no other.
    {"myTextInputNumPlanIA", Genre::Entier, [](CPerso& p) { return Champ(&p.numPlanIA); }, 0, CDecor::NB_NIVEAUX - 1},
    // 0 right, 1 left: the level file keeps no other facing.
    {"myTextInputDirection", Genre::Entier, [](CPerso& p) { return Champ(&p.direction); }, 0, 1},
    {"myTextInputNbArmes", Genre::Entier, [](CPerso& p) { return Champ(&p.nbarmesperso); }},
    {"myTextInputIdSonCriDegats", Genre::Texte, [](CPerso& p) { return Champ(&p.sonDegats); }},
    {"myButtonCheckVieVisible", Genre::Case, [](CPerso& p) { return Champ(&p.bVieVisible); }},
    {"myButtonCheckVaisseau", Genre::Case, [](CPerso& p) { return Champ(&p.bVaisseau); }},
    {"myButtonCheckOmbre", Genre::Case, [](CPerso& p) { return Champ(&p.bOmbre); }},
    {"myButtonCheckOmbreDynamique", Genre::Case, [](CPerso& p) { return Champ(&p.bOmbreDynamique); }},
    {"myButtonCheckOmbreFixePosY", Genre::CaseInverse, [](CPerso& p) { return Champ(&p.bOmbreDynamique); }},
    {"myTextInputOmbreYFixe", Genre::Entier, [](CPerso& p) { return Champ(&p.ombreYFixe); }},
    {"myTextInputOmbreEchelle", Genre::Reel, [](CPerso& p) { return Champ(&p.ombreEchelle); }},
    {"myTextInputOmbreMinScale", Genre::Reel, [](CPerso& p) { return Champ(&p.ombreMinScale); }},
    {"myTextInputOmbreHmax", Genre::Reel, [](CPerso& p) { return Champ(&p.ombreHmax); }},
    {"myTextInputCorrectionY", Genre::Entier, [](CPerso& p) { return Champ(&p.correctionY); }},
    {"myTextInputDegatsCoupPied", Genre::Entier, [](CPerso& p) { return Champ(&p.degatsCoup); }},
    {"myTextInputDistancePatrouille", Genre::Entier, [](CPerso& p) { return Champ(&p.distancePatrouille); }},
    {"myTextInputModeCollisions", Genre::Entier, [](CPerso& p) { return Champ(&p.modeCollisions); }},
};

const char* const BOUTON_POS_INIT = "myButtonPosInit";
const char* const BOUTON_SPRITE = "myButtonPropSpriteIA";

bool estCase(Genre g) { return g == Genre::Case || g == Genre::CaseNonNul || g == Genre::CaseInverse; }

const Controle* controle(const std::string& id)
{
    for (const Controle& c : CONTROLES)
        if (id == c.id)
            return &c;
    return nullptr;
}

// The text an input shows of its field; empty when there is none.
std::string texte(const Champ& champ)
{
    if (const auto* e = std::get_if<int*>(&champ))
        return tuv::itos(**e);
    if (const auto* r = std::get_if<float*>(&champ))
        return tuv::ftos(**r);
    if (const auto* t = std::get_if<std::string*>(&champ))
        return **t;
    return "";
}

bool coche(const Controle& c, const Champ& champ)
{
    if (const auto* e = std::get_if<int*>(&champ))
        return **e != 0;
    if (const auto* b = std::get_if<bool*>(&champ))
        return c.genre == Genre::CaseInverse ? !**b : **b;
    return false;
}

// The text typed, read as the field's kind: a text without its blanks; a number only when the
// whole text is one, and within the field's bounds (anything else is refused, the value staying).
void ecrire(const Controle& c, const Champ& champ, CPLUXControlTextInput& saisie)
{
    const bool borne = c.min != std::numeric_limits<int>::min() || c.max != std::numeric_limits<int>::max();
    if (const auto* e = std::get_if<int*>(&champ)) {
        if (borne)
            saisie.lireNombre(**e, c.min, c.max);
        else
            saisie.lireNombre(**e);
    } else if (const auto* r = std::get_if<float*>(&champ))
        saisie.lireNombre(**r);
    else if (const auto* s = std::get_if<std::string*>(&champ))
        **s = tuv::delspaces(saisie.getText());
}

void ecrireCase(const Controle& c, const Champ& champ, bool etat)
{
    if (const auto* e = std::get_if<int*>(&champ))
        **e = etat ? 1 : 0;
    else if (const auto* b = std::get_if<bool*>(&champ))
        **b = c.genre == Genre::CaseInverse ? !etat : etat;
}

} // namespace

// A control whose field is missing (no character, or it lacks the sprite, bank or definition
// holding it) is emptied and takes neither typing nor clicks; so are the sprite's buttons.
void CJeuDialogPerso::init()
{
    CPerso* p = pPerso.get();
    for (const Controle& c : CONTROLES) {
        const Champ champ = p ? c.champ(*p) : Champ();
        CPLUXControl* controle = getControl(c.id);
        if (!controle)
            continue;
        if (estCase(c.genre)) {
            if (CPLUXControlButtonCheck* b = ctrlButtonCheck(c.id))
                b->setCheck(coche(c, champ));
        } else {
            editeur::remplirTexte(controle, texte(champ));
        }
        controle->setActive(!std::holds_alternative<std::monostate>(champ));
    }
    for (const char* bouton : {BOUTON_POS_INIT, BOUTON_SPRITE})
        if (CPLUXControl* b = getControl(bouton))
            b->setActive(p && p->sprite);
    rempli = p != nullptr;
}

void CJeuDialogPerso::onCreate()
{
    CPLUXDialog::onCreate();
    init();
}

void CJeuDialogPerso::onRefresh()
{
    CPLUXDialog::onRefresh();
    init();
}

void CJeuDialogPerso::onFrame()
{
    CPLUXDialog::onFrame();
    CPerso* p = pPerso.get();
    if (!p) {
        // Its character went away between two fills: the dialog empties at once.
        if (rempli)
            init();
        return;
    }
    for (const char* id : {"myTextInputX", "myTextInputY"}) {
        CPLUXControlTextInput* saisie = ctrlTextInput(id);
        const Controle* c = controle(id);
        if (!saisie || !c || saisie->hasFocus())
            continue;
        const std::string t = texte(c->champ(*p));
        if (saisie->getText() != t)
            editeur::remplirTexte(saisie, t);
    }
}

void CJeuDialogPerso::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    CPerso* p = pPerso.get();
    const Controle* ctrl = c ? controle(c->getId()) : nullptr;
    // A field shown only is never written back, whatever sets its text.
    if (!p || !ctrl || estCase(ctrl->genre) || c->isReadOnly())
        return;
    const Champ champ = ctrl->champ(*p);
    ecrire(*ctrl, champ, *c);
    // The weapon code reads that many slots of the list: never more than it holds.
    if (std::get_if<int*>(&champ) && std::get<int*>(champ) == &p->nbarmesperso) {
        p->nbarmesperso = std::clamp(p->nbarmesperso, 0, static_cast<int>(p->armes.size()));
        c->montrerValeurGardee(p->nbarmesperso);
    }
    // What the level file keeps: the scale the sprite keeps with its start, the facing placed.
    if (p->sprite && (champ == Champ(&p->sprite->sx) || champ == Champ(&p->sprite->sy))) {
        p->sprite->sxMax = p->sprite->sx;
        p->sprite->syMax = p->sprite->sy;
    }
    if (champ == Champ(&p->direction))
        p->directionInitiale = p->direction;
}

void CJeuDialogPerso::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    CPerso* p = pPerso.get();
    const Controle* ctrl = c ? controle(c->getId()) : nullptr;
    if (p && ctrl && estCase(ctrl->genre))
        ecrireCase(*ctrl, ctrl->champ(*p), c->isChecked());
}

bool CJeuDialogPerso::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    CPerso* p = pPerso.get();
    if (!c || !p || !p->sprite)
        return true;
    CSPRITE& sprite = *p->sprite;
    if (c->getId() == BOUTON_POS_INIT) {
        sprite.x0 = sprite.x;
        sprite.y0 = sprite.y;
        editeur::remplirTexte(getControl("myTextInputXi"), tuv::ftos(sprite.x0));
        editeur::remplirTexte(getControl("myTextInputYi"), tuv::ftos(sprite.y0));
    } else if (c->getId() == BOUTON_SPRITE) {
        // The sprite dialog edits the level's selection; a character's sprite is in no plane.
        MondeJeu* jeu = faceJeu::monde();
        if (jeu && jeu->pdecor) {
            jeu->pdecor->pSDSelection = &sprite;
            jeu->pdecor->pPlanSelection = nullptr;
        }
        CPLUX::show(editeur::id::SPRITE);
        if (auto* d = dynamic_cast<CJeuDialogSprite*>(CPLUX::getDialog(editeur::id::SPRITE)))
            d->init();
    }
    return true;
}

namespace editeur {

void editerPerso(CPerso* perso, bool basculer)
{
    auto* d = dynamic_cast<CJeuDialogPerso*>(CPLUX::getDialog(id::PERSO));
    if (!d)
        return;
    d->pPerso = perso;
    d->init();
    if (!basculer)
        return;
    // Closed by its cross the dialog is hidden without being minimised: shown is what counts.
    if (d->estAffiche())
        CPLUX::hide(id::PERSO);
    else
        CPLUX::show(id::PERSO);
}

} // namespace editeur
