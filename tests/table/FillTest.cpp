// The table's creation and its fill: which cells the fill writes, in which order, how many
// framework calls each store makes, and what a failure at any point leaves behind.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <compare>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "conjugation_table/Words.h"
#include "framework/runtime/Array.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/Object.h"

namespace {

using framework::Array;
using framework::FaultInjection;
using framework::Object;
using framework::Operation;
using framework::Ref;
using framework::ScopedFault;

struct Cell {
  std::int32_t i, j, k;
  auto operator<=>(const Cell&) const = default;
};

void PrintTo(const Cell& cell, std::ostream* os) {
  *os << "(" << cell.i << ", " << cell.j << ", " << cell.k << ")";
}

// The fill's runs, in program order: a language and its tense/mood slots. Each slot stores the
// verb slots 0..10 in ascending order, except that French stores verb slot 9 only in its first
// two slots.
struct Run {
  std::int32_t language;
  std::vector<std::int32_t> tenses;
};

const std::vector<Cell>& StoreOrder() {
  static const std::vector<Cell> order = [] {
    const Run runs[] = {
        {0, {0}},
        {1, {0}},
        {2, {0, 1, 2, 3, 9, 10, 11}},
        {3, {0, 1, 2, 3, 5, 9, 10, 11, 12}},
        {4, {0, 1, 2, 3, 5, 9, 10, 11, 12}},
        {6, {0, 1, 2, 11, 9, 10, 3}},
        {5, {0, 1, 2, 3, 9, 11}},
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12}},
        {1, {1, 2, 3, 9, 10, 11, 12}},
    };
    std::vector<Cell> cells;
    for (const Run& run : runs) {
      for (std::int32_t k : run.tenses) {
        for (std::int32_t j = 0; j <= 10; ++j) {
          const bool frenchWithoutSlot9 = run.language == 2 && j == 9 && k != 0 && k != 1;
          if (!frenchWithoutSlot9) cells.push_back({run.language, j, k});
        }
      }
    }
    return cells;
  }();
  return order;
}

constexpr Cell kThreeLineCells[] = {{0, 0, 6}, {0, 0, 7}, {0, 7, 7}, {0, 0, 8}};

// Chr calls that the stores before store `index` (counted from 0) make: one per carriage return.
// Each store joins two pieces per Chr.
std::uint64_t ChrCallsBefore(std::size_t index) {
  std::uint64_t calls = 0;
  for (std::size_t n = 0; n < index; ++n)
    calls += 1 + std::ranges::count(kThreeLineCells, StoreOrder()[n]);
  return calls;
}

std::set<Cell> FirstStores(std::size_t count) {
  return {StoreOrder().begin(), StoreOrder().begin() + static_cast<std::ptrdiff_t>(count)};
}

std::set<Cell> FilledCells(const Array* words) {
  std::set<Cell> filled;
  for (std::int32_t i = 0; i <= 6; ++i)
    for (std::int32_t j = 0; j <= 11; ++j)
      for (std::int32_t k = 0; k <= 14; ++k)
        if (!framework::ArrayElementGet(words, i, j, k).Bytes().empty()) filled.insert({i, j, k});
  return filled;
}

std::vector<std::string> Snapshot(const Array* words) {
  std::vector<std::string> cells;
  for (std::int32_t i = 0; i <= 6; ++i)
    for (std::int32_t j = 0; j <= 11; ++j)
      for (std::int32_t k = 0; k <= 14; ++k)
        cells.emplace_back(framework::ArrayElementGet(words, i, j, k).Bytes());
  return cells;
}

// Fills a fresh table with a fault armed at the nth call of `operation` and returns what was
// filled. The fill itself must return normally.
std::set<Cell> FillWithFault(Operation operation, std::uint64_t nthCall, bool* fired = nullptr) {
  Ref<Array> words = conjugation_table::CreateWords();
  {
    ScopedFault fault(operation, nthCall);
    EXPECT_NO_THROW(conjugation_table::FillWords(words.get()));
    if (fired) *fired = FaultInjection::Fired();
  }
  return FilledCells(words.get());
}

