// Facts that hold across all seven languages of the filled table: how many cells and lines there
// are, where blanks may fall, which characters occur and which cells repeat another's text.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

using conjugation_table::kLanguageCount;
using conjugation_table::kTenseSlotCount;
using conjugation_table::kVerbSlotCount;

struct Position {
  std::int32_t language;
  Slot slot;
  auto operator<=>(const Position&) const = default;
};

void PrintTo(const Position& position, std::ostream* os) {
  *os << "(i=" << position.language << ", j=" << position.slot.verb << ", k=" << position.slot.tense
      << ")";
}

std::map<Position, std::string_view> NonEmptyCells(const FilledTable& table) {
  std::map<Position, std::string_view> cells;
  for (std::int32_t i = 0; i < kLanguageCount; ++i) {
    for (const Slot& slot : FilledSlots(table, static_cast<Language>(i))) {
      cells[{i, slot}] = table.Text(i, slot.verb, slot.tense);
    }
  }
  return cells;
}

TEST(WholeTableTest, FillsSixHundredThirtyThreeCellsNoneInTheUnlabelledSlots) {
  const FilledTable table;
  EXPECT_EQ(NonEmptyCells(table).size(), 633u);
  const std::size_t perLanguage[kLanguageCount] = {132, 88, 72, 99, 99, 66, 77};
  for (std::int32_t i = 0; i < kLanguageCount; ++i) {
    EXPECT_EQ(FilledSlots(table, static_cast<Language>(i)).size(), perLanguage[i]) << i;
    for (std::int32_t k = 0; k < kTenseSlotCount; ++k) EXPECT_EQ(table.Text(i, 11, k), "");
    for (std::int32_t j = 0; j < kVerbSlotCount; ++j) {
      EXPECT_EQ(table.Text(i, j, 13), "");
      EXPECT_EQ(table.Text(i, j, 14), "");
    }
  }
}

TEST(WholeTableTest, LinesAndBlanks) {
  std::size_t twoLines = 0, doubleBlank = 0, trailingBlank = 0, latinTrailingBlank = 0;
  std::set<Position> threeLines;
  const FilledTable table;
  for (const auto& [position, text] : NonEmptyCells(table)) {
    SCOPED_TRACE(testing::PrintToString(position));
    EXPECT_FALSE(text.ends_with('\r'));
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.size() == 2) ++twoLines;
    if (lines.size() == 3) {
      threeLines.insert(position);
      EXPECT_EQ(lines[2], "?");
    }
    for (std::string_view line : lines) {
      EXPECT_FALSE(line.empty());
      EXPECT_FALSE(line.starts_with(' '));
      if (line.find("  ") != std::string_view::npos) {
        ++doubleBlank;
        EXPECT_NE(position.language, 0) << "double blank in Latin";
      }
      if (line.ends_with(' ')) {
        ++trailingBlank;
        if (position.language == 0) ++latinTrailingBlank;
      }
    }
  }
  EXPECT_EQ(twoLines, 629u);
  EXPECT_EQ(threeLines.size(), 4u);
  for (const Position& position : threeLines) EXPECT_EQ(position.language, 0);
  EXPECT_EQ(doubleBlank, 52u);
  EXPECT_EQ(trailingBlank, 10u);
  EXPECT_EQ(latinTrailingBlank, 7u);
}

// Precomposed letters only: no combining marks, no no-break space; the one control character
// besides the line breaks is the backspace of a single Catalan cell.
TEST(WholeTableTest, CharacterInventory) {
  const std::u32string letters = U"àáâãçèéêìíîòóôûășț";
  std::set<char32_t> seen;
  std::set<Position> backspaces;
  const FilledTable table;
  for (const auto& [position, text] : NonEmptyCells(table)) {
    for (char32_t c : CodePoints(text)) {
      seen.insert(c);
      if (c == U'\b') backspaces.insert(position);
      const bool allowed = (c >= U'a' && c <= U'z') || c == U' ' || c == U'\'' || c == U'?' ||
                           c == U'\r' || c == U'\b' || letters.find(c) != letters.npos;
      EXPECT_TRUE(allowed) << "U+" << std::hex << static_cast<std::uint32_t>(c) << " in "
                           << testing::PrintToString(position);
      EXPECT_FALSE(c >= 0x300 && c <= 0x36F) << testing::PrintToString(position);
      EXPECT_NE(c, 0xA0u) << testing::PrintToString(position);
    }
  }
  for (char32_t letter : letters) {
    EXPECT_TRUE(seen.contains(letter)) << "U+" << std::hex << static_cast<std::uint32_t>(letter);
  }
  EXPECT_EQ(backspaces, (std::set<Position>{{6, {7, 0}}}));
}

// Repeated texts stay within a language; no cell of one language repeats another's.
TEST(WholeTableTest, OnlyEightPairsOfCellsShareTheirText) {
  std::map<std::string_view, std::vector<Position>> byText;
  const FilledTable table;
  for (const auto& [position, text] : NonEmptyCells(table)) {
    byText[text].push_back(position);
  }
  std::set<std::pair<Position, Position>> pairs;
  for (const auto& [text, positions] : byText) {
    ASSERT_LE(positions.size(), 2u) << testing::PrintToString(text);
    if (positions.size() == 2) pairs.insert({positions[0], positions[1]});
  }
  const std::set<std::pair<Position, Position>> expected = {
      {{2, {0, 0}}, {2, {9, 0}}},   {{2, {0, 1}}, {2, {9, 1}}}, {{3, {0, 10}}, {3, {7, 10}}},
      {{3, {0, 11}}, {3, {7, 11}}}, {{4, {0, 3}}, {4, {7, 3}}}, {{4, {0, 10}}, {4, {7, 10}}},
      {{4, {0, 11}}, {4, {7, 11}}}, {{4, {2, 0}}, {4, {2, 9}}}};
  EXPECT_EQ(pairs, expected);
}

}  // namespace
}  // namespace table_test
