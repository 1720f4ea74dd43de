#include "framework/ui/ClassBuilding.h"

#include <cstdint>
#include <cstdio>
#include <variant>

namespace framework {

namespace {

void AddMethodEntry(ClassRecord& record, const SlotSpec& slot) {
  std::any method = slot.method;
  if (!method.has_value()) {
    method = UnsupportedOperation{record.Name() + "." + std::string(slot.name)};
  }
  MethodEntry& entry =
      record.AddMethod(std::string(slot.name), slot.hidden ? kHiddenMethodFlags : kMethodFlags,
                       std::string(slot.signature), std::move(method));
  RuntimeAllocateAttributeTable(
      entry, slot.hidden ? std::vector<Attribute>{{"Hidden", ""}} : std::vector<Attribute>{});
}

// A property value as a message shows it.
std::string ValueText(const Variant& value) {
  return std::visit(
      [](const auto& v) -> std::string {
        using T = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<T, bool>) {
          return v ? "True" : "False";
        } else if constexpr (std::is_same_v<T, std::int64_t> || std::is_same_v<T, float>) {
          return std::to_string(v);
        } else if constexpr (std::is_same_v<T, String>) {
          return '"' + std::string(v.Bytes()) + '"';
        } else if constexpr (std::is_same_v<T, Color>) {
          char hex[11];
          std::snprintf(hex, sizeof hex, "0x%08X", v.value);
          return hex;
        } else if constexpr (std::is_same_v<T, FontUnits>) {
          return std::to_string(v.value);
        } else {
          return "an object";
        }
      },
      value);
}

}  // namespace

void RefuseValue(const Object& object, std::string_view property, const Variant& given,
                 const Variant& supported) {
  Raise<UnsupportedOperationException>(object.Class().Name() + "." + std::string(property) + " " +
                                       ValueText(given) + " is not supported; it takes " +
                                       ValueText(supported) + " only");
}

void RefuseChangeOnceDrawn(const Object& object, std::string_view property) {
  Raise<UnsupportedOperationException>(object.Class().Name() + "." + std::string(property) +
                                       " cannot change once the window is drawn");
}

void UnsupportedOperation::operator()() const {
  Raise<UnsupportedOperationException>(operation + " is not supported by this framework");
}

void AddSlots(ClassRecord& record, std::initializer_list<SlotSpec> slots) {
  for (const SlotSpec& slot : slots) {
    RuntimeNewVtable(record, {slot.name});
    AddMethodEntry(record, slot);
  }
}

void OverrideSlots(ClassRecord& record, std::initializer_list<SlotSpec> slots) {
  for (const SlotSpec& slot : slots) {
    auto inherited = record.Slots();
    std::size_t index = 0;
    while (index < inherited.size() && inherited[index] != slot.name) ++index;
    record.ReplaceSlot(slot.name, index);  // raises for a slot that is not inherited
    AddMethodEntry(record, slot);
  }
}

void DeclareEvents(ClassRecord& record, std::initializer_list<std::string_view> names) {
  auto number = static_cast<std::int32_t>(record.Events().size());
  for (std::string_view name : names) record.DeclareEvent(std::string(name), ++number);
}

std::string TypeCodeOf(ValueType type, const ClassRecord* objectClass) {
  switch (type) {
    case ValueType::Integer:
      return "i8";
    case ValueType::Boolean:
      return "b";
    case ValueType::String:
      return "s";
    case ValueType::Single:
      return "f4";
    case ValueType::Color:
      return "c";
    case ValueType::FontUnits:
      return "u1";
    case ValueType::Object:
      return "o<" + objectClass->Name() + ">";
  }
  return {};
}

}  // namespace framework
