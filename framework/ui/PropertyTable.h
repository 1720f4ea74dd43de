#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Value.h"

namespace framework {

// One design-time property that a framework class declares.
struct PropertyDeclaration {
  std::string_view declaringClass;
  std::string_view name;
  ValueType type;
};

// Every design-time property of the framework's window and control classes, grouped by the
// declaring class in declaration order.
std::span<const PropertyDeclaration> PropertyDeclarations() noexcept;

// The type code of a property type: "i8", "b", "s", "f4", "c", "u1".
std::string_view PropertyTypeCode(ValueType type) noexcept;

// Accessors for a property with behaviour of its own. A property without a binding is stored in
// the object's PropertyStore, and the object hears of each change through StoredPropertyChanged.
struct PropertyBinding {
  std::string_view name;
  std::function<Variant(Object&)> get;
  std::function<void(Object&, const Variant&)> set;
};

// Adds the properties that `className` declares to its record, in table order.
void DeclareProperties(ClassRecord& record, std::string_view className,
                       std::span<const PropertyBinding> bindings = {});

// A binding whose accessors work on class C (the object is checked to be one).
template <class C>
PropertyBinding Bind(std::string_view name, Variant (*get)(C&), void (*set)(C&, const Variant&)) {
  auto self = [name](Object& object) -> C& {
    C* typed = dynamic_cast<C*>(&object);
    if (!typed)
      Raise<InvalidArgumentException>("property " + std::string(name) + " of another class");
    return *typed;
  };
  return PropertyBinding{name, [self, get](Object& o) { return get(self(o)); },
                         [self, set](Object& o, const Variant& v) { set(self(o), v); }};
}

}  // namespace framework
