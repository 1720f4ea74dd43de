#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "framework/runtime/Assert.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/Value.h"

namespace framework {

class ClassRecord;

// The flags words of the entries the framework's classes and the program's declare.
inline constexpr std::uint32_t kMethodFlags = 1;
inline constexpr std::uint32_t kHiddenMethodFlags = 129;  // with the attribute "Hidden"
inline constexpr std::uint32_t kPropertyFlags = 5;

// One attribute of a member, as reflection shows it ("Hidden" = "" marks a hidden member).
struct Attribute {
  std::string name;
  std::string value;
};

// The framework's generic invoker for one member signature: one record per distinct signature.
struct Invoker {
  std::string signature;
};
const Invoker* GenericInvoker(std::string_view signature);

struct MethodEntry {
  std::string name;
  std::uint32_t flags = 0;
  std::string signature;  // "%" result "%" parameters, e.g. "%%o<ComboBox>"
  std::any method;        // the member function pointer, typed by its class
  const Invoker* invoker = nullptr;
  std::vector<Attribute> attributes;
  const ClassRecord* declaringClass = nullptr;

  bool IsHidden() const;
};

// Get, set, introspection get, introspection set.
struct PropertyAccessors {
  std::function<Variant(Object&)> get;
  std::function<void(Object&, const Variant&)> set;
  std::function<Variant(Object&)> introspectionGet;
  std::function<void(Object&, const Variant&)> introspectionSet;
};

struct PropertyEntry {
  std::string name;
  std::uint32_t flags = 0;
  std::string typeCode;  // "i8", "b", "s", "f4", "c", "u1", "A3s", ...
  ValueType type = ValueType::Integer;
  PropertyAccessors accessors;
  std::vector<Attribute> attributes;
  const ClassRecord* declaringClass = nullptr;
};

// An event a class declares, with its number in the declaring class's event table.
struct EventDeclaration {
  std::string name;
  std::int32_t number = 0;
  const ClassRecord* declaringClass = nullptr;
};

// A subclass's implementation of an inherited event: called with the object and the event's one
// argument (nil for events without one).
using EventImplementationFunction = void (*)(Object& self, Object* argument);
struct EventImplementation {
  std::string event;
  EventImplementationFunction function = nullptr;
};

// The reflection record of one class. Built once by the class's builder and never changed
// afterwards; the tables of a subclass start with its superclass's entries.
class ClassRecord {
 public:
  using Factory = Ref<Object> (*)(const ClassRecord&);
  using Initializer = void (*)(Object&);
  using Finalizer = void (*)(Object&);

  const std::string& Name() const noexcept { return name_; }
  const ClassRecord* Superclass() const noexcept { return superclass_; }
  Factory ObjectFactory() const noexcept { return factory_; }
  Initializer InstanceInitializer() const noexcept { return initializer_; }
  Finalizer InstanceFinalizer() const noexcept { return finalizer_; }

  std::span<const std::string> Slots() const noexcept { return slots_; }
  std::span<const MethodEntry> Methods() const noexcept { return methods_; }
  std::span<const EventDeclaration> Events() const noexcept { return events_; }
  std::span<const EventImplementation> EventImplementations() const noexcept {
    return eventImplementations_;
  }
  std::span<const PropertyEntry> Properties() const noexcept { return properties_; }

  bool IsSubclassOf(const ClassRecord& other) const noexcept;
  const MethodEntry* FindMethod(std::string_view name) const noexcept;
  // Property by name, matched without regard to letter case; the nearest declaration wins.
  const PropertyEntry* FindProperty(std::string_view name) const noexcept;
  const EventDeclaration* FindEvent(std::string_view name) const noexcept;
  const EventDeclaration* FindEvent(std::int32_t number) const noexcept;
  // This class's implementation of the event, or the nearest superclass's.
  EventImplementationFunction FindEventImplementation(std::string_view event) const noexcept;

