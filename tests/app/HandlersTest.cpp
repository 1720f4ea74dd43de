// The lists show the selected cell; failures keep what the user saw; the random buttons draw an
// index and show nothing.
#include "AppTestSupport.h"
#include "conjugation_table/Words.h"
#include "framework/runtime/Array.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/Rnd.h"
#include "framework/ui/Events.h"

namespace app_test {
namespace {

using framework::Operation;
using framework::PendingException;

class Handlers : public OpenWindow {};

TEST_F(Handlers, StartUpShowsTheLatinPresentOfEsse) {
  EXPECT_EQ(window->Lang, 0);
  EXPECT_EQ(window->Verb, 0);
  EXPECT_EQ(window->Katsuyo, 0);
  EXPECT_EQ(FieldText(), "sum es est\rsumus estis sunt");
}

TEST_F(Handlers, EveryChoiceShowsItsCell) {
  auto languages = window->ComboBox1();
  auto verbs = window->ComboBox2();
  auto tenses = window->ComboBox3();
  for (std::int64_t lang = 0; lang < 7; ++lang) {
    Choose(languages, lang);
    for (std::int64_t verb = 0; verb < 11; ++verb) {
      Choose(verbs, verb);
      for (std::int64_t tense = 0; tense < 13; ++tense) {
        Choose(tenses, tense);
        ASSERT_EQ(FieldText(), Cell(lang, verb, tense)) << lang << ' ' << verb << ' ' << tense;
      }
    }
  }
  EXPECT_EQ(window->Lang, 6);
  EXPECT_EQ(window->Verb, 10);
  EXPECT_EQ(window->Katsuyo, 12);
}

TEST_F(Handlers, ChoosingOneListKeepsTheOtherIndices) {
  Choose(window->ComboBox1(), 3);
  Choose(window->ComboBox3(), 5);
  Choose(window->ComboBox2(), 7);
  EXPECT_EQ(window->Lang, 3);
  EXPECT_EQ(window->Katsuyo, 5);
  EXPECT_EQ(window->Verb, 7);
  EXPECT_EQ(FieldText(), Cell(3, 7, 5));
  EXPECT_FALSE(FieldText().empty());
}

TEST_F(Handlers, AnUnfilledCellShowsAnEmptyField) {
  Choose(window->ComboBox1(), 1);
  Choose(window->ComboBox3(), 4);  // Italian has no pluperfect
  EXPECT_EQ(FieldText(), "");
}

TEST_F(Handlers, IndicesOutsideTheTableKeepTheShownText) {
  Choose(window->ComboBox2(), 2);
  const std::string shown = FieldText();
  // No selected row: the list reports -1.
  auto tenses = window->ComboBox3();
  tenses->ListIndex_Set(-1);
  tenses->RaiseEvent(framework::kChangeEvent);
  EXPECT_EQ(window->Katsuyo, -1);
  EXPECT_EQ(FieldText(), shown);
  // The first random button can draw language 7, one past the table.
  Choose(tenses, 0);
  window->Lang = 7;
  Choose(window->ComboBox2(), 3);
  EXPECT_EQ(window->Verb, 3);
  EXPECT_EQ(FieldText(), Cell(0, 2, 0));
  EXPECT_TRUE(unhandled.empty());
}

TEST_F(Handlers, WithoutTheTableChangeKeepsTheTextAndOpenPassesTheExceptionOn) {
  const std::string shown = FieldText();
  window->Words.reset();
  Choose(window->ComboBox2(), 4);
  EXPECT_EQ(window->Verb, 4);
  EXPECT_EQ(FieldText(), shown);
  EXPECT_THROW(window->ComboBox2_Open(window->ComboBox2().get()), PendingException);
  EXPECT_EQ(FieldText(), shown);
  // The text field's open handler ends its exception silently and shows nothing.
  EXPECT_NO_THROW(window->TextField1_Open(window->TextField1().get()));
  EXPECT_EQ(FieldText(), shown);
}

TEST_F(Handlers, ANilSenderRaisesOnlyInTheOpenHandler) {
  EXPECT_NO_THROW(window->ComboBox1_Change(nullptr));
  EXPECT_THROW(window->ComboBox1_Open(nullptr), PendingException);
}

TEST_F(Handlers, TextFieldOpenShowsTheCellBeforeFillingAndStopsAtAFailure) {
  window->Words = conjugation_table::CreateWords();
  auto field = window->TextField1();
  {
    // The 50th store fails: 49 cells stay filled, later ones empty, and nothing escapes.
    framework::ScopedFault fault(Operation::ArraySet, 50);
    window->TextField1_Open(field.get());
  }
  EXPECT_EQ(FieldText(), "");  // the display came before any store
  EXPECT_EQ(Cell(2, 4, 2).empty(), false);
  EXPECT_EQ(Cell(2, 5, 2), "");
  EXPECT_EQ(Cell(0, 0, 1), "");
}

TEST_F(Handlers, RandomButtonsDrawAnIndexAndShowNothing) {
  Choose(window->ComboBox1(), 2);
  const std::string shown = FieldText();
  framework::SeedRnd(42);
  for (int i = 0; i < 200; ++i) {
    window->BevelButton1_Action(window->BevelButton1().get());
    ASSERT_GE(window->Lang, 0);
    ASSERT_LE(window->Lang, 7);
    window->BevelButton2_Action(window->BevelButton2().get());
    ASSERT_GE(window->Locate, 0);
    ASSERT_LE(window->Locate, 9);
  }
  EXPECT_EQ(FieldText(), shown);
  EXPECT_EQ(window->ComboBox1()->ListIndex_Get(), 2);
  // A drawn language shows at the next verb choice.
  window->Lang = 5;
  Choose(window->ComboBox2(), 1);
  EXPECT_EQ(FieldText(), Cell(5, 1, 0));
}

TEST_F(Handlers, ButtonsPassAStackFailureOnAndKeepTheirIndex) {
  window->Lang = 3;
  framework::ScopedFault fault(Operation::RuntimeStackCheck, 1);
  EXPECT_THROW(window->BevelButton1_Action(nullptr), PendingException);
  EXPECT_EQ(window->Lang, 3);
}

TEST_F(Handlers, PressingAHiddenButtonDoesNothing) {
  const auto lang = window->Lang;
  framework::SeedRnd(7);
  window->BevelButton1()->Push();
  EXPECT_EQ(window->Lang, lang);
}

}  // namespace
}  // namespace app_test
