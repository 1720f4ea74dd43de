#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/String.h"

namespace framework {

// Element type codes of CreateArray; only String arrays exist in this framework.
inline constexpr std::int32_t kStringElementType = 3;

// An n-dimensional array of strings, indices counted from 0 up to each dimension's upper bound.
// Every element read and write checks every index.
class Array final : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Array)
  Array(const ClassRecord& record, std::int32_t elementType, std::vector<std::int32_t> upperBounds);

  std::int32_t ElementType() const noexcept { return elementType_; }
  std::int32_t Dimensions() const noexcept {
    return static_cast<std::int32_t>(upperBounds_.size());
  }
  std::span<const std::int32_t> UpperBounds() const noexcept { return upperBounds_; }
  // True when `indices` name an element: one index per dimension, each within 0..its bound.
  bool Holds(std::span<const std::int32_t> indices) const noexcept;

  const String& Element(std::span<const std::int32_t> indices) const;
  void SetElement(std::span<const std::int32_t> indices, String&& value);
  void Clear() noexcept;

 private:
  std::size_t Offset(std::span<const std::int32_t> indices) const;

  std::int32_t elementType_;
  std::vector<std::int32_t> upperBounds_;
  std::vector<String> elements_;
};

// A new array with every element empty. Raises UnsupportedOperationException for an element
// type other than String and OutOfBoundsException for a negative bound.
Ref<Array> CreateArray(std::int32_t dimensions, std::int32_t elementType,
                       std::span<const std::int32_t> upperBounds);

// Element read (a new string) and write of a three-dimensional array; nil raises
// NilObjectException, an index outside the bounds OutOfBoundsException.
String ArrayElementGet(const Array* array, std::int32_t i, std::int32_t j, std::int32_t k);
void ArrayElementSet(Array* array, String value, std::int32_t i, std::int32_t j, std::int32_t k);

}  // namespace framework
