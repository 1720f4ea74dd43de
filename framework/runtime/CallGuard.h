#pragma once

#include <array>

#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/StackCheck.h"

namespace framework {

// The prologue of a method of the program's: holds the receiver and each object argument for
// the length of the call (nil is ignored), then makes the framework's stack check.
//   CallGuard guard{this, sender};
template <class... Objects>
class CallGuard {
 public:
  explicit CallGuard(Objects*... objects) : held_{Ref<Object>(objects)...} { RuntimeStackCheck(); }
  CallGuard(const CallGuard&) = delete;
  CallGuard& operator=(const CallGuard&) = delete;

 private:
  std::array<Ref<Object>, sizeof...(Objects)> held_;
};

}  // namespace framework
