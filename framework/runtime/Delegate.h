#pragma once

#include <any>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"

namespace framework {

class Delegate;

// An invoker is the glue for one call shape: it unpacks the arguments, calls the delegate's
// method on its target (or the plain function when the delegate has none) and packs the result.
using DelegateInvoker = std::any (*)(const Delegate& delegate, std::span<std::any> arguments);

// A callable bound to an optional target object.
class Delegate final : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Delegate)
  Delegate(const ClassRecord& record, DelegateInvoker invoker, std::any method, Ref<Object> target,
           std::string signature, std::int32_t flags);

  const std::any& Method() const noexcept { return method_; }
  Object* Target() const noexcept { return target_.get(); }
  const std::string& Signature() const noexcept { return signature_; }
  std::int32_t Flags() const noexcept { return flags_; }

  std::any Invoke(std::span<std::any> arguments) const { return invoker_(*this, arguments); }

 private:
  DelegateInvoker invoker_;
  std::any method_;
  Ref<Object> target_;
  std::string signature_;
  std::int32_t flags_;
};

Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, std::any method, Ref<Object> target,
                                    std::string_view signature, std::int32_t flags);

// The entry pointer of a delegate: what the framework keeps and calls. A nil delegate gives the
// null entry.
class EntryPoint {
 public:
  EntryPoint() = default;
  explicit EntryPoint(const Ref<Delegate>& delegate) : delegate_(delegate) {}
  explicit operator bool() const noexcept { return static_cast<bool>(delegate_); }

  // Calls the delegate with the arguments as they are passed (a framework object as Object*).
  template <class... Args>
  std::any operator()(Args&&... args) const {
    if (!delegate_) RaiseNilObjectException();
    std::any packed[] = {std::any(std::forward<Args>(args))..., std::any()};
    return delegate_->Invoke(std::span<std::any>(packed, sizeof...(Args)));
  }

 private:
  Ref<Delegate> delegate_;
};

inline EntryPoint EntryPointer(const Ref<Delegate>& delegate) {
  return EntryPoint(delegate);
}

// Invokers. Methods are member functions of the target's class; an invoker whose target is nil
// raises NilObjectException. An invoker that takes arguments raises InvalidArgumentException
// when called with another number of them.
namespace invokers {

void RequireArguments(std::span<std::any> arguments, std::size_t count);

template <class Target>
Target& TargetOf(const Delegate& delegate) {
  auto* target = dynamic_cast<Target*>(delegate.Target());
  if (!target) RaiseNilObjectException();
  return *target;
}

// "( Sender )": a method taking one object, the event's sender.
template <class Target, class Sender>
std::any IM_Invoke(const Delegate& delegate, std::span<std::any> arguments) {
  Target& target = TargetOf<Target>(delegate);
  auto method = std::any_cast<void (Target::*)(Sender*)>(delegate.Method());
  RequireArguments(arguments, 1);
  Object* sender = std::any_cast<Object*>(arguments[0]);
  Ref<Sender> typed = RuntimeCheckCast<Sender>(sender);
  (target.*method)(typed.get());
  return {};
}

// "(  ) as Boolean": a method without parameters that returns a Boolean.
template <class Target>
std::any IM_InvokeBoolean(const Delegate& delegate, std::span<std::any>) {
  Target& target = TargetOf<Target>(delegate);
  auto method = std::any_cast<bool (Target::*)()>(delegate.Method());
  return (target.*method)();
}

// "(  )": a plain function without parameters or target.
std::any InvokeProcedure(const Delegate& delegate, std::span<std::any> arguments);

// "( Ptr, Ptr ) as Object": the exception-handling call wrapper, a plain function that calls a
// function pointer with one pointer argument and returns the exception it raised, or nil.
using ExceptionHelperFunction = Ref<RuntimeException> (*)(void (*)(void*), void*);
std::any InvokeExceptionHelper(const Delegate& delegate, std::span<std::any> arguments);

}  // namespace invokers

}  // namespace framework
