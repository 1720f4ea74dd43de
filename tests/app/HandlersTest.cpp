// The lists show the selected cell; failures keep what the user saw; the random buttons draw an
// index and show nothing.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <tuple>

#include "AppTestSupport.h"
#include "conjugation_table/Words.h"
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

// Start-up shows the Latin present of esse; then every choice shows its cell, empty where the
// table has none. French 'etre' (verb 1) and 'stare' (verb 10) share their present: choosing one
// after the other sets the field's text again, which ends a selection made there.
TEST_F(Handlers, StartUpAndEveryChoiceShowTheirCell) {
  EXPECT_EQ((std::vector{window->Lang, window->Verb, window->Katsuyo}),
            std::vector<std::int64_t>(3, 0));
  EXPECT_EQ(FieldText(), "sum es est\rsumus estis sunt");
  auto languages = window->ComboBox1();
  auto verbs = window->ComboBox2();
  auto tenses = window->ComboBox3();
  Choose(languages, 2);
  auto* field = qobject_cast<QPlainTextEdit*>(framework::WidgetOf(*window->TextField1()));
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  ASSERT_TRUE(field->textCursor().hasSelection());
  // F4 opens the drop-down; End, Up and Return choose the last row but one there.
  QTest::keyClick(framework::WidgetOf(*verbs), Qt::Key_F4);
  for (Qt::Key key : {Qt::Key_End, Qt::Key_Up, Qt::Key_Return})
    QTest::keyClick(QApplication::focusWidget(), key);
  EXPECT_EQ((std::pair{window->Verb, FieldText()}), (std::pair{std::int64_t{9}, Cell(2, 0, 0)}));
  EXPECT_FALSE(field->textCursor().hasSelection());
  Choose(languages, 1);
  Choose(tenses, 4);  // Italian has no pluperfect
  EXPECT_EQ(FieldText(), "");
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
  EXPECT_EQ((std::vector{window->Lang, window->Verb, window->Katsuyo}),
            (std::vector<std::int64_t>{6, 10, 12}));
}

// Choosing in one list keeps the other indices, and each Open handler stores its own list's row:
// distinct rows other than 0 tell the three indices apart.
TEST_F(Handlers, ChangeAndOpenStoreOnlyTheirOwnListsRow) {
  const std::vector<Ref<ComboBox>> lists = {window->ComboBox1(), window->ComboBox2(),
                                            window->ComboBox3()};
  auto indices = [&] { return std::vector{window->Lang, window->Verb, window->Katsuyo}; };
  Choose(lists[0], 3);
  Choose(lists[2], 5);
  Choose(lists[1], 7);
  EXPECT_EQ(indices(), (std::vector<std::int64_t>{3, 7, 5}));
  EXPECT_EQ(FieldText(), Cell(3, 7, 5));
  EXPECT_FALSE(FieldText().empty());
  const std::vector<std::int64_t> rows = {2, 4, 6};
  for (std::size_t n = 0; n < lists.size(); ++n) lists[n]->ListIndex_Set(rows[n]);
  for (const Ref<ComboBox>& list : lists) list->RaiseEvent(framework::kOpenEvent);
  EXPECT_EQ(indices(), rows);
  EXPECT_EQ(FieldText(), Cell(2, 4, 6));
}

// Typed text that matches no row leaves the list without a selected row: the field shows nothing
// while any list selects no row, whichever list the user picks in meanwhile, and the selected
// cell again once every list selects a row. Typed whole, a row's text selects that row, the
// first one too: it becomes the current row and its cell shows.
TEST_F(Handlers, TypedTextSelectsTheRowItNamesOrNoRowWhichEmptiesTheField) {
  auto verbs = window->ComboBox2();
  QLineEdit* entry = qobject_cast<QComboBox*>(framework::WidgetOf(*verbs))->lineEdit();
  QTest::keyClick(entry, Qt::Key_End);
  QTest::keyClicks(entry, "x");
  EXPECT_EQ(verbs->ListIndex_Get(), -1);
  EXPECT_EQ(window->Verb, -1);
  EXPECT_EQ(FieldText(), "");
  Choose(window->ComboBox1(), 2);
  Choose(window->ComboBox3(), 1);
  EXPECT_EQ(FieldText(), "");
  Choose(verbs, 3);
  EXPECT_EQ(FieldText(), Cell(2, 3, 1));
  auto* languages = qobject_cast<QComboBox*>(framework::WidgetOf(*window->ComboBox1()));
  QTest::keyClick(languages->lineEdit(), Qt::Key_A, Qt::ControlModifier);
  for (QChar c : QString::fromUtf8("ラテン語"))
    QTest::sendKeyEvent(QTest::Click, languages->lineEdit(), Qt::Key_unknown, c, {});
  EXPECT_EQ(languages->currentIndex(), 0);
  EXPECT_EQ(FieldText(), Cell(0, 3, 1));
  EXPECT_TRUE(unhandled.empty());
}

