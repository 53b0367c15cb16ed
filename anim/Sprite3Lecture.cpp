// Playback of CSPRITE3: ticks, keyframe arrival rules, end of an animation, daughter and
// sub-sprite animations, aim sweep, and the player simulation of the editor's preview.
#include "anim/Sprite3.h"

#include "anim/InterpreteurAnm.h"
#include "anim/Sprite3Interne.h"
#include "core/Commandes.h"
#include "core/Services.h"

#include <SFML/Audio/Sound.hpp>

#include <algorithm>
#include <atomic>
#include <cmath>

namespace {

// A coefficient far above any real frame rate would otherwise spin through thousands of frames.
constexpr int TICKS_MAX_PAR_APPEL = 1000;

thread_local int g_profondeur = 0;
// Without the game's frame clock, each outermost update is a frame of its own, numbered
// across threads so that two never share a number.
std::atomic<unsigned long> g_generation{0};
thread_local unsigned long g_generationEnCours = 0;

// Frame key of the call in progress: the game's frame number, else the outermost call's
// own number (kept apart from frame numbers by the top bit).
unsigned long cleFrame()
{
    unsigned long n = g_services.numeroFrame();
    if (n != 0)
        return n;
    return g_generationEnCours | (1UL << (sizeof(unsigned long) * 8 - 1));
}

struct Profondeur {
    Profondeur()
    {
        if (g_profondeur++ == 0)
            g_generationEnCours = ++g_generation;
    }
    ~Profondeur() { --g_profondeur; }
    Profondeur(const Profondeur&) = delete;
    Profondeur& operator=(const Profondeur&) = delete;
};

// Shared sprites (ANMREF) and sprites drawn in two passes are reached several times per
// frame: each animation moves on once per frame only.
bool marquerAvance(CSPRITE3& s, int a)
{
    if (static_cast<size_t>(a) >= s.framesAvancees.size())
        s.framesAvancees.resize(a + 1, 0);
    const unsigned long cle = cleFrame();
    if (s.framesAvancees[a] == cle)
        return false;
    s.framesAvancees[a] = cle;
    return true;
}

// Rules of the keyframe standing at the frame just reached. A daughter animation only
// follows the GOTO and direction rules: sounds and scripts belong to the mother.
void arriveeFrame(CSPRITE3& s, int a, bool principale)
{
    CSPRITE3_ANIMATION& an = *s.animations[a];
    CSPRITE3_KEYFRAME* trouvee = s.getKeyframeEnForce(a, an.frame);
    if (!trouvee || trouvee->frame != an.frame)
        return;
    CSPRITE3_KEYFRAME& kf = *trouvee;
    if (kf.sensChange)
        an.sens = kf.sensLecture < 0 ? -1 : 1;
    if (kf.gotoCible >= 0) {
        if (kf.gotoMax <= 0 || kf.compteurGoto < kf.gotoMax) {
            kf.compteurGoto++;
            an.frame = std::min(kf.gotoCible, an.nbFrames - 1);
        } else {
            kf.compteurGoto = 0;
        }
    }
    if (!principale)
        return;
    if (!kf.son.empty() && !(kf.bSonSiStop && g_services.sonEnCours(kf.son) == sf::Sound::Playing))
        g_services.jouerSon(kf.son);
    if (CScript* script = s.bScriptsKeyframesSuspendus ? nullptr : kf.scriptVivant())
        g_services.reprendreScript(script);
    if (s.bScriptsFrames && kf.scp.getNbLignes() > 0)
        CInterpreteurAnm::executer(s, kf.scp, a);
}

// Past the last frame (or before the first when playing backwards). False when playback
// of this animation stops for this tick.
bool finAnimation(CSPRITE3& s, int a)
{
    CSPRITE3_ANIMATION& an = *s.animations[a];
    an.nbLectures++;
    const bool enArriere = an.sens < 0;
    if (s.getAnim(an.animGoto) && an.nbLectures >= an.nbLecturesGoto + 1) {
        s.setAnimation2(an.animGoto, 0);
        return false;
    }
    if (s.bBoucle) {
        an.frame = enArriere ? an.nbFrames - 1 : 0;
        arriveeFrame(s, a, true);
        return true;
    }
    an.frame = enArriere ? 0 : an.nbFrames - 1;
    if (s.bStopFin) {
        s.bPlay = false;
        an.compteurTick = 0;
        g_services.notifierDialogue(s.pDialogue, "CSPRITE3_bPlay_changed");
    }
    return false;
}

// A daughter loops for as long as its mother shows it.
bool bouclerFille(CSPRITE3& s, int a)
{
    CSPRITE3_ANIMATION& an = *s.animations[a];
    an.nbLectures++;
    an.frame = an.sens >= 0 ? 0 : an.nbFrames - 1;
    arriveeFrame(s, a, false);
    return true;
}

bool avancerFrame(CSPRITE3& s, int a, bool principale)
{
    CSPRITE3_ANIMATION& an = *s.animations[a];
    if (an.nbFrames <= 0)
        return false;
    an.frame += an.sens;
    if (an.frame >= an.nbFrames || an.frame < 0)
        return principale ? finAnimation(s, a) : bouclerFille(s, a);
    arriveeFrame(s, a, principale);
    return true;
}

void avancerTicks(CSPRITE3& s, int a, bool principale)
{
    CSPRITE3_ANIMATION& an = *s.animations[a];
    const float c = g_services.framerateCoeff();
    if (!(c > 0) || !std::isfinite(c))
        return;
    // A speed below one tick per frame would never let the counter drop.
    const int vitesse = std::max(1, an.vitesse);
    // A frame script may switch the sprite to another animation: this one stops there.
    const int courante = s.animCourante;
    an.compteurTick += c;
    for (int n = 0; an.compteurTick >= vitesse; ++n) {
        if (n == TICKS_MAX_PAR_APPEL) {
            an.compteurTick = 0;
            break;
        }
        an.compteurTick -= vitesse;
        if (!avancerFrame(s, a, principale) || s.animCourante != courante)
            break;
    }
}

void avancerFille(CSPRITE3& s, int mere)
{
    CSPRITE3_ANIMATION& m = *s.animations[mere];
    CSPRITE3_ANIMATION& f = *s.animations[m.fille];
    if (f.nbFrames <= 0)
        return;
    if (m.bFilleSuitMere) {
        f.frame = std::clamp(m.frame, 0, f.nbFrames - 1);
        f.compteurTick = m.compteurTick;
        return;
    }
    avancerTicks(s, m.fille, false);
}

// Aim sweep of "initElementAnimationLinkViseeAuto": while on, it alone moves the current
// animation, one aim angle step per tick, showing the end angle before looping or stopping.
void avancerViseeAuto(CSPRITE3& s)
{
    ViseeAutoSprite3& v = s.viseeAuto;
    const CSPRITE3_ANIMATION& an = *s.animations[s.animCourante];
    const float c = g_services.framerateCoeff();
    if (v.angle == v.angleArrivee) {
        if (v.bBoucle)
            v.angle = v.angleDepart;
        else
            v.bActif = false;
    } else if (c > 0 && std::isfinite(c)) {
        const float pas = std::fabs(v.vitesse) * c;
        v.angle = v.angleArrivee >= v.angleDepart ? std::min(v.angle + pas, v.angleArrivee)
                                                  : std::max(v.angle - pas, v.angleArrivee);
    }
    // Clamped before the conversion: an angle far past the last frame is the last frame.
    const float frame = std::clamp(v.angle * std::max(1, an.nbFramesVisee), -1.0f, static_cast<float>(an.nbFrames));
    s.setFrame(s.animCourante, static_cast<int>(frame));
}

void avancer(CSPRITE3& s, int a);

void avancerSousSprites(CSPRITE3& s, int a)
{
    CSPRITE3_ANIMATION& an = *s.animations[a];
    for (size_t ae = 0; ae < an.animElems.size(); ++ae) {
        const CSPRITE3_ELEMENT* e = s.getElement(an.animElems[ae]->element);
        if (!e || !e->pSpriteLie)
            continue;
        const int lien = sprite3::animLiee(s, a, static_cast<int>(ae));
        if (lien >= 0)
            avancer(*e->pSpriteLie, lien);
    }
}

void majEmetteurs(CSPRITE3& s, int a)
{
    for (auto& el : s.animations[a]->animElems)
        if (el->bEmetteurActif && el->pParticules && !el->pParticules->bFini)
            el->pParticules->majTout();
}

void avancer(CSPRITE3& s, int a)
{
    Profondeur p;  // before the stamp: the outermost call opens a new frame key
    if (g_profondeur > sprite3::PROFONDEUR_MAX || !s.getAnim(a) || !marquerAvance(s, a))
        return;
    if (s.viseeAuto.bActif && a == s.animCourante)
        avancerViseeAuto(s);
    else
        avancerTicks(s, a, true);
    // ANIMATION_GOTO may have switched to another animation: the rest follows the one shown.
    const int courante = s.getAnim(s.animCourante) ? s.animCourante : a;
    const CSPRITE3_ANIMATION& an = *s.animations[courante];
    if (s.getAnim(an.fille) && an.fille != courante && marquerAvance(s, an.fille))
        avancerFille(s, courante);
    avancerSousSprites(s, courante);
    majEmetteurs(s, courante);
}

} // namespace

