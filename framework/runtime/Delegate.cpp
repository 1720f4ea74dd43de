#include "framework/runtime/Delegate.h"

#include <string>

namespace framework {

std::unique_ptr<ClassRecord> Delegate::BuildClassRecord() {
  return RuntimeNewClass(nullptr, "Delegate");
}

Delegate::Delegate(const ClassRecord& record, DelegateInvoker invoker, std::any method,
                   Ref<Object> target, std::string signature, std::int32_t flags)
    : Object(record),
      invoker_(invoker),
      method_(std::move(method)),
      target_(std::move(target)),
      signature_(std::move(signature)),
      flags_(flags) {}

Ref<Delegate> RuntimeCreateDelegate(DelegateInvoker invoker, std::any method, Ref<Object> target,
                                    std::string_view signature, std::int32_t flags) {
  if (!invoker) Raise<InvalidArgumentException>("a delegate needs an invoker");
  return MakeObject<Delegate>(Delegate::Lookup(), invoker, std::move(method), std::move(target),
                              std::string(signature), flags);
}

namespace invokers {

void RequireArguments(std::span<std::any> arguments, std::size_t count) {
  if (arguments.size() != count) {
    Raise<InvalidArgumentException>("an invoker for " + std::to_string(count) +
                                    " arguments called with " + std::to_string(arguments.size()));
  }
}

std::any InvokeProcedure(const Delegate& delegate, std::span<std::any>) {
  std::any_cast<void (*)()>(delegate.Method())();
  return {};
}

std::any InvokeExceptionHelper(const Delegate& delegate, std::span<std::any> arguments) {
  RequireArguments(arguments, 2);
  auto helper = std::any_cast<ExceptionHelperFunction>(delegate.Method());
  return helper(std::any_cast<void (*)(void*)>(arguments[0]), std::any_cast<void*>(arguments[1]));
}

}  // namespace invokers

}  // namespace framework
