#include "app/Startup.h"

// Arguments and environment are ignored: the program has no options.
int main() {
  return app::main();
}
