#pragma once

#include <cstdint>
#include <functional>

#include "framework/runtime/Ref.h"

namespace framework {

class RuntimeException;

// The framework operations that a test can make fail.
enum class Operation : std::uint8_t {
  Chr,
  RuntimeAddString,
  CreateArray,
  ArrayGet,
  ArraySet,
  RuntimeStackCheck,
  RuntimeNewObject,
  RuntimeNewClass,
  SetProperties,
  MenuItemSet,
  Append,
  RegisterAppObject,
};

// A test seam: makes the Nth call of one operation raise a chosen framework exception. When
// nothing is armed, a check is one load and one branch.
class FaultInjection {
 public:
  using ExceptionFactory = std::function<Ref<RuntimeException>()>;

  // The `nthCall`-th call (counted from 1, so never 0) of `operation` from now on raises;
  // NilObjectException unless `make` says otherwise. One fault is armed at a time; it fires once.
  static void Arm(Operation operation, std::uint64_t nthCall, ExceptionFactory make = {});
  static void Disarm() noexcept;
  static bool Fired() noexcept;

  static void Check(Operation operation) {
    if (armed_) [[unlikely]]
      CheckArmed(operation);
  }

 private:
  static void CheckArmed(Operation operation);
  static inline bool armed_ = false;
};

// Arms a fault for the lifetime of a test scope and disarms it at the end.
class ScopedFault {
 public:
  ScopedFault(Operation operation, std::uint64_t nthCall,
              FaultInjection::ExceptionFactory make = {}) {
    FaultInjection::Arm(operation, nthCall, std::move(make));
  }
  ~ScopedFault() { FaultInjection::Disarm(); }
  ScopedFault(const ScopedFault&) = delete;
  ScopedFault& operator=(const ScopedFault&) = delete;
};

}  // namespace framework
