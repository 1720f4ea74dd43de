// The Brazilian Portuguese cells of the filled table: two forms per line (first and third
// person), characters and a sample of exact texts.
#include <gtest/gtest.h>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kPortuguese = Language::BrazilianPortuguese;

TEST(BrazilianPortugueseFormsTest, TwoFormsPerLineButOneInImperativeWithSingleBlanks) {
  const FilledTable table;
  for (const Slot& slot : FilledSlots(table, kPortuguese)) {
    SCOPED_TRACE(testing::PrintToString(slot));
    const std::vector<std::string_view> lines = Lines(table.Text(kPortuguese, slot));
    ASSERT_EQ(lines.size(), 2u);
    for (std::string_view line : lines) {
      EXPECT_EQ(Words(line).size(), slot.tense == 12 ? 1u : 2u);
    }
  }
  EXPECT_TRUE(DoubleBlankRuns(table, kPortuguese).empty());
  EXPECT_TRUE(LinesEndingWithBlank(table, kPortuguese).empty());
}

TEST(BrazilianPortugueseFormsTest, CharacterInventoryWithoutApostrophe) {
  ExpectInventory(FilledTable(), kPortuguese, " ", U"áãçéêíô");
}

TEST(BrazilianPortugueseFormsTest, OnlyFourPairsOfIdenticalCells) {
  EXPECT_EQ(IdenticalCells(FilledTable(), kPortuguese),
            (std::set<std::pair<Slot, Slot>>{
                {{0, 3}, {7, 3}}, {{0, 10}, {7, 10}}, {{0, 11}, {7, 11}}, {{2, 0}, {2, 9}}}));
}

TEST(BrazilianPortugueseFormsTest, LengthExtremes) {
  EXPECT_EQ(Lengths(FilledTable(), kPortuguese),
            (LengthExtremes{44, {{3, 10}}, 8, {{2, 12}, {7, 12}}, 24, {{3, 10, 2}, {9, 10, 2}}}));
}

TEST(BrazilianPortugueseFormsTest, SampleCellsExactly) {
  ExpectCells(FilledTable(), kPortuguese,
              {
                  {{5, 0}, "faço faz\rfazemos fazem"},
                  {{10, 0}, "venho vem\rvímos vêm"},
                  {{0, 1}, "era era\réramos eram"},
                  {{7, 3}, "fui foi\rfomos foram"},
                  {{10, 5}, "viriai viria\rviríamo viriam"},
                  {{0, 9}, "seja seja\rsejamos sejam"},
                  {{2, 9}, "amo ama\ramamos amam"},
                  {{0, 10}, "fosse fosse\rfôssemos fossem"},
                  {{0, 12}, "seja\rsejam"},
                  {{7, 12}, "vá\rvão"},
              });
}

}  // namespace
}  // namespace table_test
