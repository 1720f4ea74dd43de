#include "framework/runtime/FaultInjection.h"

#include "framework/runtime/Assert.h"
#include "framework/runtime/Exceptions.h"

namespace framework {

namespace {
struct ArmedFault {
  Operation operation{};
  std::uint64_t remaining = 0;
  FaultInjection::ExceptionFactory make;
  bool fired = false;
};
ArmedFault& Fault() {
  static ArmedFault fault;
  return fault;
}
}  // namespace

void FaultInjection::Arm(Operation operation, std::uint64_t nthCall, ExceptionFactory make) {
  FRAMEWORK_ASSERT(nthCall > 0);
  Fault() = ArmedFault{operation, nthCall, std::move(make), false};
  armed_ = true;
}

void FaultInjection::Disarm() noexcept {
  armed_ = false;
  Fault().make = nullptr;
}

bool FaultInjection::Fired() noexcept {
  return Fault().fired;
}

void FaultInjection::CheckArmed(Operation operation) {
  ArmedFault& fault = Fault();
  if (operation != fault.operation || --fault.remaining > 0) return;
  armed_ = false;
  fault.fired = true;
  Ref<RuntimeException> exception =
      fault.make ? fault.make() : NewException<NilObjectException>("injected fault");
  RuntimeRaiseException(std::move(exception));
}

}  // namespace framework
