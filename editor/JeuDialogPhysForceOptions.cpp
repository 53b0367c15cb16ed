// The force zone options: the zone's values shown and written back at once, and its scripts.
#include "editor/JeuDialogPhysForceOptions.h"

#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/ForceSD.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogSprite.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"
#include "script/Script.h"
#include "script/ScriptEngine.h"

namespace {

namespace ids = IdSprite::Force;

using Z = CForceSD;

// One text input: exactly one of the three fields is set.
struct Saisie {
    const char* id;
    int Z::*entier;
    float Z::*reel;
    std::string Z::*texte;
};

constexpr Saisie entier(const char* id, int Z::*f) { return {id, f, nullptr, nullptr}; }
constexpr Saisie reel(const char* id, float Z::*f) { return {id, nullptr, f, nullptr}; }
constexpr Saisie texte(const char* id, std::string Z::*f) { return {id, nullptr, nullptr, f}; }

const Saisie SAISIES[] = {
    entier(ids::myTextInputCycleMax, &Z::CycleMax),
    entier(ids::myTextInputCycleMin, &Z::CycleMin),
    entier(ids::myTextInputDureeMax, &Z::DureeMax),
    entier(ids::myTextInputDureeMin, &Z::DureeMin),
    reel(ids::myTextInputForceX, &Z::ForceX),
    reel(ids::myTextInputForceY, &Z::ForceY),
    texte(ids::myTextInputScript, &Z::Script),
    texte(ids::myTextInputScriptFermeture, &Z::ScriptFermeture),
    entier(ids::myTextInputButeeX, &Z::ButeeX),
    entier(ids::myTextInputButeeY, &Z::ButeeY),
    entier(ids::myTextInputMaxButeeX, &Z::MaxButeeX),
    entier(ids::myTextInputMaxButeeY, &Z::MaxButeeY),
    reel(ids::myTextInputModifAngleMax, &Z::ModifAngleMax),
    entier(ids::myTextInputRayonAttraction, &Z::RayonAttraction),
    entier(ids::myTextInputRayonAttracteur, &Z::RayonAttracteur),
    entier(ids::myTextInputEcartAngle, &Z::EcartAngle),
    reel(ids::myTextInputAccelerationDistance, &Z::AccelerationDistance),
};

// One check: a value of an enumerated field (written only when checked), or a flag.
struct Case {
    const char* id;
    int Z::*entier;
    int valeur;
    bool Z::*drapeau;
};

constexpr Case choix(const char* id, int Z::*f, int valeur) { return {id, f, valeur, nullptr}; }
constexpr Case drapeau(const char* id, bool Z::*f) { return {id, nullptr, 0, f}; }

const Case CASES[] = {
    choix(ids::myButtonCheckLocal, &Z::portee, 0),
    choix(ids::myButtonCheckTousPlans, &Z::portee, 1),
    choix(ids::myButtonCheckCePlan, &Z::portee, 2),
    drapeau(ids::myButtonCheckForceActive, &Z::ForceActive),
    drapeau(ids::myButtonCheckSpriteVisible, &Z::SpriteVisible),
    choix(ids::myButtonCheckForceValeur, &Z::modeForce, 0),
    choix(ids::myButtonCheckForceMult, &Z::modeForce, 1),
    choix(ids::myButtonCheckForceAjout, &Z::modeForce, 2),
    drapeau(ids::myButtonCheckInvSensX, &Z::InvSensX),
    drapeau(ids::myButtonCheckInvSensY, &Z::InvSensY),
    drapeau(ids::myButtonCheckAttracteur, &Z::Attracteur),
    drapeau(ids::myButtonCheckAccelDistance, &Z::AccelDistance),
    drapeau(ids::myButtonCheckModForceActif, &Z::ModForceActif),
    drapeau(ids::myButtonCheckDisparitionImpact, &Z::DisparitionImpact),
};

CSPRITE* spriteAvecZone()
{
    CSPRITE* sd = CJeuDialogSprite::selection();
    return sd && sd->pForce ? sd : nullptr;
}

// The zone's scripts: a chrono script (trigger 12) run once, attached to the sprite.
constexpr int DECLENCHEUR_CHRONO = 12;
constexpr int UNE_EXECUTION = 1;

} // namespace