class FillTest : public ::testing::Test {
 protected:
  void SetUp() override { start_ = Object::LiveCount(); }
  void TearDown() override { EXPECT_EQ(Object::LiveCount(), start_) << "an object leaked"; }
  std::int64_t start_ = 0;
};

TEST_F(FillTest, FreshTableHasItsShapeAndReadsEmptyEverywhere) {
  Ref<Array> words = conjugation_table::CreateWords();
  EXPECT_EQ(words->ReferenceCount(), 1);
  const std::array<std::int32_t, 3> last{6, 11, 14};
  for (const auto& corner : {last, {7, 11, 14}, {6, 12, 14}, {6, 11, 15}})
    EXPECT_EQ(words->Holds(corner), corner == last);
  EXPECT_TRUE(FilledCells(words.get()).empty());
}

TEST_F(FillTest, CompleteFillWritesExactlyTheCellsOfTheRuns) {
  ASSERT_EQ(StoreOrder().size(), 633U);
  ASSERT_EQ(FirstStores(633).size(), 633U) << "the run table names a cell twice";

  Ref<Array> words = conjugation_table::CreateWords();
  conjugation_table::FillWords(words.get());
  EXPECT_EQ(FilledCells(words.get()), FirstStores(633));
  EXPECT_EQ(framework::ArrayElementGet(words.get(), 0, 0, 0).Bytes(),
            "sum es est\rsumus estis sunt");
  EXPECT_EQ(words->ReferenceCount(), 1) << "the fill kept a reference on the table";
  EXPECT_EQ(Object::LiveCount(), start_ + 1) << "the fill left objects behind";
}

// A failing store ends the fill: the stores before it hold their text and nothing after it does.
// Every position of the order is tried, so a store made out of order shows up.
TEST_F(FillTest, StoresInRunOrderAndStopsAtTheFirstFailedStore) {
  for (std::size_t store = 1; store <= 633; ++store) {
    SCOPED_TRACE("element set " + std::to_string(store) + " fails");
    bool fired = false;
    ASSERT_EQ(FillWithFault(Operation::ArraySet, store, &fired), FirstStores(store - 1));
    ASSERT_TRUE(fired);
  }
  bool fired = true;
  EXPECT_EQ(FillWithFault(Operation::ArraySet, 634, &fired).size(), 633U);
  EXPECT_FALSE(fired) << "the fill made more than 633 stores";
}

// Failing the first Chr or the first join of any store leaves exactly the stores before it,
// so each store makes exactly one Chr per carriage return and two joins per Chr, in order.
TEST_F(FillTest, EachStoreBuildsItsTextBeforeStoringIt) {
  for (std::size_t store = 0; store < 633; ++store) {
    SCOPED_TRACE("store " + std::to_string(store + 1) + " " +
                 testing::PrintToString(StoreOrder()[store]));
    ASSERT_EQ(FillWithFault(Operation::Chr, ChrCallsBefore(store) + 1), FirstStores(store));
    ASSERT_EQ(FillWithFault(Operation::RuntimeAddString, 2 * ChrCallsBefore(store) + 1),
              FirstStores(store));
  }
}

TEST_F(FillTest, FailureInsideAThreeLineCellStoresNoneOfIt) {
  for (const Cell& cell : kThreeLineCells) {
    const auto store =
        static_cast<std::size_t>(std::ranges::find(StoreOrder(), cell) - StoreOrder().begin());
    SCOPED_TRACE(testing::PrintToString(cell));
    EXPECT_EQ(FillWithFault(Operation::Chr, ChrCallsBefore(store) + 2), FirstStores(store));
    for (std::uint64_t join = 2; join <= 4; ++join) {
      EXPECT_EQ(FillWithFault(Operation::RuntimeAddString, 2 * ChrCallsBefore(store) + join),
                FirstStores(store));
    }
  }
}

