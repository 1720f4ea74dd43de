#include <memory>

// With an argument it reads past a heap block, without one it overflows an int (2147483647 is
// the largest): the sanitizers must stop either.
int main(int argc, char**) {
  if (argc > 1) return std::make_unique<char[]>(1)[argc];
  return 2147483647 + argc;
}
