#pragma once
// The game's random numbers. The rules divide rand() by 32767 and take rand() % n,
// so they need the classic 15-bit generator, not glibc's 31-bit rand().
namespace tuv {

constexpr int RAND_MAX_JEU = 32767;
int rand();
void srand(unsigned int graine);

// rand() % n for a bound that may come from a size of 0 or less (a level of no width): then
// no draw is made and the random part is 0. Taken as long long so that a sum such as
// width + margin cannot overflow on the way.
int randModulo(long long n);
// rand() / 32767: a fraction from 0 to 1.
float randFraction();

} // namespace tuv
