#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "framework/runtime/Rnd.h"

namespace {

TEST(RndTest, AlwaysInTheHalfOpenUnitInterval) {
  framework::SeedRnd(20240501);
  double sum = 0;
  int low = 0;
  constexpr int kDraws = 200'000;
  for (int i = 0; i < kDraws; ++i) {
    const double value = framework::Rnd();
    ASSERT_GE(value, 0.0);
    ASSERT_LT(value, 1.0);
    sum += value;
    if (value < 0.5) ++low;
  }
  // Spread over the whole interval, not squeezed into part of it.
  EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
  EXPECT_NEAR(static_cast<double>(low) / kDraws, 0.5, 0.01);
}

TEST(RndTest, SeedMakesTheSequenceReproducible) {
  auto draw = [](std::uint64_t seed) {
    framework::SeedRnd(seed);
    std::vector<double> values;
    for (int i = 0; i < 16; ++i) values.push_back(framework::Rnd());
    return values;
  };
  EXPECT_EQ(draw(7), draw(7));
  EXPECT_NE(draw(7), draw(8));
}

TEST(RndTest, RawOutputsAtTheEdgesStayInTheHalfOpenUnitInterval) {
  framework::SeedRnd(5);
  const double first = framework::Rnd();
  framework::SeedRnd(5);
  const struct {
    std::uint64_t raw;
    double expected;
  } edges[] = {
      {0, 0.0},
      {std::uint64_t{1} << 63, 0.5},
      {~std::uint64_t{0}, std::nextafter(1.0, 0.0)},  // the largest double below 1
  };
  for (const auto& edge : edges) {
    const framework::ScopedRawRndSource source([raw = edge.raw] { return raw; });
    const double value = framework::Rnd();
    EXPECT_LT(value, 1.0) << "raw output " << edge.raw;
    EXPECT_EQ(value, edge.expected) << "raw output " << edge.raw;
  }
  // The generator is back once each scope ends, and the raw sources did not advance it.
  EXPECT_EQ(framework::Rnd(), first);
#ifndef NDEBUG
  // One raw source at a time: the inner one's end would take the outer one away too.
  const framework::ScopedRawRndSource outer([] { return std::uint64_t{0}; });
  EXPECT_DEATH(framework::ScopedRawRndSource{[] { return std::uint64_t{1}; }}, "RawSourceOverride");
#endif
}

}  // namespace
