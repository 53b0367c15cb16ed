// The run loop: once per frame every running script takes a step (a "{" ... "}" block runs
// on within the frame) and every idle script tests its trigger.
#include "script/ScriptEngine.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Commandes.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <algorithm>
#include <cmath>

namespace {

// Pressed and released flags of the first player's record for triggers 3 to 10.
struct BoutonDeclencheur {
    bool CommandesJoueur::*appuye;
    bool CommandesJoueur::*relache;
};
const BoutonDeclencheur BOUTONS[] = {
    {&CommandesJoueur::bA, &CommandesJoueur::bRelA},         {&CommandesJoueur::bB, &CommandesJoueur::bRelB},
    {&CommandesJoueur::bX, &CommandesJoueur::bRelX},         {&CommandesJoueur::bY, &CommandesJoueur::bRelY},
    {&CommandesJoueur::bRB, &CommandesJoueur::bRelRB},       {&CommandesJoueur::bLB, &CommandesJoueur::bRelLB},
    {&CommandesJoueur::bStart, &CommandesJoueur::bRelStart}, {&CommandesJoueur::bBack, &CommandesJoueur::bRelBack},
};

bool boutonDeclencheur(int type, bool release)
{
    const PartieJeu* jeu = faceJeu::partie();
    if (!jeu || type < declencheur::BOUTON_A || type > declencheur::BOUTON_BACK)
        return false;
    const BoutonDeclencheur& b = BOUTONS[type - declencheur::BOUTON_A];
    return jeu->commandes[0].*(release ? b.relache : b.appuye);
}

// The camera position, truncated, inside the zone, edges included.
bool cameraDans(const ZoneScript& z)
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!z.valide || !jeu || !jeu->pvue)
        return false;
    const long long cx = tuv::floatVersInt(jeu->pvue->x), cy = tuv::floatVersInt(jeu->pvue->y);
    const long long zx = tuv::floatVersInt(z.x), zy = tuv::floatVersInt(z.y);
    return zx <= cx && cx <= zx + tuv::floatVersInt(z.largeur) && zy <= cy && cy <= zy + tuv::floatVersInt(z.hauteur);
}

} // namespace

CDecor* CScriptEngine::monde()
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pdecor : nullptr;
}

float CScriptEngine::coefficient()
{
    const PartieJeu* jeu = faceJeu::partie();
    const float c = jeu ? jeu->framerateCoeff : 1.0f;
    return (c > 0 && c < 100) ? c : 1.0f;
}

namespace {

// A coordinate as a whole pixel: truncated for the triggers, rounded for the editor's view;
// the plain cast where it is defined, the guarded conversion for the rest.
template <bool ARRONDI>
float pixel(float v)
{
    if (ARRONDI)
        v = std::round(v);
    return static_cast<float>(v > -2e9f && v < 2e9f ? static_cast<int>(v) : tuv::floatVersInt(v));
}

// Inlined in the trigger test, which computes a zone for every idle zone script each frame.
template <bool ARRONDI>
[[gnu::always_inline]] inline ZoneScript calculerZone(const CSPRITE& sd)
{
    const sf::Vector2i taille = sd.getTaille();
    const int gauche = sd.hitbox[0], haut = sd.hitbox[1], droite = sd.hitbox[2], bas = sd.hitbox[3];
    // In 64 bits: margins read from a file may be anything.
    const long long w = static_cast<long long>(taille.x) - gauche - droite;
    const long long h = static_cast<long long>(taille.y) - haut - bas;
    const long long dx = sd.flipH == -1 ? taille.x - gauche - w : gauche;
    const long long dy = sd.flipV == -1 ? taille.y - haut - h : haut;
    ZoneScript z;
    z.valide = true;
    z.x = pixel<ARRONDI>((static_cast<float>(dx) - sd.ox) * sd.sx + sd.x);
    z.y = pixel<ARRONDI>((static_cast<float>(dy) - sd.oy) * sd.sy + sd.y);
    z.largeur = pixel<ARRONDI>(static_cast<float>(w) * sd.sx);
    z.hauteur = pixel<ARRONDI>(static_cast<float>(h) * sd.sy);
    return z;
}

template <bool ARRONDI>
[[gnu::always_inline]] inline ZoneScript zoneDe(const CScript& script)
{
    const CSPRITE* sd = script.pSD;
    if (!sd || !sd->pDEC)
        return ZoneScript();
    return calculerZone<ARRONDI>(*sd);
}
} // namespace

