#pragma once

#include <concepts>
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
  // `bytes` in a buffer with room for `capacity` bytes in all, so that joins onto it append in
  // place.
  static String WithCapacity(std::string_view bytes, std::size_t capacity);

  std::string_view Bytes() const noexcept { return bytes_; }

  friend bool operator==(const String&, const String&) = default;
  friend String AppendJoin(String&& a, std::string_view b);

 private:
  std::string bytes_;
};

// a + b, appended in place to the buffer of `a`.
String RuntimeAddString(String a, const String& b);

// The join of a temporary and bytes that are no String yet, without making one of them first.
String AppendJoin(String&& a, std::string_view b);
template <std::same_as<std::string_view> Bytes>
String RuntimeAddString(String&& a, Bytes b) {
  return AppendJoin(std::move(a), b);
}

// The one-character string of an ASCII code (0..127); raises OutOfBoundsException for any other
// code, since the framework makes no other characters.
String Chr(std::int64_t code);

}  // namespace framework
