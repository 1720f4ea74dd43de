#include "framework/ui/Backend.h"

#include <string>

#include "framework/runtime/Exceptions.h"

namespace framework {

namespace {
std::unique_ptr<UiBackend>& InstalledBackend() {
  static std::unique_ptr<UiBackend> backend;
  return backend;
}
}  // namespace

void InstallBackend(std::unique_ptr<UiBackend> backend) {
  InstalledBackend() = std::move(backend);
}

UiBackend* CurrentBackend() noexcept {
  return InstalledBackend().get();
}

UiBackend& RequireBackend(const char* operation) {
  UiBackend* backend = CurrentBackend();
  if (!backend) {
    Raise<UnsupportedOperationException>(std::string(operation) +
                                         " needs the user interface; RuntimeInit has not run");
  }
  return *backend;
}

}  // namespace framework
