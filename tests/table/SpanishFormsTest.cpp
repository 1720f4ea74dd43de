// The Spanish cells of the filled table: their layout, characters and a sample of exact texts.
#include <gtest/gtest.h>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kSpanish = Language::Spanish;

TEST(SpanishFormsTest, ThreeFormsPerLineButOneInImperativeAndFifteenDoubleBlanks) {
  const FilledTable table;
  for (const Slot& slot : FilledSlots(table, kSpanish)) {
    SCOPED_TRACE(testing::PrintToString(slot));
    const std::vector<std::string_view> lines = Lines(table.Text(kSpanish, slot));
    ASSERT_EQ(lines.size(), 2u);
    for (std::string_view line : lines) EXPECT_EQ(Words(line).size(), slot.tense == 12 ? 1u : 3u);
  }
  std::map<LineRef, int> runs = {{{2, 1, 1}, 1}, {{10, 1, 1}, 1}, {{3, 3, 1}, 1},
                                 {{4, 3, 1}, 1}, {{3, 10, 1}, 1}, {{3, 11, 1}, 1}};
  for (std::int32_t verb : {1, 2, 3, 4, 6, 7, 8, 9, 10}) runs[{verb, 5, 1}] = 1;
  EXPECT_EQ(DoubleBlankRuns(table, kSpanish), runs);
  EXPECT_EQ(LinesEndingWithBlank(table, kSpanish), (std::set<LineRef>{{10, 1, 1}}));
}

TEST(SpanishFormsTest, CharacterInventory) {
  const FilledTable table;
  ExpectInventory(table, kSpanish, " '", U"áéíó");
  EXPECT_EQ(LinesContaining(table, kSpanish, '\''),
            (std::set<LineRef>{{8, 0, 1}, {9, 1, 1}, {8, 12, 1}}));
}

TEST(SpanishFormsTest, OnlyTwoPairsOfIdenticalCells) {
  EXPECT_EQ(IdenticalCells(FilledTable(), kSpanish),
            (std::set<std::pair<Slot, Slot>>{{{0, 10}, {7, 10}}, {{0, 11}, {7, 11}}}));
}

TEST(SpanishFormsTest, LengthExtremes) {
  EXPECT_EQ(Lengths(FilledTable(), kSpanish),
            (LengthExtremes{73, {{3, 5}}, 5, {{7, 12}}, 38, {{3, 5, 2}}}));
}

TEST(SpanishFormsTest, SampleCellsExactly) {
  ExpectCells(FilledTable(), kSpanish,
              {
                  {{8, 0}, "doy das da'\rdamos dais dan"},
                  {{10, 1}, "venía  venías venía \rveníamos veníais venían"},
                  {{0, 3}, "fui fuiste fue\rfuimos fuiseteis fueron"},
                  {{0, 5}, "sería serías sería\rseríamos seríais serían"},
                  {{4, 5}, "creería creerías  creería\rcreeríamoss creeríais creerían"},
                  {{7, 10}, "fuera fueras fuera\rfuéramos fuerais fueran"},
                  {{0, 11}, "fuere fueres fuere\rfuéremos fuereis fueren"},
                  {{0, 12}, "sé\rsed"},
                  {{7, 12}, "ve\rid"},
              });
}

}  // namespace
}  // namespace table_test
