// Where sprites live in memory. A level makes and frees thousands of them at once: one C
// library allocation per sprite made its load spend a fifth of its time in the allocator
// (large blocks are sorted into its bins one by one, and the small blocks between them merged
// back at the next load). Sprites are cut one after the other from plates of a few dozen
// sprites of one size instead: a load writes contiguous memory and calls the library once
// per plate. A plate goes back to the library when its last sprite is freed, and the plate
// being cut is cut again from its start when it empties; a freed place is not reused before
// then (keeping scattered freed places for reuse made loads slower).
// Sprites are made and freed on the game's thread only, as are all the drawables.
#include "core/Sprite.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define TUV_EMPOISONNER(a, n) ASAN_POISON_MEMORY_REGION(a, n)
#define TUV_DESEMPOISONNER(a, n) ASAN_UNPOISON_MEMORY_REGION(a, n)
#else
#define TUV_EMPOISONNER(a, n) ((void)(a), (void)(n))
#define TUV_DESEMPOISONNER(a, n) ((void)(a), (void)(n))
#endif

namespace {

constexpr std::size_t ALIGNEMENT = alignof(CSPRITE);
// Under the C library's threshold for mapping blocks of their own.
constexpr std::size_t OCTETS_PLAQUE = 48 * 1024;

// The head of a plate, in its first alignment. Each sprite's place starts with one alignment
// whose last word points to the plate, so that the sprite itself stays on its cache lines.
struct Plaque {
    void* bloc = nullptr;     // what the library gave
    std::size_t vivants = 0;  // sprites not yet freed
};

// The plates of one sprite size: the one being cut, and where its next place starts.
struct Reserve {
    std::size_t taille = 0;  // 0: not used yet
    Plaque* courante = nullptr;
    char* suivant = nullptr;
    char* fin = nullptr;
};

// CSPRITE, CSPRITE3 and room to spare; a further size takes the plain way below.
Reserve reserves[4];

Reserve* reserve(std::size_t taille, std::align_val_t alignement, bool creer)
{
    if (static_cast<std::size_t>(alignement) != ALIGNEMENT || taille % ALIGNEMENT != 0)
        return nullptr;
    for (Reserve& r : reserves) {
        if (r.taille == taille)
            return &r;
        if (r.taille == 0 && creer) {
            r.taille = taille;
            return &r;
        }
    }
    return nullptr;
}

char* premierePlace(const Plaque& p)
{
    const auto debut = reinterpret_cast<std::uintptr_t>(p.bloc) + sizeof(Plaque) + ALIGNEMENT - 1;
    return reinterpret_cast<char*>(debut & ~(ALIGNEMENT - 1));
}

void nouvellePlaque(Reserve& r)
{
    const std::size_t place = ALIGNEMENT + r.taille;
    const std::size_t n = std::max<std::size_t>(1, OCTETS_PLAQUE / place);
    void* bloc = std::malloc(2 * ALIGNEMENT + n * place);
    if (!bloc)
        throw std::bad_alloc();
    auto* p = new (bloc) Plaque();
    p->bloc = bloc;
    r.courante = p;
    r.suivant = premierePlace(*p);
    r.fin = r.suivant + n * place;
    TUV_EMPOISONNER(r.suivant, n * place);
}

// One sprite per block, aligned by hand: for a size without plates.
void* blocSeul(std::size_t taille, std::size_t a)
{
    void* bloc = std::malloc(taille + a);
    if (!bloc)
        throw std::bad_alloc();
    const std::uintptr_t objet = (reinterpret_cast<std::uintptr_t>(bloc) + a) & ~(a - 1);
    reinterpret_cast<void**>(objet)[-1] = bloc;
    return reinterpret_cast<void*>(objet);
}

} // namespace

void* CSPRITE::operator new(std::size_t taille, std::align_val_t alignement)
{
    Reserve* r = reserve(taille, alignement, true);
    if (!r)
        return blocSeul(taille, static_cast<std::size_t>(alignement));
    if (!r->courante || r->suivant == r->fin)
        nouvellePlaque(*r);
    char* objet = r->suivant + ALIGNEMENT;
    r->suivant = objet + taille;
    TUV_DESEMPOISONNER(objet - sizeof(Plaque*), sizeof(Plaque*) + taille);
    reinterpret_cast<Plaque**>(objet)[-1] = r->courante;
    ++r->courante->vivants;
    return objet;
}

void CSPRITE::operator delete(void* objet, std::size_t taille, std::align_val_t alignement) noexcept
{
    if (!objet)
        return;
    Reserve* r = reserve(taille, alignement, false);
    if (!r) {
        std::free(static_cast<void**>(objet)[-1]);
        return;
    }
    Plaque* p = static_cast<Plaque**>(objet)[-1];
    TUV_EMPOISONNER(objet, taille);
    if (--p->vivants != 0)
        return;
    // The plate being cut is cut again from its start: a sprite made and freed in turn
    // (a copy, a preview) neither takes nor gives back a plate each time.
    if (p == r->courante)
        r->suivant = premierePlace(*p);
    else
        std::free(p->bloc);
}
