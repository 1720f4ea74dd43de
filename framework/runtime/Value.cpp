#include "framework/runtime/Value.h"

#include <string>

#include "framework/runtime/Exceptions.h"

namespace framework {

std::string_view ValueTypeName(ValueType type) noexcept {
  switch (type) {
    case ValueType::Integer:
      return "Integer";
    case ValueType::Boolean:
      return "Boolean";
    case ValueType::String:
      return "String";
    case ValueType::Single:
      return "Single";
    case ValueType::Color:
      return "Color";
    case ValueType::FontUnits:
      return "FontUnits";
    case ValueType::Object:
      return "Object";
  }
  return "Unknown";
}

void RaiseWrongValueType(std::string_view property) {
  Raise<InvalidArgumentException>("wrong value type for property " + std::string(property));
}

}  // namespace framework
