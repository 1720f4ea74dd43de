#pragma once

#include <exception>
#include <memory>
#include <string>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"

namespace framework {

// The framework's exceptions are framework objects with class records. Raising one throws it as
// a PendingException; catching that is "taking the pending exception".
class RuntimeException : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(RuntimeException)
  explicit RuntimeException(const ClassRecord& record, std::string message = {});

  const std::string& Message() const noexcept { return message_; }

 private:
  std::string message_;
};

// The record of an exception class E: a class without operations of its own.
template <class E>
std::unique_ptr<ClassRecord> NewExceptionRecord(const ClassRecord* superclass, std::string name) {
  auto record = RuntimeNewClass(superclass, std::move(name));
  record->SetFactory([](const ClassRecord& r) -> Ref<Object> { return MakeObject<E>(r); });
  return record;
}

#define FRAMEWORK_EXCEPTION_CLASS(Name)                                    \
  class Name : public RuntimeException {                                   \
   public:                                                                 \
    static std::unique_ptr<ClassRecord> BuildClassRecord() {               \
      return NewExceptionRecord<Name>(&RuntimeException::Lookup(), #Name); \
    }                                                                      \
    static const ClassRecord& Lookup() { return ClassRecordOf<Name>(); }   \
    using RuntimeException::RuntimeException;                              \
  };

FRAMEWORK_EXCEPTION_CLASS(NilObjectException)
FRAMEWORK_EXCEPTION_CLASS(OutOfBoundsException)
FRAMEWORK_EXCEPTION_CLASS(IllegalCastException)
FRAMEWORK_EXCEPTION_CLASS(StackOverflowException)
FRAMEWORK_EXCEPTION_CLASS(UnsupportedOperationException)
FRAMEWORK_EXCEPTION_CLASS(InvalidArgumentException)

#undef FRAMEWORK_EXCEPTION_CLASS

// Throws the exception as a PendingException; nil raises NilObjectException.
[[noreturn]] void RuntimeRaiseException(Ref<RuntimeException> exception);

// The C++ carrier of a raised framework exception, which it always holds.
class PendingException : public std::exception {
 public:
  const Ref<RuntimeException>& Exception() const noexcept { return exception_; }
  const char* what() const noexcept override { return description_.c_str(); }

 private:
  friend void RuntimeRaiseException(Ref<RuntimeException> exception);
  explicit PendingException(Ref<RuntimeException> raised);

  Ref<RuntimeException> exception_;
  std::string description_;
};

// Creates an exception of the given class with a message.
template <class E>
Ref<E> NewException(std::string message = {}) {
  return MakeObject<E>(E::Lookup(), std::move(message));
}

template <class E>
[[noreturn]] void Raise(std::string message = {}) {
  RuntimeRaiseException(NewException<E>(std::move(message)));
}

[[noreturn]] void RaiseNilObjectException();

// Called inside a catch block: the exception being handled as a framework exception. A C++
// exception that is none becomes a RuntimeException that names it.
Ref<RuntimeException> RuntimeTakeCurrentException();

// "ClassName: message", or the class name alone.
std::string Describe(const RuntimeException& exception);

}  // namespace framework
