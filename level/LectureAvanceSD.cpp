#include "level/LectureAvanceSD.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Sprite.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

constexpr std::uintptr_t LIGNE = 64;

// The fetching functions are always inlined: the compiler takes a function that only fetches
// for one without effect, and drops its calls.

// Fetches every cache line from a to b, in whichever order the two fields lie.
[[gnu::always_inline]] inline void charger(const void* a, const void* b)
{
    std::uintptr_t debut = reinterpret_cast<std::uintptr_t>(a), fin = reinterpret_cast<std::uintptr_t>(b);
    if (debut > fin)
        std::swap(debut, fin);
    for (debut &= ~(LIGNE - 1); debut <= fin; debut += LIGNE)
        __builtin_prefetch(reinterpret_cast<const void*>(debut));
}

// The whole of a field (a string's size lies past its start).
template <class T>
const char* finDe(const T& champ)
{
    return reinterpret_cast<const char*>(&champ) + sizeof(T) - 1;
}

[[gnu::always_inline]] inline void chargerTexte(const std::string& s)
{
    if (!s.empty())
        __builtin_prefetch(s.data());
}

// What the sprite's lines, in by now, point to and the writer reads.
[[gnu::always_inline]] inline void chargerPointes(const CSPRITE& sd)
{
    chargerTexte(sd.strID);
    if (sd.bPhysC && sd.pChemin)
        charger(sd.pChemin, reinterpret_cast<const char*>(sd.pChemin) + sizeof(CChemin) - 1);
    if (sd.bOmbre)
        charger(&sd.ombreSX, finDe(sd.ombreRotation));
    if (!sd.strShaderFrag.empty() || !sd.strShaderVert.empty()) {
        charger(&sd.uniformsVert, finDe(sd.uniformsFrag));
        chargerTexte(sd.strShaderFrag);
        chargerTexte(sd.strShaderVert);
    }
    if (const CParticules* p = sd.pParticules) {
        charger(&p->velX, finDe(p->aleaAccel));
        chargerTexte(p->strCheminTexture);
    }
    if (const CForceSD* f = sd.pForce)
        charger(&f->CycleMin, finDe(f->bDrapeau));
}

} // namespace

CLectureAvanceSD::CLectureAvanceSD(const std::vector<CSPRITE*>& s) : sprites(s)
{
    for (size_t i = 0; i < DISTANCE; ++i)
        avancer();
}

const CSPRITE* CLectureAvanceSD::derriere(size_t retard) const
{
    const size_t i = suivant - 1 - retard;
    return suivant > retard && i < sprites.size() ? sprites[i] : nullptr;
}

void CLectureAvanceSD::avancer()
{
    // The lines the writer reads of the sprite: place and flags, behaviours' switches and
    // shader names, id and behaviours' objects, sound.
    if (suivant < sprites.size())
        if (const CSPRITE* sd = sprites[suivant]) {
            charger(&sd->pDEC, finDe(sd->calque));
            charger(&sd->groupe, finDe(sd->strShaderFrag));
            charger(&sd->strID, finDe(sd->pForce));
            charger(&sd->idSon, finDe(sd->volumeSon));
        }
    ++suivant;
    if (const CSPRITE* s = derriere(RETARD_POINTES))
        chargerPointes(*s);
    if (const CSPRITE* s = derriere(RETARD_CHEMIN))
        commencerChemin(*s);
    avancerChemins();
}

void CLectureAvanceSD::commencerChemin(const CSPRITE& sd)
{
    if (!sd.bPhysC || !sd.pChemin || nbChemins == NB_CHEMINS_MAX || sd.pChemin->listeKP.empty())
        return;
    CheminEnCours& c = chemins[nbChemins++];
    c.noeud = sd.pChemin->listeKP.begin();
    c.fin = sd.pChemin->listeKP.end();
    c.kp = nullptr;
    __builtin_prefetch(&*c.noeud);
}

// One link of each path: the anchor of the key point fetched at the last step, the key point
// of the node fetched then, and the next node.
void CLectureAvanceSD::avancerChemins()
{
    for (size_t i = 0; i < nbChemins;) {
        CheminEnCours& c = chemins[i];
        if (c.kp && c.kp->pAncre)
            charger(&c.kp->pAncre->x, finDe(c.kp->pAncre->rotangle));
        c.kp = nullptr;
        if (c.noeud != c.fin) {
            c.kp = *c.noeud;
            if (c.kp)
                charger(c.kp, finDe(*c.kp));
            if (++c.noeud != c.fin)
                __builtin_prefetch(&*c.noeud);
        }
        if (!c.kp && c.noeud == c.fin)
            c = chemins[--nbChemins];
        else
            ++i;
    }
}
