#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

#include "framework/runtime/Value.h"

namespace framework {

// One entry to encode: a property's name and its value, whose type fixes how the list holds it.
// The name and a text value are views: the bytes they view must outlive the encoding.
struct PropertySetting {
  std::string_view name;
  std::variant<std::int64_t, bool, std::string_view, float, Color, FontUnits> value;
};

constexpr PropertySetting Integer(std::string_view name, std::int64_t value) {
  return {name, value};
}
constexpr PropertySetting Boolean(std::string_view name, bool value) {
  return {name, value};
}
constexpr PropertySetting Text(std::string_view name, std::string_view value) {
  return {name, value};
}
constexpr PropertySetting Single(std::string_view name, float value) {
  return {name, value};
}
constexpr PropertySetting ColorValue(std::string_view name, std::uint32_t value) {
  return {name, Color{value}};
}
constexpr PropertySetting Units(std::string_view name, std::uint8_t value) {
  return {name, FontUnits{value}};
}

namespace encoding {

// A value as the list holds it: `number` in `width` little-endian bytes, then `text`.
struct ValueBytes {
  std::uint64_t number;
  std::size_t width;
  std::string_view text = {};
};

constexpr ValueBytes BytesOf(std::int64_t value) {
  return {static_cast<std::uint64_t>(value), 8};
}
constexpr ValueBytes BytesOf(bool value) {
  return {value, 1};
}
constexpr ValueBytes BytesOf(std::string_view value) {
  return {value.size(), 4, value};
}
constexpr ValueBytes BytesOf(float value) {
  return {std::bit_cast<std::uint32_t>(value), 4};
}
constexpr ValueBytes BytesOf(Color value) {
  return {value.value, 4};
}
constexpr ValueBytes BytesOf(FontUnits value) {
  return {value.value, 1};
}
constexpr ValueBytes BytesOf(const PropertySetting& entry) {
  return std::visit([](auto value) { return BytesOf(value); }, entry.value);
}

constexpr std::size_t EncodedSize(std::span<const PropertySetting> entries) {
  std::size_t size = 0;
  for (const PropertySetting& entry : entries) {
    const ValueBytes value = BytesOf(entry);
    size += entry.name.size() + 1 + value.width + value.text.size();
  }
  return size;
}

// Each entry is its name, one blank and its value, back to back; `out` has room for them all.
constexpr void EncodeInto(std::span<const PropertySetting> entries, char* out) {
  for (const PropertySetting& entry : entries) {
    for (char c : entry.name) *out++ = c;
    *out++ = ' ';
    const ValueBytes value = BytesOf(entry);
    for (std::size_t i = 0; i < value.width; ++i) {
      *out++ = static_cast<char>((value.number >> (8 * i)) & 0xFF);
    }
    for (char c : value.text) *out++ = c;
  }
}

template <class T>
constexpr std::size_t kEntryCount = 1;
template <std::size_t N>
constexpr std::size_t kEntryCount<std::array<PropertySetting, N>> = N;

}  // namespace encoding

// Single entries and arrays of them, joined in order into one array.
template <class... Parts>
constexpr auto JoinEntries(const Parts&... parts) {
  std::array<PropertySetting, (encoding::kEntryCount<Parts> + ...)> entries{};
  std::size_t next = 0;
  auto append = [&](const auto& part) {
    if constexpr (std::is_same_v<std::decay_t<decltype(part)>, PropertySetting>) {
      entries[next++] = part;
    } else {
      for (const PropertySetting& entry : part) entries[next++] = entry;
    }
  };
  (append(parts), ...);
  return entries;
}

// The list of `entries`, encoded at run time.
inline std::string EncodePropertyList(std::initializer_list<PropertySetting> entries) {
  std::string bytes(encoding::EncodedSize(entries), '\0');
  encoding::EncodeInto(entries, bytes.data());
  return bytes;
}

// The list of the entries (a std::array) that `makeEntries` returns, encoded when the program is
// built into a constant byte array. `makeEntries` is a captureless lambda: calling it needs no
// state, so its entries are a constant expression even here and fix the array's length.
template <class MakeEntries>
consteval auto ConstantPropertyList(MakeEntries makeEntries) {
  std::array<char, encoding::EncodedSize(makeEntries())> bytes{};
  encoding::EncodeInto(makeEntries(), bytes.data());
  return bytes;
}

}  // namespace framework
