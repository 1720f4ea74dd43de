#include <gtest/gtest.h>

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

}  // namespace
