#include "framework/runtime/Array.h"

#include <span>
#include <string>
#include <vector>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

std::unique_ptr<ClassRecord> Array::BuildClassRecord() {
  return RuntimeNewClass(nullptr, "Array");
}

namespace {

// A negative index is a large unsigned one, so one comparison checks both ends.
bool Within(std::int32_t index, std::size_t extent) noexcept {
  return static_cast<std::uint32_t>(index) < extent;
}

// Sets each dimension's extent, its upper bound + 1, and returns the number of elements;
// OutOfBoundsException for a negative bound or more elements than a vector can hold.
std::size_t ElementCount(ArrayIndices upperBounds,
                         std::span<std::size_t, kArrayDimensions> extents) {
  const std::size_t limit = std::vector<String>().max_size();
  std::size_t count = 1;
  for (std::size_t d = 0; d < kArrayDimensions; ++d) {
    const std::int32_t bound = upperBounds[d];
    if (bound < 0) Raise<OutOfBoundsException>("negative upper bound " + std::to_string(bound));
    extents[d] = static_cast<std::size_t>(bound) + 1;
    if (count > limit / extents[d]) Raise<OutOfBoundsException>("too many array elements");
    count *= extents[d];
  }
  return count;
}

}  // namespace

// The storage, the strides and the index checks all follow the one set of extents.
Array::Array(const ClassRecord& record, ArrayIndices upperBounds)
    : Object(record), elements_(ElementCount(upperBounds, extents_)) {}

std::size_t Array::FirstOutside(ArrayIndices indices) const noexcept {
  std::size_t d = 0;
  while (d < kArrayDimensions && Within(indices[d], extents_[d])) ++d;
  return d;
}

bool Array::Holds(ArrayIndices indices) const noexcept {
  return FirstOutside(indices) == kArrayDimensions;
}

std::size_t Array::Offset(ArrayIndices indices) const {
  if (const std::size_t d = FirstOutside(indices); d < kArrayDimensions) [[unlikely]] {
    Raise<OutOfBoundsException>("index " + std::to_string(indices[d]) + " of dimension " +
                                std::to_string(d + 1) + " is outside 0.." +
                                std::to_string(extents_[d] - 1));
  }
  std::size_t offset = 0;
  for (std::size_t d = 0; d < kArrayDimensions; ++d) {
    offset = offset * extents_[d] + static_cast<std::size_t>(indices[d]);
  }
  return offset;
}

const String& Array::Element(ArrayIndices indices) const {
  return elements_[Offset(indices)];
}

void Array::SetElement(ArrayIndices indices, String&& value) {
  elements_[Offset(indices)] = std::move(value);
}

Ref<Array> CreateArray(std::int32_t dimensions, std::int32_t elementType,
                       ArrayIndices upperBounds) {
  FaultInjection::Check(Operation::CreateArray);
  if (dimensions != kArrayDimensions || elementType != kStringElementType) {
    Raise<UnsupportedOperationException>(
        "CreateArray: " + std::to_string(dimensions) + " dimensions of element type " +
        std::to_string(elementType) + " are not supported; only 3 dimensions of String (3) are");
  }
  return MakeObject<Array>(Array::Lookup(), upperBounds);
}

String ArrayElementGet(const Array* array, std::int32_t i, std::int32_t j, std::int32_t k) {
  FaultInjection::Check(Operation::ArrayGet);
  if (!array) RaiseNilObjectException();
  const std::int32_t indices[] = {i, j, k};
  return array->Element(indices);
}

void ArrayElementSet(Array* array, String value, std::int32_t i, std::int32_t j, std::int32_t k) {
  FaultInjection::Check(Operation::ArraySet);
  if (!array) RaiseNilObjectException();
  const std::int32_t indices[] = {i, j, k};
  array->SetElement(indices, std::move(value));
}

}  // namespace framework
