#pragma once
// The game's random numbers. The rules divide rand() by 32767 and take rand() % n,
// so they need the classic 15-bit generator, not glibc's 31-bit rand().
namespace tuv {

constexpr int RAND_MAX_JEU = 32767;
int rand();
void srand(unsigned int graine);

} // namespace tuv
