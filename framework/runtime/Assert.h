#pragma once

// Checks of the framework's own invariants in debug builds. A failed check is a fault in this
// code, not a framework exception: it names the condition and ends the process.
#ifdef NDEBUG
#define FRAMEWORK_ASSERT(condition) static_cast<void>(0)
#else
#define FRAMEWORK_ASSERT(condition)   \
  ((condition) ? static_cast<void>(0) \
               : ::framework::AssertionFailed(#condition, __FILE__, __LINE__))
#endif

namespace framework {

[[noreturn]] void AssertionFailed(const char* condition, const char* file, int line) noexcept;

// The object as its derived type T, which the caller knows it to be; checked in debug builds.
template <class T, class Base>
T& Downcast(Base& object) noexcept {
  FRAMEWORK_ASSERT(dynamic_cast<T*>(&object) != nullptr);
  return static_cast<T&>(object);
}

}  // namespace framework
