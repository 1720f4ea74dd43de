#pragma once

#include <any>
#include <concepts>
#include <cstdint>
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
std::string TypeCodeOf(ValueType type, const ClassRecord* objectClass);

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

// Refusals of a property setter, each an UnsupportedOperationException naming the object's class,
// the property and, for a value, the value.
[[noreturn]] void RefuseValue(const Object& object, std::string_view property, const Variant& given,
                              const Variant& supported);
[[noreturn]] void RefuseChangeOnceDrawn(const Object& object, std::string_view property);

// An object that is drawn from its properties once (a window, a control): from then on only the
// properties bound as live, and the class's own stored fields, may change.
template <class C>
concept DrawnOnce = requires(const C& c) {
  { c.IsDrawn() } -> std::same_as<bool>;
};

// Adds the properties of class C to its record, each named once and bound to its typed
// accessors; the C++ type of the value gives the property's type. A property is bound to
//   - a getter and a setter (member functions of C, or callables taking a C&);
//   - a data member that the framework draws, or a stored field that it never draws;
//   - one value, the only one that the framework supports for it: setting another raises.
// A property of an object that is drawn once changes only until it is drawn, unless it is bound
// as live or as a stored field. Every entry has the flags word 5 and serves for introspection as
// well.
template <class C>
class PropertyBinder {
 public:
  explicit PropertyBinder(ClassRecord& record) : record_(record) {}

  template <class Get, class Set>
  requires(std::invocable<Get, const C&> &&
           !std::is_member_object_pointer_v<Get>) PropertyBinder& Add(std::string_view name,
                                                                      Get get, Set set) {
    return Bind(name, get, set, false);
  }

  template <class T>
  PropertyBinder& Add(std::string_view name, T C::*member) {
    return BindMember(name, member, false);
  }

  // A field of the class's own that the framework never draws: read and written at any time.
  template <class T>
  PropertyBinder& AddStored(std::string_view name, T C::*member) {
    return BindMember(name, member, true);
  }

  // A property that goes on changing once the object is drawn; its setter shows the change.
  template <class Get, class Set>
  PropertyBinder& AddLive(std::string_view name, Get get, Set set) {
    return Bind(name, get, set, true);
  }

  // A property that takes the one value `only`; an int gives an Integer property, a C string a
  // String property.
  template <class V>
  PropertyBinder& Fixed(std::string_view name, V only) {
    using T = std::conditional_t<std::is_same_v<V, int>, std::int64_t,
                                 std::conditional_t<std::is_same_v<V, const char*>, String, V>>;
    const Variant supported = T(only);
    PropertyAccessors accessors;
    accessors.get = [supported](Object& object) -> Variant {
      Self(object);
      return supported;
    };
    accessors.set = [supported, name](Object& object, const Variant& value) {
      if (PropertyValueAs<T>(value, name) != std::get<T>(supported)) {
        RefuseValue(Self(object), name, value, supported);
      }
    };
    return AddEntry<T>(name, std::move(accessors));
  }

 private:
  template <class T>
  PropertyBinder& BindMember(std::string_view name, T C::*member, bool live) {
    return Bind(
        name, [member](const C& c) -> const T& { return c.*member; },
        [member](C& c, T value) { c.*member = std::move(value); }, live);
  }

  template <class Get, class Set>
  PropertyBinder& Bind(std::string_view name, Get get, Set set, bool live) {
    using T = std::remove_cvref_t<std::invoke_result_t<Get, const C&>>;
    PropertyAccessors accessors;
    accessors.get = [get](Object& object) -> Variant {
      return ToVariant(std::invoke(get, Self(object)));
    };
    accessors.set = [set, name, live](Object& object, const Variant& value) {
      C& self = Self(object);
      if constexpr (DrawnOnce<C>) {
        if (!live && self.IsDrawn()) RefuseChangeOnceDrawn(self, name);
      } else {
        static_cast<void>(live);  // only what is drawn refuses changes
      }
      std::invoke(set, self, PropertyValueAs<T>(value, name));
    };
    return AddEntry<T>(name, std::move(accessors));
  }

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
