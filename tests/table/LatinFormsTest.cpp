// The Latin cells of the filled table: their layout and the special cells exactly.
#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kLatin = Language::Latin;

TEST(LatinFormsTest, TwoLinesOfThreeFormsOneFormInTheImperativeAndFourThreeLineCells) {
  const FilledTable table;
  const std::set<Slot> threeLines = {{0, 6}, {0, 7}, {7, 7}, {0, 8}};
  for (const Slot& slot : FilledSlots(table, kLatin)) {
    SCOPED_TRACE(testing::PrintToString(slot));
    const std::vector<std::string_view> lines = Lines(table.Text(kLatin, slot));
    ASSERT_EQ(lines.size(), threeLines.contains(slot) ? 3u : 2u);
    const std::size_t forms = slot.tense == 12 ? 1 : 3;
    EXPECT_EQ(Words(lines[0]).size(), forms);
    EXPECT_EQ(Words(lines[1]).size(), forms);
  }
  EXPECT_TRUE(DoubleBlankRuns(table, kLatin).empty());
  std::set<LineRef> trailing;
  for (std::int32_t tense : {0, 1, 3, 4, 5, 9, 10}) trailing.insert({10, tense, 2});
  EXPECT_EQ(LinesEndingWithBlank(table, kLatin), trailing);
}

TEST(LatinFormsTest, CharacterInventory) {
  ExpectInventory(FilledTable(), kLatin, " ?", U"");
}

TEST(LatinFormsTest, FirstFormOfEachPresentNamesTheVerb) {
  const FilledTable table;
  const std::string_view first[] = {"sum",   "habeo", "amo", "moneo", "rego", "facio",
                                    "audio", "eo",    "do",  "sto",   "venio"};
  for (std::int32_t verb = 0; verb <= 10; ++verb) {
    EXPECT_EQ(Words(Lines(table.Text(kLatin, {verb, 0}))[0])[0], first[verb]) << verb;
  }
}

TEST(LatinFormsTest, SpecialCellsExactly) {
  ExpectCells(
      FilledTable(), kLatin,
      {
          {{0, 0}, "sum es est\rsumus estis sunt"},
          // Three lines, the last a question mark.
          {{0, 6}, "essor esseris essetur\ressemur essemini essentur\r?"},
          {{0, 7}, "essebar essebaris essebatur\ressebamur essebamini essebantur\r?"},
          {{7, 7},
           "praetrebar praeterebaris ebatur\rpreturiebamur praeteriebamini praetebantur\r?"},
          {{0, 8}, "essar esseris essetur\ressemur essemini essentur\r?"},
          {{1, 6}, "habeor haberis habetur\rhamemur habemini habentur"},
          {{10, 6}, "venior veniris venitur\rvenimur venimini veniuntur"},
          // venire: a blank ends line 2 in seven slots, not in the future.
          {{10, 0}, "venio venis venit\rvenimus venitis veniunt "},
          {{10, 1}, "veniebam veniebas veniebat\rveniebamus veniebatis veniebant "},
          {{10, 2}, "veniam venies veniet\rveniemus venietis venient"},
          {{10, 3}, "veni venisti venit\rvenimus venistis venerunt "},
          {{10, 4}, "veneram veneras venerat\rveneramus veneratis venerant "},
          {{10, 5}, "venero veneris venerit\rvenerimus veneritis venerint "},
          {{10, 9}, "veniam venias veniat\rveniamus veniatis veniant "},
          {{10, 10}, "venirem venires veniret\rveniremus veniretis venirent "},
          {{10, 12}, "veni\rvenite"},
          {{0, 12}, "es\reste"},
          // Forms that look misspelled are kept as they stand.
          {{1, 0}, "habeo habes habet\rhamemus habetis habent"},
          {{3, 2}, "monebo monebis monebit\rmonebimus monebitis momebunt"},
          {{5, 4}, "feceram feceras fecat\rfeceramus feceratis fecerant"},
          {{5, 5}, "fecero feceris fecit\rfecerimus feceritis fecerint"},
          {{6, 10}, "audierem audieres audieret\raudieremus audieretis aaudierent"},
          {{1, 8}, "habear habeabris habebitur\rhamebimur habebimini habebuntur"},
          {{10, 8}, "veniar venieris venietur\rveniemur veniemini venieuntur"},
      });
}

}  // namespace
}  // namespace table_test
