// The Catalan cells of the filled table: their layout (the backspace cell, the cell with a
// trailing blank), characters and a sample of exact texts.
#include <gtest/gtest.h>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kCatalan = Language::Catalan;

TEST(CatalanFormsTest, BackspaceStoredInsideFirstFormOfVerbSeven) {
  const FilledTable table;
  const std::string_view text = table.Text(kCatalan, {7, 0});
  const unsigned char line1[] = {0x76, 0x08, 0x61, 0x69, 0x67, 0x20,
                                 0x76, 0x61, 0x73, 0x20, 0x76, 0x61};
  EXPECT_EQ(Lines(text)[0], std::string_view(reinterpret_cast<const char*>(line1), sizeof line1));
  EXPECT_EQ(LinesContaining(table, kCatalan, '\b'), (std::set<LineRef>{{7, 0, 1}}));
}

TEST(CatalanFormsTest, ThreeFormsPerLineWithFourStoredExceptions) {
  const FilledTable table;
  for (const Slot& slot : FilledSlots(table, kCatalan)) {
    SCOPED_TRACE(testing::PrintToString(slot));
    const std::vector<std::string_view> lines = Lines(table.Text(kCatalan, slot));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Words(lines[0]).size(), 3u);
    // "aní rem aní reu anaren" splits two of its forms.
    EXPECT_EQ(Words(lines[1]).size(), (slot == Slot{7, 3}) ? 5u : 3u);
  }
  EXPECT_EQ(DoubleBlankRuns(table, kCatalan),
            (std::map<LineRef, int>{{{8, 2, 1}, 1}, {{10, 11, 2}, 1}}));
  EXPECT_EQ(LinesEndingWithBlank(table, kCatalan), (std::set<LineRef>{{7, 3, 1}}));
}

TEST(CatalanFormsTest, CharacterInventoryWithoutApostrophe) {
  ExpectInventory(FilledTable(), kCatalan, " \b", U"àéíó");
}

TEST(CatalanFormsTest, NoRepeatedTextsButPresentOfVerbOneMatchesSpanishSingular) {
  const FilledTable table;
  EXPECT_TRUE(IdenticalCells(table, kCatalan).empty());
  EXPECT_TRUE(SharedLines(table, kCatalan).empty());
  const std::string_view catalan = table.Text(kCatalan, {1, 0});
  const std::string_view spanish = table.Text(Language::Spanish, {1, 0});
  EXPECT_EQ(Lines(catalan)[0], "he has ha");
  EXPECT_EQ(Lines(spanish)[0], "he has ha");
  EXPECT_NE(Lines(catalan)[1], Lines(spanish)[1]);
}

TEST(CatalanFormsTest, LengthExtremes) {
  EXPECT_EQ(Lengths(FilledTable(), kCatalan),
            (LengthExtremes{70, {{9, 10}}, 21, {{1, 0}}, 38, {{9, 10, 2}}}));
}

TEST(CatalanFormsTest, SampleCellsExactly) {
  ExpectCells(FilledTable(), kCatalan,
              {
                  {{0, 0}, "sóc ets és\rsom sou són"},
                  {{7, 0}, "v\baig vas va\ranem aneu van"},
                  {{5, 1}, "feia feies feia\rféiem féieu feienn"},
                  {{8, 2}, "donaré donaràs  donarà\rdonarem donareu donaran"},
                  {{7, 3}, "aní anares aní \raní rem aní reu anaren"},
                  {{9, 10}, "estigués estiguessis estigués\restiguéssim estiguéssiu estiguéssin"},
                  {{10, 11}, "vindria vindres vindria\rvindríem  vindríeu vindrien"},
              });
}

}  // namespace
}  // namespace table_test
