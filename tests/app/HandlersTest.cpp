// The lists show the selected cell; failures keep what the user saw; the random buttons draw an
// index and show nothing.
#include <QComboBox>
#include <QLineEdit>

#include "AppTestSupport.h"
#include "conjugation_table/Words.h"
#include "framework/runtime/Array.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/runtime/Rnd.h"
#include "framework/ui/Events.h"
#include "framework/ui/qt/QtAccess.h"

namespace app_test {
namespace {

using framework::ComboBox;
using framework::Operation;
using framework::PendingException;
using framework::Ref;

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

// Each Open handler stores its own list's row: rows other than 0 tell the three indices apart.
TEST_F(Handlers, EachOpenHandlerStoresItsOwnListsRow) {
  const std::vector<Ref<ComboBox>> lists = {window->ComboBox1(), window->ComboBox2(),
                                            window->ComboBox3()};
  const std::vector<std::int64_t> rows = {3, 7, 5};
  for (std::size_t n = 0; n < lists.size(); ++n) lists[n]->ListIndex_Set(rows[n]);
  for (const Ref<ComboBox>& list : lists) list->RaiseEvent(framework::kOpenEvent);
  EXPECT_EQ((std::vector{window->Lang, window->Verb, window->Katsuyo}), rows);
  EXPECT_EQ(FieldText(), Cell(3, 7, 5));
}

TEST_F(Handlers, AnUnfilledCellShowsAnEmptyField) {
  Choose(window->ComboBox1(), 1);
  Choose(window->ComboBox3(), 4);  // Italian has no pluperfect
  EXPECT_EQ(FieldText(), "");
}

// Typed text that matches no row leaves the list without a selected row: the field shows nothing
// while any list selects no row, whichever list the user picks in meanwhile, and the selected
// cell again once every list selects a row.
TEST_F(Handlers, TypedTextThatSelectsNoRowEmptiesTheFieldUntilARowIsChosen) {
  auto verbs = window->ComboBox2();
  QLineEdit* entry = qobject_cast<QComboBox*>(framework::WidgetOf(*verbs))->lineEdit();
  entry->end(false);
  entry->insert(QStringLiteral("x"));
  EXPECT_EQ(verbs->ListIndex_Get(), -1);
  EXPECT_EQ(window->Verb, -1);
  EXPECT_EQ(FieldText(), "");
  Choose(window->ComboBox1(), 2);
  Choose(window->ComboBox3(), 1);
  EXPECT_EQ(FieldText(), "");
  Choose(verbs, 3);
  EXPECT_EQ(FieldText(), Cell(2, 3, 1));
  EXPECT_TRUE(unhandled.empty());
}

// The first random button can draw language 7, one past the table: the next verb or tense
// choice shows nothing, and the next language choice the selected cell again.
TEST_F(Handlers, ADrawnLanguagePastTheTableShowsNothingUntilALanguageIsChosen) {
  {
    const framework::ScopedRawRndSource source([] { return ~std::uint64_t{0}; });
    window->BevelButton1_Action(window->BevelButton1().get());
  }
  ASSERT_EQ(window->Lang, 7);
  Choose(window->ComboBox2(), 3);
  EXPECT_EQ(window->Verb, 3);
  EXPECT_EQ(FieldText(), "");
  Choose(window->ComboBox1(), 1);
  EXPECT_EQ(FieldText(), Cell(1, 3, 0));
  window->Lang = (std::int64_t{1} << 32) + 2;  // its low 32 bits, as the read takes them: French
  Choose(window->ComboBox3(), 2);
  EXPECT_EQ(FieldText(), Cell(2, 3, 2));
}

TEST_F(Handlers, AFailedDisplayKeepsTheNewIndexAndTheTextAndOpenPassesTheExceptionOn) {
  const std::string shown = FieldText();
  {
    framework::ScopedFault fault(Operation::ArrayGet, 1);
    Choose(window->ComboBox1(), 5);
  }
  EXPECT_EQ(window->Lang, 5);
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

// Each button draws once and writes only its own index: a draw of 0 gives 0, the largest draw
// below 1 the top of the button's range. Nothing else changes, not even what the window shows.
TEST_F(Handlers, RandomButtonsWriteOnlyTheirIndexOverItsWholeRange) {
  using app::Window1;
  using Index = std::int64_t Window1::*;
  const Index indices[] = {&Window1::Lang, &Window1::Verb, &Window1::Katsuyo, &Window1::Locate};
  const std::int64_t before[] = {4, 3, 2, 5};
  constexpr std::uint64_t kHighest = ~std::uint64_t{0};  // Rnd's largest value below 1
  const struct {
    const char* button;
    std::uint64_t raw;
    Index written;
    std::int64_t value;
  } draws[] = {
      {"BevelButton1", 0, &Window1::Lang, 0},
      {"BevelButton1", kHighest, &Window1::Lang, 7},
      {"BevelButton2", 0, &Window1::Locate, 0},
      {"BevelButton2", kHighest, &Window1::Locate, 9},
  };
  const std::vector<Ref<ComboBox>> lists = {window->ComboBox1(), window->ComboBox2(),
                                            window->ComboBox3()};
  for (std::size_t n = 0; n < lists.size(); ++n) Choose(lists[n], before[n]);
  const std::string shown = FieldText();
  for (const auto& draw : draws) {
    SCOPED_TRACE(testing::Message() << draw.button << " drawing from raw output " << draw.raw);
    std::vector<std::int64_t> expected;
    for (std::size_t n = 0; n < std::size(indices); ++n) {
      window.get()->*indices[n] = before[n];
      expected.push_back(indices[n] == draw.written ? draw.value : before[n]);
    }
    {
      const framework::ScopedRawRndSource source([&] { return draw.raw; });
      window->ControlByName(draw.button)->RaiseEvent(framework::kActionEvent);
    }
    std::vector<std::int64_t> after;
    for (const Index index : indices) after.push_back(window.get()->*index);
    EXPECT_EQ(after, expected);
    EXPECT_EQ(FieldText(), shown);
    for (std::size_t n = 0; n < lists.size(); ++n) EXPECT_EQ(lists[n]->ListIndex_Get(), before[n]);
  }
  // A drawn language shows at the next verb choice: 5/8 of the raw range draws language 5.
  {
    const framework::ScopedRawRndSource source([] { return std::uint64_t{5} << 61; });
    window->BevelButton1_Action(window->BevelButton1().get());
  }
  Choose(lists[1], 1);
  EXPECT_EQ(FieldText(), Cell(5, 1, 2));
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
