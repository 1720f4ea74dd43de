#include "framework/runtime/Exceptions.h"

namespace framework {

RuntimeException::RuntimeException(const ClassRecord& record, std::string message)
    : Object(record), message_(std::move(message)) {}

std::unique_ptr<ClassRecord> RuntimeException::BuildClassRecord() {
  return NewExceptionRecord<RuntimeException>(nullptr, "RuntimeException");
}

PendingException::PendingException(Ref<RuntimeException> raised)
    : exception_(std::move(raised)), description_(Describe(*exception_)) {}

void RuntimeRaiseException(Ref<RuntimeException> exception) {
  // Raising nil raises a nil object.
  if (!exception) exception = NewException<NilObjectException>("nil raised");
  throw PendingException(std::move(exception));
}

void RaiseNilObjectException() {
  Raise<NilObjectException>();
}

Ref<RuntimeException> RuntimeTakeCurrentException() {
  try {
    throw;
  } catch (const PendingException& pending) {
    return pending.Exception();
  } catch (const std::exception& other) {
    return NewException<RuntimeException>(std::string("C++ exception: ") + other.what());
  } catch (...) {
    return NewException<RuntimeException>("unknown C++ exception");
  }
}

std::string Describe(const RuntimeException& exception) {
  std::string text = exception.Class().Name();
  if (!exception.Message().empty()) text += ": " + exception.Message();
  return text;
}

}  // namespace framework
