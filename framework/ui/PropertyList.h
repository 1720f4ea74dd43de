#pragma once

#include <cstddef>
#include <functional>
#include <string_view>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Value.h"

namespace framework {

// One decoded entry of a property list: the property it names, its value, and the byte offset
// at which the entry starts.
struct PropertyListEntry {
  const PropertyEntry* property;
  Variant value;
  std::size_t offset;
};

// Decodes a property list against a class chain, calling `visit` for each entry in order.
// Entries are a name (bytes up to the first blank), one blank, then a value whose width the
// named property's declared type fixes: Integer 8 bytes, Boolean and FontUnits 1, Single and
// Color 4, String a 32-bit byte count and that many bytes; all little-endian. Every read is
// checked against the list's length: an unknown name or a value that runs past the end raises
// InvalidArgumentException naming the entry and its byte offset.
void DecodePropertyList(std::string_view list, const ClassRecord& record,
                        const std::function<void(PropertyListEntry&&)>& visit);

// Sets every property that the list names on `object`, in list order (the mass property setter).
// The list is read where it lies, not copied.
void SetProperties(Object* object, std::string_view list);

}  // namespace framework
