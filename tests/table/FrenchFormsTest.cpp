// The French cells of the filled table: the subject pronouns and layout of every line,
// characters and a sample of exact texts, misspellings included.
#include <gtest/gtest.h>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kFrench = Language::French;

TEST(FrenchFormsTest, VerbNineRepeatsVerbZero) {
  EXPECT_EQ(IdenticalCells(FilledTable(), kFrench),
            (std::set<std::pair<Slot, Slot>>{{{0, 0}, {9, 0}}, {{0, 1}, {9, 1}}}));
}

// Line 1: je (or j' joined to its form), tu, il; line 2: nous, vous, ils, each before its form.
TEST(FrenchFormsTest, EveryFormFollowsItsPronoun) {
  const FilledTable table;
  for (const Slot& slot : FilledSlots(table, kFrench)) {
    SCOPED_TRACE(testing::PrintToString(slot));
    const std::vector<std::string_view> lines = Lines(table.Text(kFrench, slot));
    ASSERT_EQ(lines.size(), 2u);
    std::vector<std::string_view> singular = Words(lines[0]);
    ASSERT_FALSE(singular.empty());
    if (singular[0].starts_with("j'")) {
      EXPECT_GT(singular[0].size(), 2u);
      singular.insert(singular.begin(), "je");  // align the elided pronoun with the others
    }
    ASSERT_EQ(singular.size(), 6u);
    EXPECT_EQ(singular[0], "je");
    EXPECT_EQ(singular[2], "tu");
    EXPECT_EQ(singular[4], "il");
    const std::vector<std::string_view> plural = Words(lines[1]);
    ASSERT_EQ(plural.size(), 6u);
    EXPECT_EQ(plural[0], "nous");
    EXPECT_EQ(plural[2], slot.verb == 8 ? "vou" : "vous");  // verb slot 8 stores "vou"
    EXPECT_EQ(plural[4], "ils");
  }
}

TEST(FrenchFormsTest, TwoBlanksBeforeIlInVerbSevenOnly) {
  const FilledTable table;
  std::map<LineRef, int> runs;
  for (std::int32_t tense : {0, 1, 2, 3, 9, 10, 11}) {
    runs[{7, tense, 1}] = 1;
    EXPECT_NE(table.Text(kFrench, {7, tense}).find("  il "), std::string_view::npos) << tense;
  }
  EXPECT_EQ(DoubleBlankRuns(table, kFrench), runs);
  EXPECT_TRUE(LinesEndingWithBlank(table, kFrench).empty());
}

// Besides the elided j', an apostrophe ends line 1 of every cell of verb slot 8.
TEST(FrenchFormsTest, ApostropheOutsideElisionOnlyAfterVerbEightSingular) {
  const FilledTable table;
  std::set<LineRef> found;
  for (const Slot& slot : FilledSlots(table, kFrench)) {
    const std::vector<std::string_view> lines = Lines(table.Text(kFrench, slot));
    for (std::size_t n = 0; n < lines.size(); ++n) {
      std::string_view line = lines[n];
      if (n == 0 && line.starts_with("j'")) line.remove_prefix(2);
      if (line.find('\'') == std::string_view::npos) continue;
      found.insert({slot.verb, slot.tense, static_cast<std::int32_t>(n + 1)});
      EXPECT_EQ(line.find('\''), line.size() - 1) << testing::PrintToString(slot);
    }
  }
  std::set<LineRef> expected;
  for (std::int32_t tense : {0, 1, 2, 3, 9, 10, 11}) expected.insert({8, tense, 1});
  EXPECT_EQ(found, expected);
}

TEST(FrenchFormsTest, CharacterInventory) {
  ExpectInventory(FilledTable(), kFrench, " '", U"âèéîû");
}

TEST(FrenchFormsTest, SharedLines) {
  const std::set<std::pair<LineRef, LineRef>> shared = {
      {{0, 0, 1}, {9, 0, 1}}, {{0, 0, 2}, {9, 0, 2}}, {{0, 1, 1}, {9, 1, 1}},
      {{0, 1, 2}, {9, 1, 2}}, {{2, 0, 1}, {2, 9, 1}}, {{6, 0, 1}, {6, 9, 1}},
      {{8, 0, 1}, {8, 9, 1}}, {{6, 1, 1}, {6, 11, 1}}};
  EXPECT_EQ(SharedLines(FilledTable(), kFrench), shared);
}

TEST(FrenchFormsTest, LengthExtremes) {
  EXPECT_EQ(Lengths(FilledTable(), kFrench),
            (LengthExtremes{85, {{3, 11}, {8, 11}, {10, 11}}, 44, {{1, 0}}, 47, {{6, 10, 2}}}));
}

TEST(FrenchFormsTest, SampleCellsExactly) {
  ExpectCells(FilledTable(), kFrench,
              {
                  {{1, 0}, "j'ai tu as il a\rnous avons vous avez ils ont"},
                  {{7, 0}, "je vais tu vas  il va\rnous allons vous allez ils vont"},
                  {{8, 0}, "je donne tu donnes il donne'\rnous donnons vou donnez ils donnent"},
                  {{9, 1}, "j'étais tu étais il était\rnous étions vous étiez ils étaient"},
                  {{1, 3}, "j'eus tu eus il eut\rnous eûmes vous eûtes ils eurent"},
                  {{10, 10},
                   "je vinse tu vinses il vînt\rnous vinissions vous vinissiez ils "
                   "vinissent"},
                  {{6, 11},
                   "j'ouvrais tu ouvrais il ouvrait\rnous ouvririons vous ouvririez ils "
                   "ouvriraient"},
              });
}

}  // namespace
}  // namespace table_test
