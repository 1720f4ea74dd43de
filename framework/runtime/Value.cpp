#include "framework/runtime/Value.h"

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

}  // namespace framework
