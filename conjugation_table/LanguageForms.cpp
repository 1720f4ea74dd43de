#include "conjugation_table/LanguageForms.h"

namespace conjugation_table {

std::span<const FormCell> FormsOf(Language language) noexcept {
  switch (language) {
    case Language::Latin:
      return LatinForms();
    case Language::Italian:
      return ItalianForms();
    case Language::French:
      return FrenchForms();
    case Language::Spanish:
      return SpanishForms();
    case Language::BrazilianPortuguese:
      return BrazilianPortugueseForms();
    case Language::Romanian:
      return RomanianForms();
    case Language::Catalan:
      return CatalanForms();
  }
  return {};
}

}  // namespace conjugation_table
