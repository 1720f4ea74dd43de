#pragma once

// Helpers for the tests of the filled conjugation table: read every cell once, then gather
// facts about one language's cells (which slots are filled, blank runs, characters, lengths,
// repeated texts) so that each test compares one fact with its expectation.

#include <compare>
#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "conjugation_table/TableShape.h"

namespace table_test {

using conjugation_table::Language;

// A verb slot and a tense/mood slot.
struct Slot {
  std::int32_t verb;
  std::int32_t tense;
  auto operator<=>(const Slot&) const = default;
};

// One line of a cell, lines counted from 1.
struct LineRef {
  std::int32_t verb;
  std::int32_t tense;
  std::int32_t line;
  auto operator<=>(const LineRef&) const = default;
};

void PrintTo(const Slot& slot, std::ostream* os);
void PrintTo(const LineRef& line, std::ostream* os);

// Every cell of a freshly created and filled table, read back through ArrayElementGet.
class FilledTable {
 public:
  FilledTable();
  std::string_view Text(std::int32_t language, std::int32_t verb, std::int32_t tense) const;
  std::string_view Text(Language language, Slot slot) const;

 private:
  std::vector<std::string> cells_;
};

// The lines of a cell text, split at each carriage return.
std::vector<std::string_view> Lines(std::string_view text);
// The blank-separated words of a line; a run of blanks separates like one blank.
std::vector<std::string_view> Words(std::string_view line);
// The code points of UTF-8 text; an invalid sequence fails the calling test.
std::u32string CodePoints(std::string_view text);

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t last);
// Every pair of one of `verbs` with one of `tenses`.
std::set<Slot> Grid(const std::vector<std::int32_t>& verbs,
                    const std::vector<std::int32_t>& tenses);

// Facts about the non-empty cells of one language.
std::set<Slot> FilledSlots(const FilledTable& table, Language language);
// Lines holding two blanks in a row, each with its number of such runs.
std::map<LineRef, int> DoubleBlankRuns(const FilledTable& table, Language language);
std::set<LineRef> LinesEndingWithBlank(const FilledTable& table, Language language);
std::set<LineRef> LinesContaining(const FilledTable& table, Language language, char c);
// Pairs of different cells with the same text, and lines of different cells with the same text.
std::set<std::pair<Slot, Slot>> IdenticalCells(const FilledTable& table, Language language);
std::set<std::pair<LineRef, LineRef>> SharedLines(const FilledTable& table, Language language);

// Byte lengths, the carriage returns included, and the cells and lines that reach them.
struct LengthExtremes {
  std::size_t longestCell;
  std::set<Slot> longestCells;
  std::size_t shortestCell;
  std::set<Slot> shortestCells;
  std::size_t longestLine;
  std::set<LineRef> longestLines;
  bool operator==(const LengthExtremes&) const = default;
};
void PrintTo(const LengthExtremes& lengths, std::ostream* os);
LengthExtremes Lengths(const FilledTable& table, Language language);

// Expects the language's lines to use only lowercase ASCII letters, the characters of
// `otherAscii` and the non-ASCII `letters`, each of which occurs somewhere.
void ExpectInventory(const FilledTable& table, Language language, std::string_view otherAscii,
                     std::u32string_view letters);

struct ExpectedCell {
  Slot slot;
  std::string_view text;
};
void ExpectCells(const FilledTable& table, Language language,
                 const std::vector<ExpectedCell>& cells);

}  // namespace table_test