namespace sprite3 {

int animLiee(const CSPRITE3& s, int a, int ae)
{
    const CSPRITE3_ANIMELEM* el = s.getAnimElem(a, ae);
    const CSPRITE3_ELEMENT* e = el ? s.getElement(el->element) : nullptr;
    if (!e || !e->pSpriteLie)
        return -1;
    const CSPRITE3& sous = *e->pSpriteLie;
    const CSPRITE3_KEYANIMELEM* cle = s.getCle(a, s.animations[a]->frame, ae);
    if (cle && sous.getAnim(cle->lienAnim))
        return cle->lienAnim;
    if (sous.getAnim(sous.animCourante))
        return sous.animCourante;
    return sous.getAnim(e->lienAnim[0]) ? e->lienAnim[0] : -1;
}

float soubresaut(const CSPRITE3& s, int a)
{
    const CSPRITE3_ANIMATION* an = s.getAnim(a);
    if (!an || !an->bSoubressaut || an->frame < an->borneInf || an->frame > an->borneSup)
        return 0;
    // In float: a file's frame bounds times its speed overflow an int.
    const float ticks =
        (static_cast<float>(an->frame) - an->borneInf) * std::max(1, an->vitesse) + an->compteurTick;
    const float phase = ticks * an->vitesseSoubressaut * 3.14159265f / 180.0f;
    return -an->maxSoubressaut * std::fabs(std::sin(phase));
}

} // namespace sprite3

