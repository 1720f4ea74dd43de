#include "framework/runtime/Assert.h"

#include <cstdio>
#include <cstdlib>

namespace framework {

void AssertionFailed(const char* condition, const char* file, int line) noexcept {
  std::fprintf(stderr, "%s:%d: framework invariant failed: %s\n", file, line, condition);
  std::abort();
}

}  // namespace framework
