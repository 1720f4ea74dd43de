#pragma once

#include <cstdint>
#include <span>

#include "conjugation_table/TableShape.h"

namespace conjugation_table {

// One run of the fill: one language, its tense/mood slots in store order. Within a slot the
// verb slots that the language fills are stored in ascending order.
struct StoreRun {
  Language language;
  std::span<const std::int32_t> tenses;
};

// The runs of the fill, in program order.
std::span<const StoreRun> StoreRuns() noexcept;

}  // namespace conjugation_table
