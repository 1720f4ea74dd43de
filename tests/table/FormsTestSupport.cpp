#include "tests/table/FormsTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>

#include "conjugation_table/Words.h"
#include "framework/runtime/Array.h"

namespace table_test {

namespace {

constexpr char kCr = '\r';

std::size_t Index(std::int32_t language, std::int32_t verb, std::int32_t tense) {
  return static_cast<std::size_t>((language * conjugation_table::kVerbSlotCount + verb) *
                                      conjugation_table::kTenseSlotCount +
                                  tense);
}

// Calls `visit` for each line of each non-empty cell of the language.
void ForEachLine(const FilledTable& table, Language language,
                 const std::function<void(const LineRef&, std::string_view)>& visit) {
  for (const Slot& slot : FilledSlots(table, language)) {
    const std::vector<std::string_view> lines = Lines(table.Text(language, slot));
    for (std::size_t n = 0; n < lines.size(); ++n) {
      visit({slot.verb, slot.tense, static_cast<std::int32_t>(n + 1)}, lines[n]);
    }
  }
}

}  // namespace

void PrintTo(const Slot& slot, std::ostream* os) {
  *os << "(j=" << slot.verb << ", k=" << slot.tense << ")";
}

void PrintTo(const LineRef& line, std::ostream* os) {
  *os << "(j=" << line.verb << ", k=" << line.tense << ", line " << line.line << ")";
}

void PrintTo(const LengthExtremes& lengths, std::ostream* os) {
  *os << "longest cell " << lengths.longestCell << " "
      << testing::PrintToString(lengths.longestCells) << ", shortest cell " << lengths.shortestCell
      << " " << testing::PrintToString(lengths.shortestCells) << ", longest line "
      << lengths.longestLine << " " << testing::PrintToString(lengths.longestLines);
}

FilledTable::FilledTable() {
  const framework::Ref<framework::Array> words = conjugation_table::CreateWords();
  conjugation_table::FillWords(words.get());
  cells_.resize(Index(conjugation_table::kLanguageCount, 0, 0));
  for (std::int32_t i = 0; i < conjugation_table::kLanguageCount; ++i) {
    for (std::int32_t j = 0; j < conjugation_table::kVerbSlotCount; ++j) {
      for (std::int32_t k = 0; k < conjugation_table::kTenseSlotCount; ++k) {
        cells_[Index(i, j, k)] =
            std::string(framework::ArrayElementGet(words.get(), i, j, k).Bytes());
      }
    }
  }
}

std::string_view FilledTable::Text(std::int32_t language, std::int32_t verb,
                                   std::int32_t tense) const {
  return cells_[Index(language, verb, tense)];
}

std::string_view FilledTable::Text(Language language, Slot slot) const {
  return Text(static_cast<std::int32_t>(language), slot.verb, slot.tense);
}

std::vector<std::string_view> Lines(std::string_view text) {
  std::vector<std::string_view> lines;
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find(kCr, start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string_view::npos) return lines;
    start = end + 1;
  }
}

std::vector<std::string_view> Words(std::string_view line) {
  std::vector<std::string_view> words;
  for (std::size_t start = 0; start < line.size();) {
    const std::size_t end = std::min(line.find(' ', start), line.size());
    if (end > start) words.push_back(line.substr(start, end - start));
    start = end + 1;
  }
  return words;
}

