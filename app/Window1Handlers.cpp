// The main window's event handlers: the lists show the selected cell of the table, the text
// field fills the table when it opens, and the hidden random buttons draw an index.
#include "app/Window1.h"
#include "conjugation_table/Words.h"
#include "framework/runtime/CallGuard.h"
#include "framework/runtime/Exceptions.h"
#include "framework/runtime/Rnd.h"

namespace app {

using framework::PendingException;
using framework::RaiseNilObjectException;

namespace {

// The low 32 bits of an index property, as the table's element read takes it.
std::int32_t Index32(std::int64_t property) {
  return static_cast<std::int32_t>(property);
}

// The cell that the three indices select, as the field shows it: an index outside the table (a
// list that selects no row, or a drawn language one past the last) selects nothing, and the
// field then shows nothing rather than keep the forms of a cell that the lists do not select.
framework::String CellForField(const framework::Array& words, std::int64_t lang, std::int64_t verb,
                               std::int64_t katsuyo) {
  const std::int32_t indices[] = {Index32(lang), Index32(verb), Index32(katsuyo)};
  if (!words.Holds(indices)) return {};
  return framework::ArrayElementGet(&words, indices[0], indices[1], indices[2]);
}

// Runs a handler body and ends any framework exception it raises, silently.
template <class Body>
void EndingExceptionsSilently(Body&& body) {
  try {
    body();
  } catch (const PendingException&) {
  }
}

}  // namespace

void Window1::ShowSelectedRow(ComboBox* sender, std::int64_t Window1::*index) {
  framework::CallGuard guard{this, sender};
  if (!sender) RaiseNilObjectException();
  this->*index = sender->ListIndex_Get();
  Ref<TextField> field = TextField1();
  if (!field) RaiseNilObjectException();
  if (!Words) RaiseNilObjectException();
  field->Text_Set(CellForField(*Words, Lang, Verb, Katsuyo));
}

// A Change handler ends every exception silently: the index keeps what was stored and the
// field its old text.
void Window1::ComboBox1_Change(ComboBox* sender) {
  EndingExceptionsSilently([&] { ShowSelectedRow(sender, &Window1::Lang); });
}

void Window1::ComboBox2_Change(ComboBox* sender) {
  EndingExceptionsSilently([&] { ShowSelectedRow(sender, &Window1::Verb); });
}

void Window1::ComboBox3_Change(ComboBox* sender) {
  EndingExceptionsSilently([&] { ShowSelectedRow(sender, &Window1::Katsuyo); });
}

// An Open handler passes its exceptions on to the framework.
void Window1::ComboBox1_Open(ComboBox* sender) {
  ShowSelectedRow(sender, &Window1::Lang);
}
void Window1::ComboBox2_Open(ComboBox* sender) {
  ShowSelectedRow(sender, &Window1::Verb);
}
void Window1::ComboBox3_Open(ComboBox* sender) {
  ShowSelectedRow(sender, &Window1::Katsuyo);
}

void Window1::TextField1_Open(TextField* sender) {
  // Nothing is reported on failure: the table keeps what was stored before it.
  EndingExceptionsSilently([&] {
    framework::CallGuard guard{this, sender};
    if (!sender) RaiseNilObjectException();
    if (!Words) RaiseNilObjectException();
    // The first display comes before any store: on a fresh table it shows the empty string.
    sender->Text_Set(CellForField(*Words, Lang, Verb, Katsuyo));
    conjugation_table::FillWords(Words.get());
  });
}

void Window1::DrawRandomIndex(BevelButton* sender, double factor, std::int64_t Window1::*property) {
  framework::CallGuard guard{this, sender};
  const double x = framework::Rnd();
  this->*property = static_cast<std::int64_t>(x * factor);
}

void Window1::BevelButton1_Action(BevelButton* sender) {
  DrawRandomIndex(sender, 8.0, &Window1::Lang);
}

void Window1::BevelButton2_Action(BevelButton* sender) {
  DrawRandomIndex(sender, 10.0, &Window1::Locate);
}

}  // namespace app