  // Building; only the class's builder calls these, before it publishes the record.
  void SetFactory(Factory factory) noexcept { factory_ = factory; }
  void SetInitializer(Initializer initializer) noexcept { initializer_ = initializer; }
  void SetFinalizer(Finalizer finalizer) noexcept { finalizer_ = finalizer; }
  void ReplaceSlot(std::string_view name, std::size_t index);
  MethodEntry& AddMethod(std::string name, std::uint32_t flags, std::string signature,
                         std::any method);
  void DeclareEvent(std::string name, std::int32_t number);
  void ImplementEvent(std::string event, EventImplementationFunction function);
  PropertyEntry& AddProperty(std::string name, std::uint32_t flags, std::string typeCode,
                             ValueType type, PropertyAccessors accessors);

 private:
  friend std::unique_ptr<ClassRecord> RuntimeNewClass(const ClassRecord*, std::string);
  friend void RuntimeNewVtable(ClassRecord&, std::initializer_list<std::string_view>);
  ClassRecord() = default;

  // Property names hashed and compared without regard to letter case.
  struct CaseFolded {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
  };

  std::string name_;
  const ClassRecord* superclass_ = nullptr;
  Factory factory_ = nullptr;
  Initializer initializer_ = nullptr;
  Finalizer finalizer_ = nullptr;
  std::vector<std::string> slots_;
  std::vector<MethodEntry> methods_;
  std::vector<EventDeclaration> events_;
  std::vector<EventImplementation> eventImplementations_;
  std::vector<PropertyEntry> properties_;
  // The position of each property name's nearest declaration.
  std::unordered_map<std::string, std::uint32_t, CaseFolded, CaseFolded> propertiesByName_;
};

// A new class record whose tables start as copies of the superclass's (nil for a root class).
std::unique_ptr<ClassRecord> RuntimeNewClass(const ClassRecord* superclass, std::string name);

// Appends the class's own virtual slots, after those it inherits.
void RuntimeNewVtable(ClassRecord& record, std::initializer_list<std::string_view> ownSlots);

// Attaches an attribute table to a method entry.
void RuntimeAllocateAttributeTable(MethodEntry& entry, std::vector<Attribute> attributes = {});

// Creates an unconstructed object of the class and runs the initialisers of its class chain,
// the root's first.
Ref<Object> RuntimeNewObject(const ClassRecord& record);

[[noreturn]] void RaiseIllegalCast(const Object& object, const ClassRecord& record);

// The object as a new reference when it is of the class; nil for nil; IllegalCastException for
// an object of another class.
Ref<Object> RuntimeCheckCast(Object* object, const ClassRecord& record);

// The typed cast: T's record decides, and the C++ type must agree with it.
template <class T>
Ref<T> RuntimeCheckCast(Object* object) {
  Ref<Object> checked = RuntimeCheckCast(object, T::Lookup());
  if (!checked) return nullptr;
  return Ref<T>(&Downcast<T>(*checked));
}

// Publishes a class record once: builds it on first use and keeps it for the life of the
// process. A builder that raises leaves no record behind, and the next lookup builds anew.
class ClassRecordSlot {
 public:
  using Builder = std::unique_ptr<ClassRecord> (*)();
  const ClassRecord& Get(Builder build);
  const ClassRecord* Peek() const noexcept { return record_.get(); }

 private:
  std::unique_ptr<ClassRecord> record_;
};

// The record of class T, which T::BuildClassRecord builds on first use; published once.
template <class T>
const ClassRecord& ClassRecordOf() {
  static ClassRecordSlot slot;
  return slot.Get(&T::BuildClassRecord);
}

// Declares the class-record members of a framework class: BuildClassRecord, which the class
// defines, and Lookup, which returns the record, building it on first use.
#define FRAMEWORK_CLASS_RECORD(Class)                                  \
  static std::unique_ptr<::framework::ClassRecord> BuildClassRecord(); \
  static const ::framework::ClassRecord& Lookup() {                    \
    return ::framework::ClassRecordOf<Class>();                        \
  }

}  // namespace framework
