#pragma once

#include <any>
#include <concepts>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>

#include "framework/runtime/Assert.h"
#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/Value.h"

namespace framework {

// A new record for class T (whose C++ type makes its objects) below `superclass`.
template <class T>
std::unique_ptr<ClassRecord> NewClassRecord(const ClassRecord* superclass, std::string name) {
  auto record = RuntimeNewClass(superclass, std::move(name));
  record->SetFactory([](const ClassRecord& r) -> Ref<Object> { return MakeObject<T>(r); });
  return record;
}

// One virtual operation of a class: its slot name, its member signature and, when the operation
// has behaviour here, the C++ member that performs it. The framework's internal members (names
// that begin with "_") are hidden unless the entry says otherwise.
struct SlotSpec {
  std::string_view name;
  std::string_view signature;
  std::any method = {};
  bool hidden = name.starts_with('_');
};

// The method of an operation that this layer cannot perform: calling it raises
// UnsupportedOperationException naming the operation.
struct UnsupportedOperation {
  std::string operation;
  [[noreturn]] void operator()() const;
};

// Appends the class's own virtual slots and their method entries: flags word 1, or 129 with
// the attribute "Hidden" for a hidden member.
void AddSlots(ClassRecord& record, std::initializer_list<SlotSpec> slots);

// Replaces inherited slots by the class's own operations of the same names, adding their method
// entries after the inherited ones.
void OverrideSlots(ClassRecord& record, std::initializer_list<SlotSpec> slots);

// Declares the class's own events, numbered on from the events it inherits.
void DeclareEvents(ClassRecord& record, std::initializer_list<std::string_view> names);

// --- Properties --------------------------------------------------------------------------------

// The property type of a C++ value type, and its type code ("i8", "b", "s", "f4", "c", "u1", or
// "o<Class>" for a reference to an object of that class).
template <class T>
constexpr ValueType ValueTypeOf() {
  if constexpr (std::same_as<T, std::int64_t>) {
    return ValueType::Integer;
  } else if constexpr (std::same_as<T, bool>) {
    return ValueType::Boolean;
  } else if constexpr (std::same_as<T, String>) {
    return ValueType::String;
  } else if constexpr (std::same_as<T, float>) {
    return ValueType::Single;
  } else if constexpr (std::same_as<T, Color>) {
    return ValueType::Color;
  } else if constexpr (std::same_as<T, FontUnits>) {
    return ValueType::FontUnits;
  } else {
    static_assert(std::derived_from<typename RefTraits<T>::Target, Object>, "no property type");
    return ValueType::Object;
  }
}
std::string TypeCodeOf(ValueType type, const ClassRecord* objectClass = nullptr);

// A value of type T from a property value; a wrongly typed value raises
// InvalidArgumentException naming the property, an object of another class
// IllegalCastException.
template <class T>
decltype(auto) PropertyValueAs(const Variant& value, std::string_view property) {
  if constexpr (ValueTypeOf<T>() == ValueType::Object) {
    using Target = typename RefTraits<T>::Target;
    return RuntimeCheckCast<Target>(ValueAs<Ref<Object>>(value, property).get());
  } else {
    return ValueAs<T>(value, property);  // a reference: the setter copies what it keeps
  }
}

// Adds the properties of class C to its record, each named once and bound to its typed
// accessors; the C++ type of the value gives the property's type. A property is bound to
//   - a getter and a setter (member functions of C, or callables taking a C&);
//   - a data member that C only holds;
//   - a data member whose change C shows through one of its member functions.
// Every entry has the flags word 5 and serves for introspection as well.
template <class C>
class PropertyBinder {
 public:
  explicit PropertyBinder(ClassRecord& record) : record_(record) {}

  template <class Get, class Set>
  requires(std::invocable<Get, const C&> &&
           !std::is_member_object_pointer_v<Get>) PropertyBinder& Add(std::string_view name,
                                                                      Get get, Set set) {
    using T = std::remove_cvref_t<std::invoke_result_t<Get, const C&>>;
    PropertyAccessors accessors;
    accessors.get = [get](Object& object) -> Variant {
      return ToVariant(std::invoke(get, Self(object)));
    };
    accessors.set = [set, name](Object& object, const Variant& value) {
      std::invoke(set, Self(object), PropertyValueAs<T>(value, name));
    };
    return AddEntry<T>(name, std::move(accessors));
  }

  template <class T>
  PropertyBinder& Add(std::string_view name, T C::*member, void (C::*show)() = nullptr) {
    return Add(
        name, [member](const C& c) -> const T& { return c.*member; },
        [member, show](C& c, T value) {
          c.*member = std::move(value);
          if (show) (c.*show)();
        });
  }

 private:
  template <class T>
  PropertyBinder& AddEntry(std::string_view name, PropertyAccessors accessors) {
    constexpr ValueType type = ValueTypeOf<T>();
    const ClassRecord* objectClass = nullptr;
    if constexpr (type == ValueType::Object) objectClass = &RefTraits<T>::Target::Lookup();
    accessors.introspectionGet = accessors.get;
    accessors.introspectionSet = accessors.set;
    record_.AddProperty(std::string(name), kPropertyFlags, TypeCodeOf(type, objectClass), type,
                        std::move(accessors));
    return *this;
  }

  // The object an accessor is called with is one of the record's class, or of a subclass.
  static C& Self(Object& object) {
    if (!object.IsA(C::Lookup())) RaiseIllegalCast(object, C::Lookup());
    return Downcast<C>(object);
  }

  template <class T>
  static Variant ToVariant(const T& value) {
    if constexpr (ValueTypeOf<T>() == ValueType::Object) {
      return Ref<Object>(value.get());
    } else {
      return value;
    }
  }

  ClassRecord& record_;
};

template <class C>
PropertyBinder<C> BindProperties(ClassRecord& record) {
  return PropertyBinder<C>(record);
}

}  // namespace framework
