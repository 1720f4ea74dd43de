// Facts that hold across all seven languages of the filled table: how many cells and lines there
// are, where blanks may fall, which characters occur, which cells repeat another's text, and
// every byte of every cell.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

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

// Each language fills its tense/mood slots for verb slots 0 to 10; French stores verb slot 9 only
// in its first two. Verb slot 11 and tense/mood slots 13 and 14 stay empty everywhere.
TEST(WholeTableTest, FillsTheTenseSlotsOfEachLanguageAndNothingElse) {
  const std::vector<std::int32_t> tenses[kLanguageCount] = {
      {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12},  // Latin
      {0, 1, 2, 3, 9, 10, 11, 12},             // Italian
      {0, 1, 2, 3, 9, 10, 11},                 // French
      {0, 1, 2, 3, 5, 9, 10, 11, 12},          // Spanish: conditional 5, future subjunctive 11
      {0, 1, 2, 3, 5, 9, 10, 11, 12},          // Brazilian Portuguese
      {0, 1, 2, 3, 9, 11},                     // Romanian
      {0, 1, 2, 3, 9, 10, 11}};                // Catalan
  const FilledTable table;
  EXPECT_EQ(NonEmptyCells(table).size(), 633u);
  for (std::int32_t i = 0; i < kLanguageCount; ++i) {
    std::set<Slot> expected = Grid(Range(0, 10), tenses[i]);
    if (i == static_cast<std::int32_t>(Language::French)) {
      std::erase_if(expected, [](const Slot& slot) { return slot.verb == 9 && slot.tense > 1; });
    }
    EXPECT_EQ(FilledSlots(table, static_cast<Language>(i)), expected) << i;
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

// FNV-1a 64 over all 12 × 15 cells of one language, verb slots 0 to 11 and within each the
// tense/mood slots 0 to 14: each cell's bytes (its lines joined by CR, a backspace as the byte
// 08) followed by one NUL byte, so an empty cell adds its NUL alone.
std::uint64_t Digest(const FilledTable& table, std::int32_t language) {
  std::uint64_t hash = 0xcbf29ce484222325u;
  auto add = [&](unsigned char byte) {
    hash ^= byte;
    hash *= 0x100000001b3u;
  };
  for (std::int32_t j = 0; j < kVerbSlotCount; ++j) {
    for (std::int32_t k = 0; k < kTenseSlotCount; ++k) {
      for (char c : table.Text(language, j, k)) add(static_cast<unsigned char>(c));
      add('\0');
    }
  }
  return hash;
}

TEST(WholeTableTest, EveryCellOfEveryLanguageByteForByte) {
  // Computed once from the reference cell tables: the digest above and the bytes of all cells.
  const struct {
    std::string_view language;
    std::uint64_t digest;
    std::size_t bytes;
  } expected[kLanguageCount] = {
      {"Latin", 0x8afa6e8495bf743du, 5878},
      {"Italian", 0x9b24930ed5da9bd1u, 3751},
      {"French", 0x1d18a0a422829837u, 4789},
      {"Spanish", 0xcf76533810094574u, 4170},
      {"Brazilian Portuguese", 0x2e88a957d5589534u, 2462},
      {"Romanian", 0x2916d9da6b15de6eu, 2856},
      {"Catalan", 0xa2afd673845e297eu, 3357},
  };
  const FilledTable table;
  for (std::int32_t i = 0; i < kLanguageCount; ++i) {
    std::size_t bytes = 0;
    for (const Slot& slot : FilledSlots(table, static_cast<Language>(i))) {
      bytes += table.Text(i, slot.verb, slot.tense).size();
    }
    EXPECT_EQ(Digest(table, i), expected[i].digest)
        << expected[i].language << ": a cell differs from its reference text; the cells hold "
        << bytes << " bytes, the reference " << expected[i].bytes;
  }
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
