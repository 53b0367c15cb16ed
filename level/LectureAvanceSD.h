#pragma once
// Sprites fetched ahead of a walk that reads them all, such as the level writer's. A sprite
// is some twenty cache lines scattered in memory, its behaviours' objects more, and a
// key-point path a chain of list node, key point and anchor sprite: each a wait on memory
// when read cold. One step per sprite walked fetches the lines the writer reads of the sprite
// DISTANCE places ahead; a few steps later, once they are in, what they point to; and it moves
// every path under way one link on, so that the whole chain is in by the time its sprite is
// written. It only fetches: nothing is changed.
#include <cstddef>
#include <list>
#include <vector>

class CAncrageKP;
class CSPRITE;

class CLectureAvanceSD {
public:
    static constexpr size_t DISTANCE = 10;

    // Starts fetching the first DISTANCE sprites (null ones are passed over). The vector
    // must outlive this object, unchanged.
    explicit CLectureAvanceSD(const std::vector<CSPRITE*>& sprites);
    // To be called once before each sprite is read, in order.
    void avancer();

private:
    // How many places behind the sprite whose lines are fetched its pointed objects are
    // fetched, and its path started: by then the sprite's own lines are in.
    static constexpr size_t RETARD_POINTES = 3;
    static constexpr size_t RETARD_CHEMIN = 4;
    static constexpr size_t NB_CHEMINS_MAX = 8;  // paths under way at once; beyond, not fetched

    struct CheminEnCours {
        std::list<CAncrageKP*>::const_iterator noeud, fin;
        const CAncrageKP* kp = nullptr;  // fetched at the last step: its anchor comes next
    };

    const CSPRITE* derriere(size_t retard) const;
    void commencerChemin(const CSPRITE& sd);
    void avancerChemins();

    const std::vector<CSPRITE*>& sprites;
    size_t suivant = 0;  // the next sprite whose lines are fetched
    CheminEnCours chemins[NB_CHEMINS_MAX];
    size_t nbChemins = 0;
};
