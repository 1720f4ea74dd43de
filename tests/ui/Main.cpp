#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/ui/Process.h"

// The widget tests run on real widgets without a display.
int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  framework::RuntimeInit();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
