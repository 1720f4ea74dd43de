#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace framework {

// The framework's immutable string: a run of UTF-8 bytes, compared and stored byte for byte.
// Nil is the empty string; any byte, control characters included, passes through unchanged.
class String {
 public:
  String() = default;
  String(std::string_view bytes) : bytes_(bytes) {}  // NOLINT(google-explicit-constructor)
  String(const char* bytes) : bytes_(bytes) {}       // NOLINT(google-explicit-constructor)
  explicit String(std::string&& bytes) noexcept : bytes_(std::move(bytes)) {}

  std::string_view Bytes() const noexcept { return bytes_; }
  std::size_t Length() const noexcept { return bytes_.size(); }
  bool IsEmpty() const noexcept { return bytes_.empty(); }

  friend bool operator==(const String&, const String&) = default;
  friend String RuntimeAddString(String&& a, const String& b);

 private:
  std::string bytes_;
};

// a + b. A temporary left operand lends its buffer to the result.
String RuntimeAddString(const String& a, const String& b);
String RuntimeAddString(String&& a, const String& b);

// The one-character string of a code point (UTF-8 encoded); raises OutOfBoundsException for a
// code that is no Unicode scalar value.
String Chr(std::int64_t code);

}  // namespace framework
