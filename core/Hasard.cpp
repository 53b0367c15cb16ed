#include "core/Hasard.h"

#include <cstdint>

namespace tuv {
namespace {
uint32_t etat = 1;
}

int rand()
{
    etat = etat * 214013u + 2531011u;
    return static_cast<int>((etat >> 16) & 0x7FFF);
}

void srand(unsigned int graine) { etat = graine; }

} // namespace tuv
