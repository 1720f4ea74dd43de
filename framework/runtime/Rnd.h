#pragma once

#include <cstdint>
#include <functional>

namespace framework {

// A double in [0, 1): the top 53 bits of one raw 64-bit output times 2^-53, so never 1.0.
double Rnd();

// Makes the sequence of Rnd reproducible (tests, the user-action storm).
void SeedRnd(std::uint64_t seed);

// A test seam: while it lives, Rnd takes its raw 64-bit outputs from `source` instead of the
// generator, so that a test can reach the edges of the range. One at a time.
class ScopedRawRndSource {
 public:
  explicit ScopedRawRndSource(std::function<std::uint64_t()> source);
  ~ScopedRawRndSource();
  ScopedRawRndSource(const ScopedRawRndSource&) = delete;
  ScopedRawRndSource& operator=(const ScopedRawRndSource&) = delete;
};

}  // namespace framework