TEST_F(FillTest, ChrFailureOfTheFiftiethStoreLeavesTheFortyNineBefore) {
  std::set<Cell> expected;
  for (std::int32_t j = 0; j <= 10; ++j) {
    expected.insert({0, j, 0});  // Latin present
    expected.insert({1, j, 0});  // Italian present
    expected.insert({2, j, 0});  // French present and imperfect
    expected.insert({2, j, 1});
  }
  for (std::int32_t j = 0; j <= 4; ++j) expected.insert({2, j, 2});  // French future, j = 0..4
  ASSERT_EQ(expected.size(), 49U);

  bool fired = false;
  EXPECT_EQ(FillWithFault(Operation::Chr, 50, &fired), expected);
  EXPECT_TRUE(fired);
}

TEST_F(FillTest, AnyFrameworkExceptionIsSwallowed) {
  Ref<Array> words = conjugation_table::CreateWords();
  {
    ScopedFault fault(Operation::ArraySet, 300, [] {
      return Ref<framework::RuntimeException>(
          framework::NewException<framework::OutOfBoundsException>("store failed"));
    });
    EXPECT_NO_THROW(conjugation_table::FillWords(words.get()));
  }
  EXPECT_EQ(FilledCells(words.get()), FirstStores(299));
}

TEST_F(FillTest, CallCountsOfACompleteFill) {
  const struct {
    Operation operation;
    std::uint64_t calls;
  } expected[] = {
      {Operation::ArraySet, 633},
      {Operation::Chr, 637},
      {Operation::RuntimeAddString, 1274},
  };
  for (const auto& [operation, calls] : expected) {
    SCOPED_TRACE(static_cast<int>(operation));
    bool fired = false;
    FillWithFault(operation, calls, &fired);
    EXPECT_TRUE(fired) << "fewer calls than " << calls;
    FillWithFault(operation, calls + 1, &fired);
    EXPECT_FALSE(fired) << "more calls than " << calls;
  }
  // The fill neither reads the table nor creates anything.
  for (Operation operation : {Operation::ArrayGet, Operation::CreateArray}) {
    Ref<Array> words = conjugation_table::CreateWords();
    ScopedFault fault(operation, 1);
    conjugation_table::FillWords(words.get());
    EXPECT_FALSE(FaultInjection::Fired()) << static_cast<int>(operation);
  }
}

TEST_F(FillTest, NilTableStoresNothingAndReturnsNormally) {
  for (Operation operation : {Operation::Chr, Operation::RuntimeAddString, Operation::ArraySet}) {
    ScopedFault fault(operation, 1);
    EXPECT_NO_THROW(conjugation_table::FillWords(nullptr));
    EXPECT_FALSE(FaultInjection::Fired())
        << "a text was built for a nil table: operation " << static_cast<int>(operation);
  }
}

TEST_F(FillTest, SecondFillLeavesTheTableAsItWas) {
  Ref<Array> words = conjugation_table::CreateWords();
  conjugation_table::FillWords(words.get());
  const std::vector<std::string> first = Snapshot(words.get());
  conjugation_table::FillWords(words.get());
  EXPECT_EQ(Snapshot(words.get()), first);
}

TEST_F(FillTest, CreateFillAndReleaseLeaveNoObjectBehind) {
  for (int round = 0; round < 3; ++round) {
    Ref<Array> words = conjugation_table::CreateWords();
    EXPECT_EQ(Object::LiveCount(), start_ + 1);
    conjugation_table::FillWords(words.get());
    FillWithFault(Operation::Chr, 300);  // a failed fill releases its exception too
    EXPECT_EQ(Object::LiveCount(), start_ + 1);
  }
  EXPECT_EQ(Object::LiveCount(), start_);
}

}  // namespace
