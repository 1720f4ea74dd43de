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

// A negative index is a large unsigned one, so one comparison checks both ends.
bool Within(std::int32_t index, std::int32_t bound) noexcept {
  return static_cast<std::uint32_t>(index) <= static_cast<std::uint32_t>(bound);
}

// Names what is wrong with indices that the array does not hold: the number of dimensions, or
// the first index outside its bound.
[[noreturn]] void RaiseOutside(std::span<const std::int32_t> indices,
                               std::span<const std::int32_t> bounds) {
  if (indices.size() != bounds.size()) {
    Raise<OutOfBoundsException>("array of " + std::to_string(bounds.size()) +
                                " dimensions indexed with " + std::to_string(indices.size()));
  }
  std::size_t d = 0;
  while (Within(indices[d], bounds[d])) ++d;
  Raise<OutOfBoundsException>("index " + std::to_string(indices[d]) + " of dimension " +
                              std::to_string(d + 1) + " is outside 0.." +
                              std::to_string(bounds[d]));
}

}  // namespace

bool Array::Holds(std::span<const std::int32_t> indices) const noexcept {
  if (indices.size() != upperBounds_.size()) return false;
  for (std::size_t d = 0; d < indices.size(); ++d) {
    if (!Within(indices[d], upperBounds_[d])) return false;
  }
  return true;
}

std::size_t Array::Offset(std::span<const std::int32_t> indices) const {
  if (!Holds(indices)) [[unlikely]]
    RaiseOutside(indices, upperBounds_);
  std::size_t offset = 0;
  for (std::size_t d = 0; d < indices.size(); ++d) {
    offset = offset * (static_cast<std::size_t>(upperBounds_[d]) + 1) +
             static_cast<std::size_t>(indices[d]);
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
