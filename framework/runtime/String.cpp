#include "framework/runtime/String.h"

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

String RuntimeAddString(String a, const String& b) {
  return AppendJoin(std::move(a), b.Bytes());
}

String AppendJoin(String&& a, std::string_view b) {
  FaultInjection::Check(Operation::RuntimeAddString);
  a.bytes_.append(b);
  return std::move(a);
}

String String::WithCapacity(std::string_view bytes, std::size_t capacity) {
  std::string buffer;
  buffer.reserve(capacity);
  buffer.append(bytes);
  return String(std::move(buffer));
}

String Chr(std::int64_t code) {
  FaultInjection::Check(Operation::Chr);
  if (code < 0 || code > 0x7F) {
    Raise<OutOfBoundsException>("Chr: " + std::to_string(code) + " is no ASCII code");
  }
  return String(std::string(1, static_cast<char>(code)));
}

}  // namespace framework
