#include "framework/runtime/Exceptions.h"

namespace framework {

RuntimeException::RuntimeException(const ClassRecord& record, std::string message)
    : Object(record), message_(std::move(message)) {}

std::unique_ptr<ClassRecord> RuntimeException::BuildClassRecord() {
  auto record = NewExceptionRecord<RuntimeException>(nullptr, "RuntimeException");
  RuntimeNewVtable(*record, {"Message", "ErrorNumber", "Stack"});
  return record;
}

PendingException::PendingException(Ref<RuntimeException> raised)
    : exception_(std::move(raised)),
      description_(exception_ ? Describe(*exception_) : std::string("RuntimeException")) {}

void RuntimeRaiseException(Ref<RuntimeException> exception) {
  throw PendingException(std::move(exception));
}

void RaiseNilObjectException() {
  Raise<NilObjectException>();
}

Ref<RuntimeException> RuntimeTakeCurrentException() {
  try {
    throw;
  } catch (const PendingException& pending) {
    return pending.Exception() ? pending.Exception() : NewException<RuntimeException>();
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
