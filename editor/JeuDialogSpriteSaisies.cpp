// Write-back of the sprite properties dialog: typed values, checks and the colour go into the
// selected sprite at once.
#include "editor/JeuDialogSprite.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/EtatJeu.h"
#include "core/ForceSD.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/LiensDialogues.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlTextInput.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <SFML/Audio/Sound.hpp>

#include <algorithm>
#include <cmath>

namespace {

namespace ids = IdSprite;

// The text as the input holds it, or without its blanks ("1 5" is 15 in X, 1 in Rot).
enum class Lecture { TelQuel, SansBlancs };

struct LigneSaisie {
    const char* id;
    Lecture lecture;
    void (*ecrire)(CSPRITE&, const std::string&);
};

float nombre(const std::string& t) { return tuv::stof(t); }

// A typed position is also where the sprite starts (what the level file keeps), as a drag
// makes it, unless the sprite collapses: its start is then where it waits.
void placer(CSPRITE& s, float& position, float& initiale, const std::string& t)
{
    position = nombre(t);
    if (!s.bPhysE)
        initiale = position;
}

// A new layer hides the sprite unless the level shows that layer; layer 0 is always shown.
void changerCalque(CSPRITE& s, const std::string& t)
{
    const int calque = std::max(0, tuv::stoi(t));
    if (calque == s.calque)
        return;
    s.calque = calque;
    const MondeJeu* jeu = faceJeu::monde();
    const CDecor* decor = jeu ? jeu->pdecor : nullptr;
    s.bVisible = calque == 0 || (decor && calque == decor->calqueVisible);
}

void changerGroupe(CSPRITE& s, const std::string& t)
{
    const int groupe = std::max(0, tuv::stoi(t));
    if (groupe != s.groupe)
        s.groupe = groupe;
}

// Script parameters hold whole numbers.
float parametre(const std::string& t) { return std::trunc(nombre(t)); }

using L = Lecture;
using T = const std::string&;

const LigneSaisie SAISIES[] = {
    {ids::myTextInputRotV, L::TelQuel, [](CSPRITE& s, T t) { s.rotangle_virtuel = nombre(t); }},
    {ids::myTextInputRot, L::TelQuel, [](CSPRITE& s, T t) { s.rotangle = nombre(t); }},
    {ids::myTextInputRotAnim, L::TelQuel, [](CSPRITE& s, T t) { s.rotationPas = nombre(t); }},
    {ids::myTextInputX, L::SansBlancs, [](CSPRITE& s, T t) { placer(s, s.x, s.x0, t); }},
    {ids::myTextInputY, L::SansBlancs, [](CSPRITE& s, T t) { placer(s, s.y, s.y0, t); }},
    {ids::myTextInputOmbreOfX, L::SansBlancs, [](CSPRITE& s, T t) { s.ombreDX = nombre(t); }},
    {ids::myTextInputOmbreOfY, L::SansBlancs, [](CSPRITE& s, T t) { s.ombreDY = nombre(t); }},
    {ids::myTextInputOmbreSX, L::SansBlancs, [](CSPRITE& s, T t) { s.ombreSX = nombre(t); }},
    {ids::myTextInputOmbreSY, L::SansBlancs, [](CSPRITE& s, T t) { s.ombreSY = nombre(t); }},
    {ids::myTextInputOmbreRotation, L::SansBlancs, [](CSPRITE& s, T t) { s.ombreRotation = nombre(t); }},
    {ids::myTextInputOx, L::SansBlancs, [](CSPRITE& s, T t) { s.ox = nombre(t), s.appliquerOrigine(); }},
    {ids::myTextInputOy, L::SansBlancs, [](CSPRITE& s, T t) { s.oy = nombre(t), s.appliquerOrigine(); }},
    {ids::myTextInputCollision, L::TelQuel, [](CSPRITE& s, T t) { s.collision = tuv::stoi(t); }},
    {ids::myTextInputIdSon, L::TelQuel, [](CSPRITE& s, T t) { s.idSon = t; }},
    {ids::myTextInputID, L::TelQuel, [](CSPRITE& s, T t) { s.strID = t; }},
    {ids::myTextInputModeSon, L::SansBlancs, [](CSPRITE& s, T t) { s.modeSon = tuv::stoi(t); }},
    {ids::myTextInputDelaisSon, L::SansBlancs, [](CSPRITE& s, T t) { s.delaiSon = tuv::stoi(t); }},
    {ids::myTextInputCalque, L::SansBlancs, changerCalque},
    {ids::myTextInputGroupe, L::SansBlancs, changerGroupe},
    {ids::myTextInputParam1, L::SansBlancs, [](CSPRITE& s, T t) { s.paramsScript[0] = parametre(t); }},
    {ids::myTextInputParam2, L::SansBlancs, [](CSPRITE& s, T t) { s.paramsScript[1] = parametre(t); }},
    {ids::myTextInputParam3, L::SansBlancs, [](CSPRITE& s, T t) { s.paramsScript[2] = parametre(t); }},
};

// The checks that only set a flag of the sprite.
const struct {
    const char* id;
    bool DonneesSprite::*drapeau;
} DRAPEAUX[] = {
    {ids::myButtonCheckSprVisible, &DonneesSprite::bVisible},
    {ids::myButtonCheckOmbre, &DonneesSprite::bOmbre},
    {ids::myButtonCheckOmbreAVP, &DonneesSprite::bOmbreAvantPlan},
    {ids::myButtonCheckAvantPlan, &DonneesSprite::bPosDansLePlan},
    {ids::myButtonCheckCollisionsActives, &DonneesSprite::bCollisionsActives},
    {ids::myButtonCheckDECdefaut, &DonneesSprite::bDecDefaut},
};

// The flag follows the check; an object is made only into an empty slot and freed only from
// a full one, so that a flag and a slot that disagree neither leak nor double.
template <class T>
void basculer(bool& drapeau, T*& slot, bool etat)
{
    drapeau = etat;
    if (etat && !slot) {
        slot = new T();
    } else if (!etat && slot) {
        delete slot;
        slot = nullptr;
    }
}

CPerso* joueur()
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pPerso.get() : nullptr;
}

