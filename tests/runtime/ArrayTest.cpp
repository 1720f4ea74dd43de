#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "ExpectRaises.h"
#include "framework/runtime/Array.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/Object.h"

namespace {

using framework::Array;
using framework::ArrayElementGet;
using framework::ArrayElementSet;
using framework::ClassRecord;
using framework::CreateArray;
using framework::Object;
using framework::PendingException;
using framework::Ref;
using framework::String;

constexpr std::int32_t kBounds[] = {6, 11, 14};

Ref<Array> NewTable() {
  return CreateArray(3, framework::kStringElementType, kBounds);
}

std::string Label(std::int32_t i, std::int32_t j, std::int32_t k) {
  return std::to_string(i) + "," + std::to_string(j) + "," + std::to_string(k);
}

// Calls `visit(i, j, k)` for every cell within kBounds.
template <class Visit>
void ForEachCell(Visit visit) {
  for (std::int32_t i = 0; i <= kBounds[0]; ++i)
    for (std::int32_t j = 0; j <= kBounds[1]; ++j)
      for (std::int32_t k = 0; k <= kBounds[2]; ++k) visit(i, j, k);
}

class ArrayTest : public ::testing::Test {
 protected:
  void SetUp() override { start_ = Object::LiveCount(); }
  void TearDown() override { EXPECT_EQ(Object::LiveCount(), start_); }
  std::int64_t start_ = 0;
};

TEST_F(ArrayTest, FreshCellsAreEmptyAndEveryCellIsItsOwnStorage) {
  Ref<Array> table = NewTable();
  EXPECT_EQ(table->ReferenceCount(), 1);
  // Each cell is empty until it gets its own text: no two index triples may share a cell.
  ForEachCell([&](auto i, auto j, auto k) {
    EXPECT_TRUE(ArrayElementGet(table.get(), i, j, k).Bytes().empty()) << Label(i, j, k);
    ArrayElementSet(table.get(), String(Label(i, j, k)), i, j, k);
  });
  ForEachCell([&](auto i, auto j, auto k) {
    EXPECT_EQ(ArrayElementGet(table.get(), i, j, k).Bytes(), Label(i, j, k));
  });

  // Reads hand out the stored bytes unchanged, control characters included.
  ArrayElementSet(table.get(), "a\b\rb ", 3, 4, 5);
  EXPECT_EQ(ArrayElementGet(table.get(), 3, 4, 5).Bytes(), "a\b\rb ");
}

TEST_F(ArrayTest, AnyIndexOutsideTheBoundsOrANilArrayRaisesForReadAndWrite) {
  Ref<Array> table = NewTable();
  ArrayElementSet(table.get(), "kept", 0, 0, 0);
  const std::array<std::int32_t, 3> outside[] = {
      {-1, 0, 0},        {7, 0, 0},         {0, -1, 0},        {0, 12, 0},        {0, 0, -1},
      {0, 0, 15},        {INT32_MIN, 0, 0}, {0, INT32_MIN, 0}, {0, 0, INT32_MIN}, {INT32_MAX, 0, 0},
      {0, 0, INT32_MAX}, {7, 11, 14},       {6, 12, 14},       {6, 11, 15},       {-1, -1, -1},
  };
  const ClassRecord& outOfBounds = framework::OutOfBoundsException::Lookup();
  for (const auto& index : outside) {
    const auto [i, j, k] = index;
    ExpectRaises(
        outOfBounds, [&, i = i, j = j, k = k] { (void)ArrayElementGet(table.get(), i, j, k); },
        "read " + Label(i, j, k));
    ExpectRaises(
        outOfBounds, [&, i = i, j = j, k = k] { ArrayElementSet(table.get(), "stray", i, j, k); },
        "write " + Label(i, j, k));
  }
  // No write outside the bounds landed anywhere inside them.
  ForEachCell([&](auto i, auto j, auto k) {
    EXPECT_NE(ArrayElementGet(table.get(), i, j, k), String("stray")) << Label(i, j, k);
  });
  EXPECT_EQ(ArrayElementGet(table.get(), 0, 0, 0), String("kept"));
  try {
    (void)ArrayElementGet(table.get(), 6, 12, -1);
  } catch (const PendingException& e) {
    EXPECT_STREQ(e.what(), "OutOfBoundsException: index 12 of dimension 2 is outside 0..11");
  }
  // A nil array has no cells at all.
  const ClassRecord& nil = framework::NilObjectException::Lookup();
  ExpectRaises(
      nil, [] { (void)ArrayElementGet(nullptr, 0, 0, 0); }, "read");
  ExpectRaises(
      nil, [] { ArrayElementSet(nullptr, "x", 0, 0, 0); }, "write");
}

TEST_F(ArrayTest, CreationRefusesWhatTheFrameworkDoesNotMake) {
  const std::int32_t huge = INT32_MAX;
  const struct {
    std::int32_t dimensions;
    std::int32_t elementType;
    std::array<std::int32_t, 3> bounds;
    const ClassRecord& refusedWith;
  } refused[] = {
      {2, 3, {6, 11, 14}, framework::UnsupportedOperationException::Lookup()},
      {4, 3, {6, 11, 14}, framework::UnsupportedOperationException::Lookup()},
      {3, 2, {6, 11, 14}, framework::UnsupportedOperationException::Lookup()},
      {3, 4, {6, 11, 14}, framework::UnsupportedOperationException::Lookup()},
      {3, 3, {6, -1, 14}, framework::OutOfBoundsException::Lookup()},
      {3, 3, {huge, huge, huge}, framework::OutOfBoundsException::Lookup()},
  };
  for (const auto& r : refused) {
    ExpectRaises(
        r.refusedWith, [&] { (void)CreateArray(r.dimensions, r.elementType, r.bounds); },
        std::to_string(r.dimensions) + " dimensions, type " + std::to_string(r.elementType) +
            ", bounds " + Label(r.bounds[0], r.bounds[1], r.bounds[2]));
  }

  // A bound of 0 is one element.
  const std::int32_t single[] = {0, 0, 0};
  Ref<Array> one = CreateArray(3, framework::kStringElementType, single);
  ArrayElementSet(one.get(), "only", 0, 0, 0);
  EXPECT_EQ(ArrayElementGet(one.get(), 0, 0, 0), String("only"));
  ExpectRaises(
      framework::OutOfBoundsException::Lookup(), [&] { (void)ArrayElementGet(one.get(), 0, 0, 1); },
      "past one element");
}

TEST_F(ArrayTest, InjectedFaultsRaiseFromEachOperation) {
  {
    framework::ScopedFault fault(framework::Operation::CreateArray, 1);
    EXPECT_THROW(NewTable(), PendingException);
  }
  Ref<Array> table = NewTable();
  {
    framework::ScopedFault fault(framework::Operation::ArraySet, 2);
    ArrayElementSet(table.get(), "one", 0, 0, 0);
    EXPECT_THROW(ArrayElementSet(table.get(), "two", 0, 0, 1), PendingException);
    EXPECT_TRUE(ArrayElementGet(table.get(), 0, 0, 1).Bytes().empty()) << "a failed store wrote";
  }
  {
    framework::ScopedFault fault(framework::Operation::ArrayGet, 1);
    EXPECT_THROW((void)ArrayElementGet(table.get(), 0, 0, 0), PendingException);
  }
}

}  // namespace
