// The Romanian cells of the filled table: the auxiliary-and-infinitive lines of the future and
// the conditional, the comma-below letters and a sample of exact texts.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "tests/table/FormsTestSupport.h"

namespace table_test {
namespace {

constexpr Language kRomanian = Language::Romanian;

TEST(RomanianFormsTest, OtherSlotsHoldThreeFormsPerLine) {
  const FilledTable table;
  for (const Slot& slot : Grid(Range(0, 10), {0, 1, 3, 9})) {
    const std::vector<std::string_view> lines = Lines(table.Text(kRomanian, slot));
    ASSERT_EQ(lines.size(), 2u) << testing::PrintToString(slot);
    for (std::string_view line : lines) {
      EXPECT_EQ(Words(line).size(), 3u) << testing::PrintToString(slot);
    }
  }
}

// Each person is an auxiliary and the verb's infinitive; line 2 has two blanks after the first
// person plural, except for verb slot 1.
TEST(RomanianFormsTest, FutureAndConditionalPairAuxiliaryWithInfinitive) {
  const std::array<std::string_view, 11> infinitives = {
      "fi", "avea", "cauta", "lua", "lucra", "face", "vorbi", "ieși", "da", "sta", "veni"};
  struct Auxiliaries {
    std::int32_t tense;
    std::array<std::string_view, 6> persons;
  };
  const Auxiliaries slots[] = {{2, {"voi", "vei", "va", "vom", "veți", "vor"}},
                               {11, {"aș", "ai", "ar", "am", "ați", "ar"}}};
  const FilledTable table;
  for (const Auxiliaries& aux : slots) {
    for (std::int32_t verb = 0; verb <= 10; ++verb) {
      const std::string infinitive(infinitives[static_cast<std::size_t>(verb)]);
      const std::string gap = verb == 1 ? " " : "  ";
      const auto person = [&](std::size_t n) {
        return std::string(aux.persons[n]) + " " + infinitive;
      };
      const std::string expected = person(0) + " " + person(1) + " " + person(2) + "\r" +
                                   person(3) + gap + person(4) + " " + person(5);
      EXPECT_EQ(table.Text(kRomanian, {verb, aux.tense}), expected);
    }
  }
}

TEST(RomanianFormsTest, DoubleBlanksAndNoTrailingBlank) {
  const FilledTable table;
  std::map<LineRef, int> runs = {{{3, 3, 1}, 1}, {{10, 3, 2}, 1}};
  for (std::int32_t verb : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10}) {
    runs[{verb, 2, 2}] = 1;
    runs[{verb, 11, 2}] = 1;
  }
  EXPECT_EQ(DoubleBlankRuns(table, kRomanian), runs);
  EXPECT_TRUE(LinesEndingWithBlank(table, kRomanian).empty());
}

TEST(RomanianFormsTest, CommaBelowLettersNeverCedilla) {
  const FilledTable table;
  ExpectInventory(table, kRomanian, " ", U"ășț");
  for (const Slot& slot : FilledSlots(table, kRomanian)) {
    const std::string_view text = table.Text(kRomanian, slot);
    for (std::string_view cedilla : {"ş", "ţ", "Ş", "Ţ"}) {
      EXPECT_EQ(text.find(cedilla), std::string_view::npos) << testing::PrintToString(slot);
    }
  }
  // "ești": ș is stored as C8 99.
  EXPECT_EQ(table.Text(kRomanian, {0, 0}).substr(5, 5), "e\xC8\x99ti");
}

TEST(RomanianFormsTest, OnlyPresentAndSubjunctiveOfVerbThreeShareALine) {
  const FilledTable table;
  EXPECT_TRUE(IdenticalCells(table, kRomanian).empty());
  EXPECT_EQ(SharedLines(table, kRomanian),
            (std::set<std::pair<LineRef, LineRef>>{{{3, 0, 1}, {3, 9, 1}}}));
}

TEST(RomanianFormsTest, LengthExtremes) {
  EXPECT_EQ(Lengths(FilledTable(), kRomanian),
            (LengthExtremes{61,
                            {{2, 2}, {4, 2}, {6, 2}, {7, 2}},
                            24,
                            {{1, 0}},
                            32,
                            {{2, 2, 2}, {4, 2, 2}, {6, 2, 2}, {7, 2, 2}}}));
}

TEST(RomanianFormsTest, SampleCellsExactly) {
  ExpectCells(FilledTable(), kRomanian,
              {
                  {{0, 0}, "sunt ești este\rsuntem sunteți sunt"},
                  {{3, 0}, "iau iei ia\rluăm luați iau"},
                  {{1, 1}, "aveam aveai avea\ravaem aveați aveau"},
                  {{3, 3}, "luai luași  luă\rluarăm luarăți luară"},
                  {{9, 3}, "stai stași stă\rstarăm staraț stară"},
                  {{10, 3}, "venii veniși veni\rvenirăm venirați  veniră"},
                  {{3, 9}, "iau iei ia\rluăm luați ia"},
              });
}

}  // namespace
}  // namespace table_test
