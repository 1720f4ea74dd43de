#include "framework/runtime/Rnd.h"

#include <random>
#include <utility>

#include "framework/runtime/Assert.h"

namespace framework {

namespace {
std::mt19937_64& Generator() {
  static std::mt19937_64 generator{std::random_device{}()};
  return generator;
}

// The raw source that replaces the generator, or empty.
std::function<std::uint64_t()>& RawSourceOverride() {
  static std::function<std::uint64_t()> source;
  return source;
}
}  // namespace

double Rnd() {
  constexpr double kTwoToMinus53 = 1.0 / 9007199254740992.0;
  const std::function<std::uint64_t()>& source = RawSourceOverride();
  const std::uint64_t raw = source ? source() : Generator()();
  return static_cast<double>(raw >> 11) * kTwoToMinus53;
}

void SeedRnd(std::uint64_t seed) {
  Generator().seed(seed);
}

ScopedRawRndSource::ScopedRawRndSource(std::function<std::uint64_t()> source) {
  FRAMEWORK_ASSERT(!RawSourceOverride());
  RawSourceOverride() = std::move(source);
}

ScopedRawRndSource::~ScopedRawRndSource() {
  RawSourceOverride() = nullptr;
}

}  // namespace framework