std::u32string CodePoints(std::string_view text) {
  std::u32string points;
  for (std::size_t n = 0; n < text.size();) {
    const auto lead = static_cast<unsigned char>(text[n]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t point = length == 1 ? lead : lead & (0x7F >> length);
    bool valid = (lead < 0x80 || lead >= 0xC2) && lead < 0xF5 && n + length <= text.size();
    for (std::size_t m = 1; valid && m < length; ++m) {
      const auto next = static_cast<unsigned char>(text[n + m]);
      valid = (next & 0xC0) == 0x80;
      point = (point << 6) | (next & 0x3F);
    }
    if (!valid) {
      ADD_FAILURE() << "invalid UTF-8 at byte " << n << " of " << testing::PrintToString(text);
      return points;
    }
    points.push_back(point);
    n += length;
  }
  return points;
}

std::vector<std::int32_t> Range(std::int32_t first, std::int32_t last) {
  std::vector<std::int32_t> values;
  for (std::int32_t v = first; v <= last; ++v) values.push_back(v);
  return values;
}

std::set<Slot> Grid(const std::vector<std::int32_t>& verbs,
                    const std::vector<std::int32_t>& tenses) {
  std::set<Slot> slots;
  for (std::int32_t verb : verbs) {
    for (std::int32_t tense : tenses) slots.insert({verb, tense});
  }
  return slots;
}

std::set<Slot> FilledSlots(const FilledTable& table, Language language) {
  std::set<Slot> slots;
  for (std::int32_t j = 0; j < conjugation_table::kVerbSlotCount; ++j) {
    for (std::int32_t k = 0; k < conjugation_table::kTenseSlotCount; ++k) {
      if (!table.Text(language, {j, k}).empty()) slots.insert({j, k});
    }
  }
  return slots;
}

std::map<LineRef, int> DoubleBlankRuns(const FilledTable& table, Language language) {
  std::map<LineRef, int> runs;
  ForEachLine(table, language, [&](const LineRef& ref, std::string_view line) {
    for (std::size_t at = line.find("  "); at != std::string_view::npos;
         at = line.find("  ", at + 2)) {
      ++runs[ref];
    }
  });
  return runs;
}

std::set<LineRef> LinesEndingWithBlank(const FilledTable& table, Language language) {
  std::set<LineRef> lines;
  ForEachLine(table, language, [&](const LineRef& ref, std::string_view line) {
    if (line.ends_with(' ')) lines.insert(ref);
  });
  return lines;
}

std::set<LineRef> LinesContaining(const FilledTable& table, Language language, char c) {
  std::set<LineRef> lines;
  ForEachLine(table, language, [&](const LineRef& ref, std::string_view line) {
    if (line.find(c) != std::string_view::npos) lines.insert(ref);
  });
  return lines;
}

std::set<std::pair<Slot, Slot>> IdenticalCells(const FilledTable& table, Language language) {
  std::set<std::pair<Slot, Slot>> pairs;
  const std::set<Slot> slots = FilledSlots(table, language);
  for (auto a = slots.begin(); a != slots.end(); ++a) {
    for (auto b = std::next(a); b != slots.end(); ++b) {
      if (table.Text(language, *a) == table.Text(language, *b)) pairs.insert({*a, *b});
    }
  }
  return pairs;
}

std::set<std::pair<LineRef, LineRef>> SharedLines(const FilledTable& table, Language language) {
  std::map<std::string_view, std::vector<LineRef>> byText;
  ForEachLine(table, language,
              [&](const LineRef& ref, std::string_view line) { byText[line].push_back(ref); });
  std::set<std::pair<LineRef, LineRef>> pairs;
  for (const auto& [text, refs] : byText) {
    for (std::size_t a = 0; a < refs.size(); ++a) {
      for (std::size_t b = a + 1; b < refs.size(); ++b) {
        const bool sameCell = refs[a].verb == refs[b].verb && refs[a].tense == refs[b].tense;
        if (!sameCell) pairs.insert(std::minmax(refs[a], refs[b]));
      }
    }
  }
  return pairs;
}

LengthExtremes Lengths(const FilledTable& table, Language language) {
  LengthExtremes lengths{0, {}, std::numeric_limits<std::size_t>::max(), {}, 0, {}};
  for (const Slot& slot : FilledSlots(table, language)) {
    const std::size_t size = table.Text(language, slot).size();
    if (size > lengths.longestCell) {
      lengths.longestCell = size;
      lengths.longestCells.clear();
    }
    if (size == lengths.longestCell) lengths.longestCells.insert(slot);
    if (size < lengths.shortestCell) {
      lengths.shortestCell = size;
      lengths.shortestCells.clear();
    }
    if (size == lengths.shortestCell) lengths.shortestCells.insert(slot);
  }
  ForEachLine(table, language, [&](const LineRef& ref, std::string_view line) {
    if (line.size() > lengths.longestLine) {
      lengths.longestLine = line.size();
      lengths.longestLines.clear();
    }
    if (line.size() == lengths.longestLine) lengths.longestLines.insert(ref);
  });
  return lengths;
}

void ExpectInventory(const FilledTable& table, Language language, std::string_view otherAscii,
                     std::u32string_view letters) {
  std::set<char32_t> seen;
  ForEachLine(table, language, [&](const LineRef& ref, std::string_view line) {
    for (char32_t c : CodePoints(line)) {
      seen.insert(c);
      const bool allowed = (c >= U'a' && c <= U'z') ||
                           (c < 0x80 && otherAscii.find(static_cast<char>(c)) != otherAscii.npos) ||
                           letters.find(c) != letters.npos;
      EXPECT_TRUE(allowed) << "U+" << std::hex << static_cast<std::uint32_t>(c) << " in "
                           << testing::PrintToString(ref);
    }
  });
  for (char32_t letter : letters) {
    EXPECT_TRUE(seen.contains(letter))
        << "U+" << std::hex << static_cast<std::uint32_t>(letter) << " never occurs";
  }
}

void ExpectCells(const FilledTable& table, Language language,
                 const std::vector<ExpectedCell>& cells) {
  for (const ExpectedCell& cell : cells) {
    EXPECT_EQ(table.Text(language, cell.slot), cell.text) << testing::PrintToString(cell.slot);
  }
}

}  // namespace table_test
