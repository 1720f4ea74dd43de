#pragma once

#include <any>
#include <initializer_list>
#include <string>
#include <string_view>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Ref.h"

namespace framework {

// One virtual operation of a framework class: its slot name, its member signature and, when the
// operation has behaviour in this layer, the C++ member that performs it.
struct SlotSpec {
  std::string_view name;
  std::string_view signature;
  std::any method = {};
};

// The method of an operation that this layer cannot perform: calling it raises
// UnsupportedOperationException naming the operation.
struct UnsupportedOperation {
  std::string operation;
  [[noreturn]] void operator()() const;
};

// Appends the class's own virtual slots and their method entries: flags word 1, or 129 with
// the attribute "Hidden" for the framework's internal members (names that begin with "_").
void AddSlots(ClassRecord& record, std::initializer_list<SlotSpec> slots);

// Replaces inherited slots by the class's own operations of the same names, adding their method
// entries after the inherited ones.
void OverrideSlots(ClassRecord& record, std::initializer_list<SlotSpec> slots);

// Declares the class's own events, numbered on from the events it inherits.
void DeclareEvents(ClassRecord& record, std::initializer_list<std::string_view> names);

// The factory of a class whose C++ type is T.
template <class T>
Ref<Object> MakeInstance(const ClassRecord& record) {
  return MakeObject<T>(record);
}

}  // namespace framework
