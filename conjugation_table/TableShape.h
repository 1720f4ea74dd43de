#pragma once

#include <cstdint>

namespace conjugation_table {

// First index of Words: the row of the language list.
enum class Language : std::int32_t {
  Latin = 0,
  Italian = 1,
  French = 2,
  Spanish = 3,
  BrazilianPortuguese = 4,
  Romanian = 5,
  Catalan = 6,
};

inline constexpr std::int32_t kLanguageCount = 7;
// Second index: verb slots 0..10 hold verbs; slot 11 is never filled.
inline constexpr std::int32_t kVerbSlotCount = 12;
// Third index: tense/mood slots 0..12 can be filled; 13 and 14 never are.
inline constexpr std::int32_t kTenseSlotCount = 15;

// The table is a String array of three dimensions with these upper bounds.
inline constexpr std::int32_t kDimensions = 3;
inline constexpr std::int32_t kUpperBounds[kDimensions] = {kLanguageCount - 1, kVerbSlotCount - 1,
                                                           kTenseSlotCount - 1};

inline constexpr std::int32_t kCarriageReturn = 13;

}  // namespace conjugation_table
