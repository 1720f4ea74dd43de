#include "framework/runtime/String.h"

#include <algorithm>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

String RuntimeAddString(const String& a, const String& b) {
  FaultInjection::Check(Operation::RuntimeAddString);
  std::string joined;
  joined.reserve(a.Length() + b.Length());
  joined.append(a.Bytes()).append(b.Bytes());
  return String(std::move(joined));
}

String RuntimeAddString(String&& a, const String& b) {
  return AppendJoin(std::move(a), b.Bytes());
}

String AppendJoin(String&& a, std::string_view b) {
  FaultInjection::Check(Operation::RuntimeAddString);
  a.bytes_.append(b);
  return std::move(a);
}

String String::WithCapacity(std::string_view bytes, std::size_t capacity) {
  std::string buffer;
  buffer.reserve(std::max(capacity, bytes.size()));
  buffer.append(bytes);
  return String(std::move(buffer));
}

String Chr(std::int64_t code) {
  FaultInjection::Check(Operation::Chr);
  if (code < 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
    Raise<OutOfBoundsException>("Chr: " + std::to_string(code) + " is no character code");
  }
  const auto c = static_cast<std::uint32_t>(code);
  if (c < 0x80) return String(std::string(1, static_cast<char>(c)));
  std::string bytes;
  if (c < 0x800) {
    bytes.push_back(static_cast<char>(0xC0 | (c >> 6)));
    bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    bytes.push_back(static_cast<char>(0xE0 | (c >> 12)));
    bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    bytes.push_back(static_cast<char>(0xF0 | (c >> 18)));
    bytes.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    bytes.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
  return String(std::move(bytes));
}

}  // namespace framework
