#include "framework/runtime/Array.h"

#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"

namespace framework {

std::unique_ptr<ClassRecord> Array::BuildClassRecord() {
  auto record = RuntimeNewClass(nullptr, "Array");
  RuntimeNewVtable(*record, {"Ubound", "Redim", "Append", "Insert", "Remove", "Pop"});
  return record;
}

Array::Array(const ClassRecord& record, std::int32_t elementType,
             std::vector<std::int32_t> upperBounds)
    : Object(record), elementType_(elementType), upperBounds_(std::move(upperBounds)) {
  std::size_t count = 1;
  for (std::int32_t bound : upperBounds_) count *= static_cast<std::size_t>(bound) + 1;
  elements_.resize(count);
}

namespace {

[[noreturn]] void RaiseDimensionMismatch(std::size_t dimensions, std::size_t indices) {
  Raise<OutOfBoundsException>("array of " + std::to_string(dimensions) +
                              " dimensions indexed with " + std::to_string(indices));
}

[[noreturn]] void RaiseOutside(std::int32_t index, std::size_t dimension, std::int32_t bound) {
  Raise<OutOfBoundsException>("index " + std::to_string(index) + " of dimension " +
                              std::to_string(dimension + 1) + " is outside 0.." +
                              std::to_string(bound));
}

}  // namespace

std::size_t Array::Offset(std::span<const std::int32_t> indices) const {
  if (indices.size() != upperBounds_.size()) {
    RaiseDimensionMismatch(upperBounds_.size(), indices.size());
  }
  std::size_t offset = 0;
  for (std::size_t d = 0; d < indices.size(); ++d) {
    // A negative index is a large unsigned one, so one comparison checks both ends.
    const auto index = static_cast<std::uint32_t>(indices[d]);
    const auto bound = static_cast<std::uint32_t>(upperBounds_[d]);
    if (index > bound) RaiseOutside(indices[d], d, upperBounds_[d]);
    offset = offset * (std::size_t{bound} + 1) + index;
  }
  return offset;
}

const String& Array::Element(std::span<const std::int32_t> indices) const {
  return elements_[Offset(indices)];
}

void Array::SetElement(std::span<const std::int32_t> indices, String&& value) {
  elements_[Offset(indices)] = std::move(value);
}

void Array::Clear() noexcept {
  for (String& element : elements_) element = String();
}

Ref<Array> CreateArray(std::int32_t dimensions, std::int32_t elementType,
                       std::span<const std::int32_t> upperBounds) {
  FaultInjection::Check(Operation::CreateArray);
  if (elementType != kStringElementType) {
    Raise<UnsupportedOperationException>("arrays of element type " + std::to_string(elementType) +
                                         " are not supported");
  }
  if (dimensions < 1 || static_cast<std::size_t>(dimensions) != upperBounds.size()) {
    Raise<OutOfBoundsException>("CreateArray: " + std::to_string(dimensions) + " dimensions with " +
                                std::to_string(upperBounds.size()) + " upper bounds");
  }
  for (std::int32_t bound : upperBounds) {
    if (bound < 0) Raise<OutOfBoundsException>("negative upper bound " + std::to_string(bound));
  }
  return MakeObject<Array>(Array::Lookup(), elementType,
                           std::vector<std::int32_t>(upperBounds.begin(), upperBounds.end()));
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
