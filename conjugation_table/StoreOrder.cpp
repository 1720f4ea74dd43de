#include "conjugation_table/StoreOrder.h"

namespace conjugation_table {

namespace {

constexpr std::int32_t kPresentOnly[] = {0};
constexpr std::int32_t kFrench[] = {0, 1, 2, 3, 9, 10, 11};
constexpr std::int32_t kSpanishAndPortuguese[] = {0, 1, 2, 3, 5, 9, 10, 11, 12};
constexpr std::int32_t kCatalan[] = {0, 1, 2, 11, 9, 10, 3};
constexpr std::int32_t kRomanian[] = {0, 1, 2, 3, 9, 11};
constexpr std::int32_t kLatinAfterPresent[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12};
constexpr std::int32_t kItalianAfterPresent[] = {1, 2, 3, 9, 10, 11, 12};

constexpr StoreRun kRuns[] = {
    {Language::Latin, kPresentOnly},
    {Language::Italian, kPresentOnly},
    {Language::French, kFrench},
    {Language::Spanish, kSpanishAndPortuguese},
    {Language::BrazilianPortuguese, kSpanishAndPortuguese},
    {Language::Catalan, kCatalan},
    {Language::Romanian, kRomanian},
    {Language::Latin, kLatinAfterPresent},
    {Language::Italian, kItalianAfterPresent},
};

}  // namespace

std::span<const StoreRun> StoreRuns() noexcept {
  return kRuns;
}

}  // namespace conjugation_table
