#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "ExpectRaises.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/String.h"

namespace {

using framework::Chr;
using framework::PendingException;
using framework::RuntimeAddString;
using framework::String;
using namespace std::literals;

TEST(ChrTest, MakesTheOneByteStringOfAnAsciiCodeAndRefusesEveryOtherCode) {
  for (std::int64_t code : {0, 8, 13, 65, 0x7F}) {
    EXPECT_EQ(Chr(code).Bytes(), std::string(1, static_cast<char>(code))) << "code " << code;
  }
  for (std::int64_t code : {std::int64_t{-1}, std::int64_t{0x80}, std::int64_t{0xE9},
                            std::int64_t{INT64_MIN}, std::int64_t{0x100000000}}) {
    ExpectRaises(
        framework::OutOfBoundsException::Lookup(), [code] { (void)Chr(code); },
        "Chr(" + std::to_string(code) + ")");
  }
}

TEST(RuntimeAddStringTest, JoinsBytesExactly) {
  EXPECT_EQ(RuntimeAddString("sum es est", Chr(13)).Bytes(), "sum es est\r");
  EXPECT_EQ(RuntimeAddString(RuntimeAddString("a ", Chr(13)), " b").Bytes(), "a \r b");
  EXPECT_EQ(RuntimeAddString(String(), String()).Bytes(), "");
  EXPECT_EQ(RuntimeAddString("x", String()), String("x"));
  EXPECT_EQ(RuntimeAddString(String(), "x"), String("x"));

  // Control characters, NUL, multibyte text and stray bytes all pass through unchanged.
  const std::string_view withBackspace = "ve\bnia";
  EXPECT_EQ(RuntimeAddString(withBackspace, "\r").Bytes(), "ve\bnia\r");
  EXPECT_EQ(RuntimeAddString(String("a\0b"sv), String("\0"sv)).Bytes(), "a\0b\0"sv);
  EXPECT_EQ(RuntimeAddString("ș", "\xFF\xFE").Bytes(), "\xC8\x99\xFF\xFE");

  // Long operands: no truncation at small-string boundaries.
  const String longText(std::string(1000, 'x'));
  EXPECT_EQ(RuntimeAddString(longText, longText).Bytes(), std::string(2000, 'x'));
}

TEST(RuntimeAddStringTest, JoinsOntoAReservedBufferAndJoinsOfBytesAreJoinsToo) {
  String text = String::WithCapacity("venit", 64);
  EXPECT_EQ(text, String("venit"));
  text = RuntimeAddString(RuntimeAddString(std::move(text), Chr(13)), "venerunt"sv);
  EXPECT_EQ(text.Bytes(), "venit\rvenerunt");
  EXPECT_EQ(String::WithCapacity("a\0b"sv, 1).Bytes(), "a\0b"sv);  // room for less than the bytes

  // A join of bytes is a join: the second one here fails as the second join.
  framework::ScopedFault fault(framework::Operation::RuntimeAddString, 2);
  String first = RuntimeAddString(String("a"), "b"sv);
  EXPECT_THROW(RuntimeAddString(std::move(first), "c"sv), PendingException);
}

TEST(StringTest, ComparesByteForByte) {
  EXPECT_EQ(String(), String(""));
  EXPECT_NE(String("venit"), String("venit "));
  EXPECT_NE(String("e\xCC\x81"), String("\xC3\xA9")) << "no normalisation";
}

}  // namespace