ZoneScript CScriptEngine::zoneScript(const CScript& script, bool arrondir)
{
    return arrondir ? zoneDe<true>(script) : zoneDe<false>(script);
}

namespace {
// A sprite of another zone than the level's, or an own AI while the game's AI switch is off.
inline bool filtre(const CScript& s, const MondeJeu* jeu)
{
    if (s.pSD && s.pSD->calque != 0 && jeu && jeu->pdecor && s.pSD->calque != jeu->pdecor->calqueVisible)
        return true;
    return s.pIAPropre && jeu && !faceJeu::options()->bAfficheIAs;
}
} // namespace

bool CScriptEngine::estFiltre(const CScript& s) const { return filtre(s, faceJeu::monde()); }

// Scripts and their sprites lie scattered in memory, and the trigger test of an idle script is
// short: the script a few places ahead, then its sprite's fields that the test reads, are
// fetched while this one runs. Both start a cache line (see their classes): the script's
// fields lie on its first line, the sprite's from pDEC to the margins on its first two.
void CScriptEngine::prefetcherScripts(size_t i) const
{
    constexpr size_t AVANCE_SCRIPT = 16, AVANCE_SPRITE = 8;
    if (i + AVANCE_SCRIPT < scripts.size())
        __builtin_prefetch(scripts[i + AVANCE_SCRIPT].get());
    if (i + AVANCE_SPRITE < scripts.size())
        if (const CSPRITE* sd = scripts[i + AVANCE_SPRITE]->pSD) {
            __builtin_prefetch(&sd->pDEC);
            __builtin_prefetch(&sd->hitbox[3]);
        }
}

int CScriptEngine::lancerScripts()
{
    debutPasseCommandes();
    bBloc = 0;
    nettoyer();
    ++nPasse;
    nbEtapesPasse = 0;
    borneEtapesPasse = 0;
    bSegmentsAJour = false;
    // Scripts made during the pass stand after these: they test their trigger but take no step.
    const size_t presents = scripts.size();
    const MondeJeu* jeu = faceJeu::monde();  // the game object outlives the pass
    for (size_t i = 0; i < scripts.size(); ++i) {
        prefetcherScripts(i);
        CScript* s = scripts[i].get();
        // The bound: no script present at the start takes more steps than it has commands.
        if (i < presents)
            borneEtapesPasse += static_cast<int>(s->commandes.size());
        if (s->bSupprime || filtre(*s, jeu))
            continue;
        if (s->bEnCours) {
            if (i < presents && !s->commandes.empty() && !s->bPause)
                executerBloc(s);
        } else {
            declencher(s);
        }
    }
    bBloc = 0;
    --nPasse;
    executerActionsDifferees();
    return 1;
}

// The frame's clean-up: scripts to destroy once their runs are spent.
void CScriptEngine::nettoyer()
{
    for (size_t i = 0; i < scripts.size();) {
        const CScript& s = *scripts[i];
        if (s.bDetruireFin && s.nbRunFaits >= s.nbRunMax)
            detruireScript(i);
        else
            ++i;
    }
}

// One step, and more in the same frame while the script's block stays open and moves on.
void CScriptEngine::executerBloc(CScript* s)
{
    const int maximum = static_cast<int>(s->commandes.size());
    int pas = 0;
    bool avance = false;
    do {
        const int avant = s->numCmdCour;
        executerCommande(s);
        ++pas;
        ++nbEtapesPasse;
        avance = s->numCmdCour != avant;
    } while (s->bBlocOuvert && avance && s->bEnCours && !s->bPause && !s->bSupprime && !estFiltre(*s) &&
             pas < maximum);
    bBloc = 0;
}

