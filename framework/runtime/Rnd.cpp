#include "framework/runtime/Rnd.h"

#include <random>

namespace framework {

namespace {
std::mt19937_64& Generator() {
  static std::mt19937_64 generator{std::random_device{}()};
  return generator;
}
}  // namespace

double Rnd() {
  constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
  return static_cast<double>(Generator()() >> 11) * kTwoToMinus53;
}

void SeedRnd(std::uint64_t seed) {
  Generator().seed(seed);
}

}  // namespace framework
