// Write-back of the sprite properties dialog: typed values, checks and the colour go into the
// selected sprite at once.
#include "editor/JeuDialogSprite.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
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
#include "gui/OutilsControles.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <SFML/Audio/Sound.hpp>

#include <algorithm>
#include <cmath>

namespace {

namespace ids = IdSprite;

using Saisie = CPLUXControlTextInput;

// Numbers go by the number fields' rule (Saisie::lireNombre): blanks aside, a text that is no
// number is refused and the sprite keeps its value; texts are taken as typed.
struct LigneSaisie {
    const char* id;
    void (*ecrire)(CSPRITE&, Saisie&);
};

// A typed position is also where the sprite starts (what the level file keeps), as a drag
// makes it, unless the sprite collapses: its start is then where it waits.
void placer(CSPRITE& s, float& position, float& initiale, Saisie& c)
{
    if (c.lireNombre(position) && !s.bPhysE)
        initiale = position;
}

// A new layer hides the sprite unless the level shows that layer; layer 0 is always shown.
void changerCalque(CSPRITE& s, Saisie& c)
{
    int calque = s.calque;
    if (!c.lireNombre(calque))
        return;
    calque = std::max(0, calque);
    c.montrerValeurGardee(calque);
    if (calque == s.calque)
        return;
    s.calque = calque;
    const MondeJeu* jeu = faceJeu::monde();
    const CDecor* decor = jeu ? jeu->pdecor : nullptr;
    s.bVisible = calque == 0 || (decor && calque == decor->calqueVisible);
}

void changerGroupe(CSPRITE& s, Saisie& c)
{
    int groupe = s.groupe;
    if (c.lireNombre(groupe))
        s.groupe = std::max(0, groupe);
    c.montrerValeurGardee(s.groupe);
}

// Script parameters hold whole numbers.
template <int i>
void parametre(CSPRITE& s, Saisie& c)
{
    float p = s.paramsScript[i];
    if (c.lireNombre(p))
        s.paramsScript[i] = std::trunc(p);
    c.montrerValeurGardee(s.paramsScript[i]);
}

// A number of the sprite, read into place.
template <class T, T DonneesSprite::*champ>
void nombre(CSPRITE& s, Saisie& c)
{
    c.lireNombre(s.*champ);
}

template <float DonneesSprite::*champ>
void origine(CSPRITE& s, Saisie& c)
{
    if (c.lireNombre(s.*champ))
        s.appliquerOrigine();
}

using T = Saisie&;
using DS = DonneesSprite;

const LigneSaisie SAISIES[] = {
    {ids::myTextInputRotV, nombre<float, &DS::rotangle_virtuel>},
    {ids::myTextInputRot, nombre<float, &DS::rotangle>},
    {ids::myTextInputRotAnim, nombre<float, &DS::rotationPas>},
    {ids::myTextInputX, [](CSPRITE& s, T c) { placer(s, s.x, s.x0, c); }},
    {ids::myTextInputY, [](CSPRITE& s, T c) { placer(s, s.y, s.y0, c); }},
    {ids::myTextInputOmbreOfX, nombre<float, &DS::ombreDX>},
    {ids::myTextInputOmbreOfY, nombre<float, &DS::ombreDY>},
    {ids::myTextInputOmbreSX, nombre<float, &DS::ombreSX>},
    {ids::myTextInputOmbreSY, nombre<float, &DS::ombreSY>},
    {ids::myTextInputOmbreRotation, nombre<float, &DS::ombreRotation>},
    {ids::myTextInputOx, origine<&DS::ox>},
    {ids::myTextInputOy, origine<&DS::oy>},
    {ids::myTextInputCollision, nombre<int, &DS::collision>},
    {ids::myTextInputIdSon, [](CSPRITE& s, T c) { s.idSon = c.getText(); }},
    {ids::myTextInputID, [](CSPRITE& s, T c) { s.strID = c.getText(); }},
    {ids::myTextInputModeSon, nombre<int, &DS::modeSon>},
    {ids::myTextInputDelaisSon, nombre<int, &DS::delaiSon>},
    {ids::myTextInputCalque, changerCalque},
    {ids::myTextInputGroupe, changerGroupe},
    {ids::myTextInputParam1, parametre<0>},
    {ids::myTextInputParam2, parametre<1>},
    {ids::myTextInputParam3, parametre<2>},
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
// a full one, so that a flag and a slot that disagree neither leak nor double. The object made
// is the one the level reader makes from the line a save writes for it: what is checked plays
// as it will after R and C. Returns whether an object was made.
template <class T>
bool basculer(bool& drapeau, T*& slot, bool etat, T* (*nouveau)(const CSPRITE&) = nullptr,
              const CSPRITE* sd = nullptr)
{
    drapeau = etat;
    if (etat && !slot) {
        slot = nouveau && sd ? nouveau(*sd) : new T();
        return true;
    }
    if (!etat && slot) {
        delete slot;
        slot = nullptr;
    }
    return false;
}

// The destruction comes from the sprite's definition, as the reader gives it.
CPhysDestruction* destructionDefinie(const CSPRITE& sd)
{
    const CFichierDEC* def = sd.pDEC ? sd.pDEC->pFichierDEC : nullptr;
    return def ? def->nouvelleDestruction() : new CPhysDestruction();
}

// The file keeps no collapse speed: the reader gives the default one.
CPhysEffondrement* effondrementDefaut(const CSPRITE&)
{
    return new CPhysEffondrement(0, CPhysEffondrement::VITESSE_DEFAUT, true);
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
        l.ecrire(*sd, *c);
        if (c->getId() == ids::myTextInputX || c->getId() == ids::myTextInputY)
            montrerDepart(*sd);
        return;
    }
}

// The greyed start fields follow a typed position (a collapsing sprite's stays where it waits).
void CJeuDialogSprite::montrerDepart(const CSPRITE& sd)
{
    bRemplissage = true;
    editeur::afficher(*this, ids::myTextInputXi, sd.x0);
    editeur::afficher(*this, ids::myTextInputYi, sd.y0);
    bRemplissage = false;
}

void CJeuDialogSprite::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    CSPRITE* sd = selection();
    if (!c || !sd)
        return;
    const std::string& id = c->getId();
    const bool etat = c->isChecked();
    if (basculerComportement(*sd, id, etat)) {
        rafraichirOptions(sd);  // the options dialogs show the behaviour made or freed
        return;
    }
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
        basculer(sd.bPhysDestruction, sd.pPhysDestruction, etat, destructionDefinie, &sd);
    } else if (id == ids::myButtonCheckPhysE) {
        basculer(sd.bPhysE, sd.pPhysE, etat, effondrementDefaut, &sd);
    } else if (id == ids::myButtonCheckPhysP) {
        if (!etat) {
            elaguerPlateformes();
            oublierEmetteurDialogues(sd.pParticules);
        }
        if (basculer(sd.bPhysP, sd.pParticules, etat))
            sd.pParticules->attacher(&sd);
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
    // The author's colour is the level's, also over one a script gave in play.
    sd->setColor(couleur);
    sd->couleurDuNiveau.reset();
    if (auto* s3 = dynamic_cast<CSPRITE3*>(sd))
        s3->setCouleurGlobale(couleur);
}
