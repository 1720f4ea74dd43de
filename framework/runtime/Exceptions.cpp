#include "framework/runtime/Exceptions.h"

namespace framework {

namespace {

template <class E>
std::unique_ptr<ClassRecord> BuildExceptionRecord(const ClassRecord* superclass, std::string name) {
  auto record = RuntimeNewClass(superclass, std::move(name));
  record->SetFactory([](const ClassRecord& r) -> Ref<Object> { return MakeObject<E>(r); });
  RuntimeNewVtable(*record, {});
  return record;
}

}  // namespace

RuntimeException::RuntimeException(const ClassRecord& record, std::string message)
    : Object(record), message_(std::move(message)) {}

const ClassRecord& RuntimeException::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = BuildExceptionRecord<RuntimeException>(nullptr, "RuntimeException");
    RuntimeNewVtable(*record, {"Message", "ErrorNumber", "Stack"});
    return record;
  });
}

#define DEFINE_EXCEPTION_LOOKUP(Name)                                                   \
  const ClassRecord& Name::Lookup() {                                                   \
    static ClassRecordSlot slot;                                                        \
    return slot.Get(                                                                    \
        [] { return BuildExceptionRecord<Name>(&RuntimeException::Lookup(), #Name); }); \
  }

DEFINE_EXCEPTION_LOOKUP(NilObjectException)
DEFINE_EXCEPTION_LOOKUP(OutOfBoundsException)
DEFINE_EXCEPTION_LOOKUP(IllegalCastException)
DEFINE_EXCEPTION_LOOKUP(StackOverflowException)
DEFINE_EXCEPTION_LOOKUP(UnsupportedOperationException)
DEFINE_EXCEPTION_LOOKUP(InvalidArgumentException)

#undef DEFINE_EXCEPTION_LOOKUP

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
