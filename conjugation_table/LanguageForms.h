#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "conjugation_table/TableShape.h"

namespace conjugation_table {

// One cell of a language: its verb slot, its tense/mood slot and its lines. Line 1 holds the
// singular persons, line 2 the plural persons; a few cells have a third line.
struct FormCell {
  std::int32_t verb;
  std::int32_t tense;
  std::string_view line1;
  std::string_view line2;
  std::string_view line3 = {};
};

// Each language's cells, ordered by tense/mood slot, then verb slot.
std::span<const FormCell> LatinForms() noexcept;
std::span<const FormCell> ItalianForms() noexcept;
std::span<const FormCell> FrenchForms() noexcept;
std::span<const FormCell> SpanishForms() noexcept;
std::span<const FormCell> BrazilianPortugueseForms() noexcept;
std::span<const FormCell> RomanianForms() noexcept;
std::span<const FormCell> CatalanForms() noexcept;

std::span<const FormCell> FormsOf(Language language) noexcept;

}  // namespace conjugation_table
