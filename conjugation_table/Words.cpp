#include "conjugation_table/Words.h"

#include <algorithm>

#include "conjugation_table/LanguageForms.h"
#include "conjugation_table/StoreOrder.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/String.h"

namespace conjugation_table {

using framework::Array;
using framework::Chr;
using framework::RuntimeAddString;
using framework::String;

namespace {

// The lines joined with a CR between them, left to right. The text starts in a buffer with room
// for all of it, so each join appends in place.
String CellText(const FormCell& cell) {
  const std::size_t length = cell.line1.size() + cell.line2.size() + cell.line3.size() + 2;
  String text = RuntimeAddString(
      RuntimeAddString(String::WithCapacity(cell.line1, length), Chr(kCarriageReturn)), cell.line2);
  if (!cell.line3.empty()) {
    text = RuntimeAddString(RuntimeAddString(std::move(text), Chr(kCarriageReturn)), cell.line3);
  }
  return text;
}

void Store(Array* words, Language language, const FormCell& cell) {
  if (!words) framework::RaiseNilObjectException();
  framework::ArrayElementSet(words, CellText(cell), static_cast<std::int32_t>(language), cell.verb,
                             cell.tense);
}

// A language's cells are ordered by tense/mood slot, so the cells of one slot are one range.
void FillRun(Array* words, const StoreRun& run) {
  const std::span<const FormCell> forms = FormsOf(run.language);
  struct ByTense {
    bool operator()(const FormCell& cell, std::int32_t tense) const { return cell.tense < tense; }
    bool operator()(std::int32_t tense, const FormCell& cell) const { return tense < cell.tense; }
  };
  for (std::int32_t tense : run.tenses) {
    const auto [first, last] = std::equal_range(forms.begin(), forms.end(), tense, ByTense{});
    for (auto cell = first; cell != last; ++cell) Store(words, run.language, *cell);
  }
}

}  // namespace

framework::Ref<Array> CreateWords() {
  return framework::CreateArray(kDimensions, framework::kStringElementType, kUpperBounds);
}

void FillWords(Array* words) {
  try {
    for (const StoreRun& run : StoreRuns()) FillRun(words, run);
  } catch (const framework::PendingException&) {
    // The fill ends at its first failure; what it stored stays, and the table tells the rest.
  }
}

}  // namespace conjugation_table
