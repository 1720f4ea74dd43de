// The Italian cells of the filled table: their layout, characters and a sample of exact texts,
// misspellings included.
#include <gtest/gtest.h>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kItalian = Language::Italian;

TEST(ItalianFormsTest, ThreeFormsPerLineAndDoubleBlanksOnlyInImperfectSubjunctive) {
  const FilledTable table;
  for (const Slot& slot : FilledSlots(table, kItalian)) {
    SCOPED_TRACE(testing::PrintToString(slot));
    const std::vector<std::string_view> lines = Lines(table.Text(kItalian, slot));
    ASSERT_EQ(lines.size(), 2u);
    // "avessi avessiavesse" is stored with its last two forms run together.
    const bool runTogether = slot == Slot{1, 10};
    EXPECT_EQ(Words(lines[0]).size(), slot.tense == 12 || runTogether ? 2u : 3u);
    EXPECT_EQ(Words(lines[1]).size(), 3u);
  }
  const std::map<LineRef, int> runs = {{{5, 10, 1}, 2}, {{6, 10, 1}, 1}, {{6, 10, 2}, 1},
                                       {{7, 10, 1}, 2}, {{8, 10, 1}, 1}, {{10, 10, 1}, 1}};
  EXPECT_EQ(DoubleBlankRuns(table, kItalian), runs);
  EXPECT_EQ(LinesEndingWithBlank(table, kItalian), (std::set<LineRef>{{1, 1, 1}}));
}

TEST(ItalianFormsTest, ApostropheEndsAFormInEightLines) {
  const FilledTable table;
  const std::set<LineRef> lines = LinesContaining(table, kItalian, '\'');
  EXPECT_EQ(lines, (std::set<LineRef>{{8, 0, 1},
                                      {0, 1, 1},
                                      {8, 1, 1},
                                      {8, 9, 1},
                                      {8, 10, 1},
                                      {5, 12, 1},
                                      {7, 12, 1},
                                      {8, 12, 1}}));
  for (const LineRef& ref : lines) {
    const std::string_view line = Lines(table.Text(kItalian, {ref.verb, ref.tense}))[0];
    for (std::size_t at = line.find('\''); at != std::string_view::npos;
         at = line.find('\'', at + 1)) {
      EXPECT_TRUE(at + 1 == line.size() || line[at + 1] == ' ') << testing::PrintToString(ref);
    }
  }
}

TEST(ItalianFormsTest, CharacterInventory) {
  ExpectInventory(FilledTable(), kItalian, " '", U"àèìò");
}

TEST(ItalianFormsTest, SubjunctiveAndImperativeShareSixPluralLines) {
  const FilledTable table;
  EXPECT_TRUE(IdenticalCells(table, kItalian).empty());
  std::set<std::pair<LineRef, LineRef>> shared;
  for (std::int32_t verb : {0, 1, 5, 7, 8, 10}) shared.insert({{verb, 9, 2}, {verb, 12, 2}});
  EXPECT_EQ(SharedLines(table, kItalian), shared);
}

TEST(ItalianFormsTest, LengthExtremes) {
  EXPECT_EQ(Lengths(FilledTable(), kItalian),
            (LengthExtremes{71, {{3, 11}}, 25, {{0, 12}}, 37, {{3, 11, 2}}}));
}

TEST(ItalianFormsTest, SampleCellsExactly) {
  ExpectCells(FilledTable(), kItalian,
              {
                  {{0, 0}, "sono sei è\rsiamo siete sono"},
                  {{7, 0}, "vado vai va\randiamo andate vannno"},
                  {{1, 1}, "avevo avevi aveva \ravevamo avevate avevano"},
                  {{3, 3}, "prendei prendesti prendè\rprendemmo prendeste prenderono"},
                  {{1, 10}, "avessi avessiavesse\ravessimo aveste avessero"},
                  {{5, 10}, "facessi  facessi  facesse\rfacessimo faceste facessero"},
                  {{0, 12}, "sii sia\rsiamo siate siano"},
                  {{8, 12}, "da' dia'\rdiamo diate diano"},
              });
}

}  // namespace
}  // namespace table_test
