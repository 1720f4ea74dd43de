#include "framework/ui/ClassBuilding.h"

#include <cstdint>

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

}  // namespace

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
      return "o<" + (objectClass ? objectClass->Name() : std::string("Object")) + ">";
  }
  return {};
}

}  // namespace framework