void CSPRITE3::update(CPLUXControl* ctrl, float zoom, float x, float y, int anim)
{
    const int a = getAnim(anim) ? anim : animCourante;
    if (!bPlay || !getAnim(a))
        return;
    avancer(*this, a);
}

// ------------------------------------------------------------------------------ player preview

namespace {

constexpr float IMPULSION_SAUT = 12.0f;
constexpr float GRAVITE = 1.0f;
constexpr float SEUIL_CHUTE = 6.0f;

std::string etatJoueur(const CommandesJoueur& c, float vitesseVerticale, bool marche)
{
    if (vitesseVerticale >= SEUIL_CHUTE)
        return "CHUTE";
    if (vitesseVerticale != 0)
        return "SAUT_MONTE";
    if (c.bAccroupi || c.bBasClavier || c.bBas)
        return "BAISSE";
    if (marche)
        return "MARCHE";
    if (c.bTirMaintenu || c.bTir)
        return "ARRET_VISEE";
    return "ARRET";
}

} // namespace

void CSPRITE3::updateEtatJoueur(int joueur)
{
    const CommandesJoueur* c = g_services.commandes(joueur);
    if (!c)
        return;
    const bool gauche = c->bGauche || c->stickGX < -0.5f;
    const bool droite = c->bDroite || c->stickGX > 0.5f;
    if (gauche != droite)
        miroir = gauche ? -1 : 1;

    if (vitesseVerticale == 0) {
        if (c->bSaut || c->bA)
            vitesseVerticale = -IMPULSION_SAUT;
    } else {
        vitesseVerticale += GRAVITE * g_services.framerateCoeff();
        // Back on the ground once the fall has undone the jump. A speed of exactly 0 means
        // "on the ground": the top of the jump must not land there.
        if (vitesseVerticale >= IMPULSION_SAUT || !std::isfinite(vitesseVerticale))
            vitesseVerticale = 0;
        else if (vitesseVerticale == 0)
            vitesseVerticale = 0.001f;
    }

    int a = getEtat(etatJoueur(*c, vitesseVerticale, gauche != droite));
    if (a < 0)
        a = getEtat("ARRET");
    if (getAnim(a) && a != animCourante)
        setAnimation2(a, 0);
}
