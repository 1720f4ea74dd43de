// Each marked line trips one kind of warning that the build enables: none of them may compile.
int Probe(int value, int unused) {                    // -Wextra: unused parameter
  int never;                                          // -Wall: unused variable
  short narrow = value;                               // -Wconversion
  for (int value = narrow; value > 0;) return value;  // -Wshadow
  return ({ narrow; });                               // -Wpedantic: a statement as an expression
}
