#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"

namespace app {

// One design-time property: its name and a typed value. The value's type fixes its encoding in
// the property list.
struct PropertyValue {
  std::string_view name;
  std::variant<std::int64_t, bool, std::string_view, float, framework::Color, framework::FontUnits>
      value;
};

inline PropertyValue Integer(std::string_view name, std::int64_t value) {
  return {name, value};
}
inline PropertyValue Boolean(std::string_view name, bool value) {
  return {name, value};
}
inline PropertyValue Text(std::string_view name, std::string_view value) {
  return {name, value};
}
inline PropertyValue Single(std::string_view name, float value) {
  return {name, value};
}
inline PropertyValue ColorValue(std::string_view name, std::uint32_t value) {
  return {name, framework::Color{value}};
}
inline PropertyValue Units(std::string_view name, std::uint8_t value) {
  return {name, framework::FontUnits{value}};
}

// Encodes entries as one property list: each entry is the name, one blank, and the value
// (Integer 8 bytes, Boolean and FontUnits 1, Single and Color 4, String a 32-bit byte count and
// the bytes; all little-endian), back to back.
class PropertyListWriter {
 public:
  PropertyListWriter& Add(const PropertyValue& entry);
  PropertyListWriter& Add(std::initializer_list<PropertyValue> entries);
  framework::String Finish() { return framework::String(std::move(bytes_)); }

 private:
  void AppendLittleEndian(std::uint64_t value, int bytes);

  std::string bytes_;
};

}  // namespace app
