#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/String.h"

namespace framework {

// The one kind of array this framework makes: three dimensions of String elements (element type
// code 3).
inline constexpr std::int32_t kArrayDimensions = 3;
inline constexpr std::int32_t kStringElementType = 3;

using ArrayIndices = std::span<const std::int32_t, kArrayDimensions>;

// A three-dimensional array of strings, indices counted from 0 up to each dimension's upper
// bound. Every element read and write checks every index.
class Array final : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Array)
  Array(const ClassRecord& record, ArrayIndices upperBounds);

  // True when every index lies within 0..its dimension's bound.
  bool Holds(ArrayIndices indices) const noexcept;

  const String& Element(ArrayIndices indices) const;
  void SetElement(ArrayIndices indices, String&& value);

 private:
  // The first dimension whose index lies outside its bound, or kArrayDimensions for none.
  std::size_t FirstOutside(ArrayIndices indices) const noexcept;
  std::size_t Offset(ArrayIndices indices) const;

  std::array<std::size_t, kArrayDimensions> extents_;  // each upper bound + 1
  std::vector<String> elements_;
};

// A new array with every element empty. Raises UnsupportedOperationException for another number
// of dimensions or another element type, and OutOfBoundsException for a negative bound or more
// elements than fit in memory.
Ref<Array> CreateArray(std::int32_t dimensions, std::int32_t elementType, ArrayIndices upperBounds);

// Element read (a new string) and write; nil raises NilObjectException, an index outside the
// bounds OutOfBoundsException.
String ArrayElementGet(const Array* array, std::int32_t i, std::int32_t j, std::int32_t k);
void ArrayElementSet(Array* array, String value, std::int32_t i, std::int32_t j, std::int32_t k);

}  // namespace framework
