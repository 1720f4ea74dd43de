#pragma once

#include "framework/runtime/Array.h"
#include "framework/runtime/Ref.h"

namespace conjugation_table {

// The conjugation table: a 7 x 12 x 15 String array, every cell empty.
framework::Ref<framework::Array> CreateWords();

// Stores the 633 fixed cells in their fixed order. Each cell text is built from its lines with
// one Chr(13) per carriage return and the joins left to right. The first failure ends the fill:
// the cells stored before it keep their text, later ones stay empty, and nothing escapes to the
// caller. A nil table stores nothing.
void FillWords(framework::Array* words);

}  // namespace conjugation_table