// The player's bounce step walks its list of decor sprites: an emitter, a path or a force
// zone puts the sprite there, once.
void ajouterPlateforme(CSPRITE& sd)
{
    if (CPerso* p = joueur())
        if (std::find(p->plateformes.begin(), p->plateformes.end(), &sd) == p->plateformes.end())
            p->plateformes.push_back(&sd);
}

// The sprites the player's bounce step drops: those whose bounce pad is not idle.
void elaguerPlateformes()
{
    if (CPerso* p = joueur())
        p->plateformes.remove_if([](const CSPRITE* sd) { return getEtatRebond(sd) != 0; });
}

// The zone's scripts belong to the engine; without the zone nothing would stop them.
void supprimerScriptsForce(const CForceSD& force)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (CScriptEngine* moteur = jeu ? jeu->pscriptEngine : nullptr)
        for (CScript* s : {force.pScript, force.pScriptFermeture})
            if (s)
                moteur->supprimerScriptPtr(s);
}

} // namespace

void CJeuDialogSprite::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    CSPRITE* sd = selection();
    if (!c || !sd || bRemplissage)
        return;
    for (const LigneSaisie& l : SAISIES) {
        if (c->getId() != l.id)
            continue;
        const std::string t = c->getText();
        l.ecrire(*sd, l.lecture == Lecture::SansBlancs ? tuv::delspaces(t) : t);
        return;
    }
}

void CJeuDialogSprite::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    CSPRITE* sd = selection();
    if (!c || !sd)
        return;
    const std::string& id = c->getId();
    const bool etat = c->isChecked();
    if (basculerComportement(*sd, id, etat))
        return;
    for (const auto& d : DRAPEAUX)
        if (id == d.id) {
            (*sd).*(d.drapeau) = etat;
            return;
        }
    if (id == ids::myButtonCheckSonLocal)
        basculerSonLocal(*sd, etat);
}

bool CJeuDialogSprite::basculerComportement(CSPRITE& sd, const std::string& id, bool etat)
{
    if (id == ids::myButtonCheckPhysB) {
        basculer(sd.bPhysB, sd.pPhysB, etat);
    } else if (id == ids::myButtonCheckPhysG) {
        basculer(sd.bPhysG, sd.pPhysG, etat);
    } else if (id == ids::myButtonCheckPhysR) {
        basculer(sd.bPhysR, sd.pPhysR, etat);
    } else if (id == ids::myButtonCheckPhysDestruction) {
        basculer(sd.bPhysDestruction, sd.pPhysDestruction, etat);
    } else if (id == ids::myButtonCheckPhysE) {
        basculer(sd.bPhysE, sd.pPhysE, etat);
    } else if (id == ids::myButtonCheckPhysP) {
        if (!etat) {
            elaguerPlateformes();
            oublierEmetteurDialogues(sd.pParticules);
        }
        basculer(sd.bPhysP, sd.pParticules, etat);
    } else if (id == ids::myButtonCheckPhysForce) {
        if (!etat && sd.pForce)
            supprimerScriptsForce(*sd.pForce);
        basculer(sd.bPhysForce, sd.pForce, etat);
    } else if (id == ids::myButtonCheckPhysC) {
        if (!etat)
            elaguerPlateformes();
        basculer(sd.bPhysC, sd.pChemin, etat);
    } else {
        return false;
    }
    const bool plateforme = id == ids::myButtonCheckPhysP || id == ids::myButtonCheckPhysForce ||
                            id == ids::myButtonCheckPhysC;
    if (etat && plateforme)
        ajouterPlateforme(sd);
    return true;
}

// On: the sprite plays its sound through an object of its own (the game makes it), at half
// volume; off: through the game's sound table again.
void CJeuDialogSprite::basculerSonLocal(CSPRITE& sd, bool etat)
{
    if (etat) {
        if (ServicesJeu* jeu = faceJeu::services())
            jeu->attacherSon(sd.idSon, &sd);
    } else if (sd.pSon) {
        sd.pSon->stop();
        delete sd.pSon;
        sd.pSon = nullptr;
    }
}

void CJeuDialogSprite::onCtrlColorChange(CPLUXControlColor* c)
{
    CPLUXDialog::onCtrlColorChange(c);
    CSPRITE* sd = selection();
    if (!c || !sd || c->getId() != ids::myColor)
        return;
    const sf::Color couleur = c->getColor();
    sd->setColor(couleur);
    if (auto* s3 = dynamic_cast<CSPRITE3*>(sd))
        s3->setCouleurGlobale(couleur);
}
