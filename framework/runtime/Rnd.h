#pragma once

#include <cstdint>

namespace framework {

// A double in [0, 1): 53 random bits times 2^-53, so never 1.0.
double Rnd();

// Makes the sequence of Rnd reproducible (tests, the user-action storm).
void SeedRnd(std::uint64_t seed);

}  // namespace framework
