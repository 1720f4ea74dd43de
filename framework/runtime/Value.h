#pragma once

#include <cstdint>
#include <string_view>
#include <variant>

#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"

namespace framework {

// The declared type of a property, which also fixes its width in a property list.
enum class ValueType : std::uint8_t { Integer, Boolean, String, Single, Color, FontUnits, Object };

// A colour as 0xTTRRGGBB, TT the transparency (0 opaque).
struct Color {
  std::uint32_t value = 0;
  friend bool operator==(Color, Color) = default;
};

// An enumeration held in one unsigned byte (the text unit of a control).
struct FontUnits {
  std::uint8_t value = 0;
  friend bool operator==(FontUnits, FontUnits) = default;
};

// The framework's variant value: what the introspection accessors and the property-list
// decoder pass around. monostate is nil.
using Variant =
    std::variant<std::monostate, std::int64_t, bool, String, float, Color, FontUnits, Ref<Object>>;

[[noreturn]] void RaiseWrongValueType(std::string_view property);

// The value of the alternative T, or InvalidArgumentException naming the property.
template <class T>
const T& ValueAs(const Variant& value, std::string_view property) {
  if (const T* typed = std::get_if<T>(&value)) return *typed;
  RaiseWrongValueType(property);
}

}  // namespace framework