TEST_F(Handlers, AFailedDisplayKeepsTheNewIndexAndTheTextAndOpenPassesTheExceptionOn) {
  // A nil sender raises only in the Open handler.
  EXPECT_NO_THROW(window->ComboBox1_Change(nullptr));
  EXPECT_THROW(window->ComboBox1_Open(nullptr), PendingException);
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

TEST_F(Handlers, TextFieldOpenShowsTheCellBeforeFillingAndStopsAtAFailure) {
  window->Words = conjugation_table::CreateWords();
  {
    // The 50th store fails: 49 cells stay filled, later ones empty, and nothing escapes.
    framework::ScopedFault fault(Operation::ArraySet, 50);
    window->TextField1_Open(window->TextField1().get());
  }
  EXPECT_EQ(FieldText(), "");  // the display came before any store
  EXPECT_EQ(Cell(2, 4, 2).empty(), false);
  EXPECT_EQ(Cell(2, 5, 2), "");
  EXPECT_EQ(Cell(0, 0, 1), "");
}

// Each button draws once and writes only its own index: a draw of 0 gives 0, the largest draw
// below 1 the top of the button's range. Nothing else changes, not even what the window shows.
TEST_F(Handlers, RandomButtonsWriteOnlyTheirIndexOverItsWholeRangeAndItShowsAtTheNextChoice) {
  const std::vector<Ref<ComboBox>> lists = {window->ComboBox1(), window->ComboBox2(),
                                            window->ComboBox3()};
  const std::vector<std::int64_t> before = {4, 3, 2, 5};  // Lang, Verb, Katsuyo, Locate
  for (std::size_t n = 0; n < lists.size(); ++n) Choose(lists[n], before[n]);
  const std::string shown = FieldText();
  constexpr std::uint64_t kHighest = ~std::uint64_t{0};  // Rnd's largest value below 1
  const struct {
    const char* button;
    std::uint64_t raw;
    std::vector<std::int64_t> after;
  } draws[] = {
      {"BevelButton1", 0, {0, 3, 2, 5}},
      {"BevelButton1", kHighest, {7, 3, 2, 5}},
      {"BevelButton2", 0, {4, 3, 2, 0}},
      {"BevelButton2", kHighest, {4, 3, 2, 9}},
  };
  for (const auto& draw : draws) {
    SCOPED_TRACE(testing::Message() << draw.button << " drawing from raw output " << draw.raw);
    std::tie(window->Lang, window->Verb, window->Katsuyo, window->Locate) =
        std::tuple{before[0], before[1], before[2], before[3]};
    {
      const framework::ScopedRawRndSource source([&] { return draw.raw; });
      window->ControlByName(draw.button)->RaiseEvent(framework::kActionEvent);
    }
    EXPECT_EQ((std::vector{window->Lang, window->Verb, window->Katsuyo, window->Locate}),
              draw.after);
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
  // A drawn language 7, one past the table, shows nothing at the next verb or tense choice, and
  // the next language choice the selected cell again.
  {
    const framework::ScopedRawRndSource source([] { return kHighest; });
    window->BevelButton1_Action(window->BevelButton1().get());
  }
  Choose(lists[1], 3);
  EXPECT_EQ(window->Verb, 3);
  EXPECT_EQ(FieldText(), "");
  Choose(lists[0], 1);
  EXPECT_EQ(FieldText(), Cell(1, 3, 2));
  window->Lang = (std::int64_t{1} << 32) + 2;  // its low 32 bits, as the read takes them: French
  Choose(lists[2], 0);
  EXPECT_EQ(FieldText(), Cell(2, 3, 0));
}

// Pressed while hidden, the first random button does nothing; it passes a stack failure on and
// keeps its index.
TEST_F(Handlers, AButtonIgnoresAPressWhileHiddenAndPassesAStackFailureOn) {
  framework::SeedRnd(7);
  window->BevelButton1()->Push();
  EXPECT_EQ(window->Lang, 0);
  window->Lang = 3;
  framework::ScopedFault fault(Operation::RuntimeStackCheck, 1);
  EXPECT_THROW(window->BevelButton1_Action(nullptr), PendingException);
  EXPECT_EQ(window->Lang, 3);
}

}  // namespace
}  // namespace app_test
