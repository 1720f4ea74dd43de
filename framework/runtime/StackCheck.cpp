#include "framework/runtime/StackCheck.h"

#include <pthread.h>

#include <cstdint>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

namespace {

struct StackBounds {
  std::uintptr_t low = 0;
  std::uintptr_t high = 0;
};

StackBounds QueryStackBounds() noexcept {
  StackBounds bounds;
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return bounds;
  void* address = nullptr;
  std::size_t size = 0;
  if (pthread_attr_getstack(&attributes, &address, &size) == 0) {
    bounds.low = reinterpret_cast<std::uintptr_t>(address);
    bounds.high = bounds.low + size;
  }
  pthread_attr_destroy(&attributes);
  return bounds;
}

}  // namespace

std::size_t StackReserve() noexcept {
#if defined(__SANITIZE_ADDRESS__)
  return 512 * 1024;  // instrumented frames are several times larger
#else
  return 128 * 1024;
#endif
}

void RuntimeStackCheck() {
  FaultInjection::Check(Operation::RuntimeStackCheck);
  thread_local const StackBounds bounds = QueryStackBounds();
  const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  // A frame outside the known stack (an alternate signal stack) is not checked.
  if (frame <= bounds.low || frame > bounds.high) return;
  if (frame - bounds.low < StackReserve()) {
    Raise<StackOverflowException>("stack nearly exhausted");
  }
}

}  // namespace framework
