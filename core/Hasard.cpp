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

namespace tuv {

int randModulo(long long n) { return n > 0 ? static_cast<int>(rand() % n) : 0; }

float randFraction() { return static_cast<float>(rand()) / RAND_MAX_JEU; }

} // namespace tuv
