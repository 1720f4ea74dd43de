#include "framework/runtime/StackCheck.h"

#include <pthread.h>

#include <cstdint>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

namespace {

// The low end of the calling thread's stack, or 0 when it cannot be found.
std::uintptr_t QueryStackLowEnd() noexcept {
  std::uintptr_t low = 0;
  pthread_attr_t attributes;
  if (pthread_getattr_np(pthread_self(), &attributes) != 0) return low;
  void* address = nullptr;
  std::size_t size = 0;
  if (pthread_attr_getstack(&attributes, &address, &size) == 0) {
    low = reinterpret_cast<std::uintptr_t>(address);
  }
  pthread_attr_destroy(&attributes);
  return low;
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
  thread_local const std::uintptr_t low = QueryStackLowEnd();
  const auto frame = reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
  // Unsigned: a frame below the stack (an alternate signal stack) wraps around, and one above it
  // or on a stack not found lies far from the low end; neither raises.
  if (frame - low < StackReserve()) {
    Raise<StackOverflowException>("stack nearly exhausted");
  }
}

}  // namespace framework