// Each character as the vertical segment from its sprite's position up to its head; a
// removed one, or one without an animated sprite, stands nowhere.
void CScriptEngine::lireSegmentsPersos()
{
    segmentsJoueurs.clear();
    segmentsIAs.clear();
    bSegmentsAJour = true;
    const CDecor* d = monde();
    if (!d)
        return;
    for (auto [liste, segments] : {std::pair{&d->persos, &segmentsJoueurs}, std::pair{&d->ias, &segmentsIAs}})
        for (CPerso* p : *liste) {
            if (!p || p->bDel || !p->sprite)
                continue;
            const CSPRITE3& sp = *p->sprite;
            segments->push_back({p, sp.x, sp.y, sp.y - static_cast<float>(p->posTete[0]) * sp.sy, sp.bVisible});
        }
}

inline CPerso* CScriptEngine::persoDansZone(const ZoneScript& z, bool ias, bool visibles)
{
    if (!z.valide)
        return nullptr;
    if (!bSegmentsAJour)
        lireSegmentsPersos();
    CPerso* dernier = nullptr;
    const float droite = z.x + z.largeur, bas = z.y + z.hauteur;
    for (const SegmentPerso& p : ias ? segmentsIAs : segmentsJoueurs) {
        // Most characters are far from most zones: the segment test only for those near.
        if (p.x < z.x || p.x > droite || (visibles && !p.visible))
            continue;
        if (CDecor::intersectionSegmentRect(p.x, p.bas, p.x, p.haut, z.x, z.y, droite, bas))
            dernier = p.perso;
    }
    return dernier;
}

// Trigger 12: fires once the countdown has run out, then reloads it; the countdown moves on
// idle frames while the sprite shows animation 1 (every idle frame without a sprite).
bool CScriptEngine::chronoEcoule(CScript& s)
{
    if (s.nCompteChrono < 1) {
        s.nCompteChrono = imagesChrono(s.nChrono);
        return true;
    }
    if (!s.pSD || s.pSD->getNumAnim() == 1)
        --s.nCompteChrono;
    return false;
}

void CScriptEngine::declencher(CScript* s)
{
    if (s->nbRunMax != -1 && s->nbRunFaits >= s->nbRunMax)
        return;
    CSPRITE* sd = s->pSD;
    if (sd && sd->bIndiceZone && sd->pDEC)
        sd->bIndiceZone = false;  // written only when set: a written line costs its write-back
    const int type = s->nDeclencheur;
    CPerso* perso = nullptr;
    bool feu = false;
    switch (type) {
    case declencheur::IMMEDIAT:
    case declencheur::IMMEDIAT_PAUSE: feu = true; break;
    case declencheur::CHRONO: feu = chronoEcoule(*s); break;
    case declencheur::ZONE_CAMERA: feu = cameraDans(zoneDe<false>(*s)); break;
    case declencheur::ZONE_JOUEUR:
    case declencheur::ZONE_IA:
        perso = persoDansZone(zoneDe<false>(*s), type == declencheur::ZONE_IA, type == declencheur::ZONE_JOUEUR);
        feu = perso != nullptr;
        break;
    default:
        if (type < declencheur::BOUTON_A || type > declencheur::BOUTON_BACK)
            return;  // no such trigger: never
        perso = persoDansZone(zoneDe<false>(*s), false, false);
        if (!boutonDeclencheur(type, s->bRelease)) {
            if (type == declencheur::BOUTON_Y && perso)
                sd->bIndiceZone = true;  // the zone's cue
            return;
        }
        feu = perso != nullptr;
    }
    if (!feu)
        return;
    s->bEnCours = true;
    if (perso)
        s->pPersoDeclencheur = perso;
}