void CJeuDialogPhysForceOptions::refreshFromSprite()
{
    const CSPRITE* sd = spriteAvecZone();
    remplir(sd ? sd->pForce : nullptr);
}

void CJeuDialogPhysForceOptions::remplir(const CForceSD* z)
{
    const bool avant = bRemplissage;
    bRemplissage = true;
    for (const Saisie& s : SAISIES) {
        if (!z)
            editeur::afficher(*this, s.id, std::string());
        else if (s.entier)
            editeur::afficher(*this, s.id, z->*s.entier);
        else if (s.reel)
            editeur::afficher(*this, s.id, z->*s.reel);
        else
            editeur::afficher(*this, s.id, z->*s.texte);
    }
    for (const Case& c : CASES)
        editeur::cocher(*this, c.id, z && (c.entier ? z->*c.entier == c.valeur : z->*c.drapeau));
    bRemplissage = avant;
}

void CJeuDialogPhysForceOptions::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    CSPRITE* sd = bRemplissage || !c ? nullptr : spriteAvecZone();
    if (!sd)
        return;
    CForceSD& z = *sd->pForce;
    for (const Saisie& s : SAISIES) {
        if (c->getId() != s.id)
            continue;
        if (s.entier)
            c->lireNombre(z.*s.entier);
        else if (s.reel)
            c->lireNombre(z.*s.reel);
        else
            z.*s.texte = tuv::delspaces(c->getText());
        return;
    }
}

void CJeuDialogPhysForceOptions::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    CSPRITE* sd = c ? spriteAvecZone() : nullptr;
    if (!sd)
        return;
    const bool etat = c->isChecked();
    CForceSD& z = *sd->pForce;
    for (const Case& k : CASES) {
        if (c->getId() != k.id)
            continue;
        if (!k.entier)
            z.*k.drapeau = etat;
        else if (etat)
            z.*k.entier = k.valeur;
        return;
    }
}

// A script the engine no longer holds (removed by the monitor, or by a level change) is
// made again rather than reloaded: the zone's pointer is then stale.
void CJeuDialogPhysForceOptions::preparerScript(CScript*& script, const std::string& fichier, CSPRITE& sd)
{
    const MondeJeu* jeu = faceJeu::monde();
    CScriptEngine* moteur = jeu ? jeu->pscriptEngine : nullptr;
    if (!moteur)
        return;
    if (script && moteur->contient(script)) {
        script->strFichier = fichier;
        moteur->chargerScript(script);
    } else {
        script = moteur->creerScript(fichier, &sd, DECLENCHEUR_CHRONO, UNE_EXECUTION, false, true);
    }
}

bool CJeuDialogPhysForceOptions::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    CSPRITE* sd = c ? spriteAvecZone() : nullptr;
    if (!sd)
        return true;
    CForceSD& z = *sd->pForce;
    const std::string* fichier = nullptr;
    if (c->getId() == ids::myButtonInitScript) {
        fichier = &z.Script;
        preparerScript(z.pScript, z.Script, *sd);
    } else if (c->getId() == ids::myButtonInitScriptFermeture) {
        fichier = &z.ScriptFermeture;
        preparerScript(z.pScriptFermeture, z.ScriptFermeture, *sd);
    }
    // Said as the script monitor says it: a file that is not there gives the script nothing.
    if (fichier && !tuv::fichierExiste(*fichier))
        CPLUX::MessageBoxW(getTitle(), "Fichier introuvable : « " + *fichier + " » (non relu).");
    return true;
}
