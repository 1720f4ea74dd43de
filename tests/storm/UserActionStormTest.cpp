// Twenty thousand seeded random user actions on the real window: choosing rows, typing, cutting
// and pasting in the lists' entries, the Edit items on whatever has the focus, and focus
// changes. After every action the field shows the cell of the lists' current rows, or nothing
// while a list selects no row; a selected row is the list's current row; a list's entry keeps a
// selection only while it or the menu bar has the focus; nothing is read outside the table and
// nothing leaks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "../app/AppTestSupport.h"
#include "framework/runtime/Rnd.h"
#include "framework/ui/Process.h"
#include "framework/ui/qt/QtAccess.h"

namespace {

using framework::Ref;

constexpr int kActions = 20000;
constexpr std::uint32_t kSeed = 20261207;

const char* const kEditItems[] = {"EditUndo",  "EditCut",   "EditCopy",
                                  "EditPaste", "EditClear", "EditSelectAll"};

class UserActionStorm : public app_test::OpenWindow {
 protected:
  void SetUp() override {
    OpenWindow::SetUp();
    lists = {window->ComboBox1(), window->ComboBox2(), window->ComboBox3()};
    for (const auto& list : lists) {
      combos.push_back(qobject_cast<QComboBox*>(framework::WidgetOf(*list)));
      ASSERT_NE(combos.back(), nullptr);
    }
    field = qobject_cast<QPlainTextEdit*>(framework::WidgetOf(*window->TextField1()));
    ASSERT_NE(field, nullptr);
    QMainWindow* main = framework::MainWindowOf(*window);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    menuBar = main->menuBar();
    editMenu = framework::ActionOf(*window, *window->EditMenu())->menu();
    ASSERT_NE(editMenu, nullptr);
    for (const char* name : kEditItems) {
      QAction* action = framework::ActionOf(*window, *window->EditMenu()->Child(name));
      ASSERT_NE(action, nullptr) << name;
      editActions.push_back(action);
    }
  }

  void TearDown() override {
    lists = {};
    OpenWindow::TearDown();
  }

  bool InTable(std::int64_t lang, std::int64_t verb, std::int64_t tense) const {
    return lang >= 0 && lang <= 6 && verb >= 0 && verb <= 11 && tense >= 0 && tense <= 14;
  }

  QWidget* RandomFocusTarget() {
    std::uniform_int_distribution<int> pick(0, 3);
    const int i = pick(random);
    if (i == 3) return field;
    return combos[static_cast<std::size_t>(i)]->lineEdit();
  }

  void ChooseRow(QComboBox* combo) {
    std::uniform_int_distribution<int> row(0, combo->count() - 1);
    combo->setCurrentIndex(row(random));
  }

  void StepWithKeyboard(QComboBox* combo) {
    combo->setFocus();
    QTest::keyClick(combo, random() % 2 ? Qt::Key_Down : Qt::Key_Up);
  }

  // Types text key by key as a keyboard with those characters would, non-ASCII included.
  static void Type(QWidget* target, const QString& text) {
    for (QChar c : text) {
      QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(target, &press);
      QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
      QApplication::sendEvent(target, &release);
    }
  }

  void TypeText(QComboBox* combo) {
    QLineEdit* entry = combo->lineEdit();
    entry->setFocus();
    QTest::keyClick(entry, Qt::Key_A, Qt::ControlModifier);
    switch (random() % 3) {
      case 0:  // a whole row, as the user would type it
        Type(entry, combo->itemText(static_cast<int>(random() % combo->count())));
        break;
      case 1:  // text that matches no row
        Type(entry, QStringLiteral("zq") + QString::number(random() % 100));
        break;
      default:
        QTest::keyClick(entry, Qt::Key_Backspace);
        break;
    }
  }

  // Cuts part of an entry's text with the keyboard, or pastes the clipboard into it.
  void CutOrPaste(QComboBox* combo) {
    QLineEdit* entry = combo->lineEdit();
    entry->setFocus();
    if (random() % 2) {
      const auto start = random() % static_cast<unsigned>(entry->text().size() + 1);
      entry->setSelection(static_cast<int>(start), static_cast<int>(random() % 4));
      QTest::keyClick(entry, Qt::Key_X, Qt::ControlModifier);
    } else {
      entry->setCursorPosition(static_cast<int>(random() % (entry->text().size() + 1)));
      QTest::keyClick(entry, Qt::Key_V, Qt::ControlModifier);
    }
  }

  // Opens the Edit menu with a click on the bar and chooses an item as the user finds it, or
  // closes the menu with Escape, which leaves the bar with the focus, and presses the item's
  // shortcut there; a second Escape, at times, gives the focus back to the editor.
  void UseEditItem() {
    RandomFocusTarget()->setFocus();
    const std::size_t item = random() % editActions.size();
    QAction* action = editActions[item];
    const bool onField = QApplication::focusWidget() == field;
    QTest::mouseClick(menuBar, Qt::LeftButton, {},
                      menuBar->actionGeometry(editMenu->menuAction()).center());
    ASSERT_TRUE(editMenu->isVisible());
    QApplication::processEvents();  // the offscreen platform activates the menu while it is open
    if (onField && item != 2 && item != 5) {
      // On the read-only field only Copy and Select All are available.
      ASSERT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    if (action->isEnabled() && random() % 2) {
      QTest::mouseClick(editMenu, Qt::LeftButton, {}, editMenu->actionGeometry(action).center());
      return;
    }
    QTest::keyClick(editMenu, Qt::Key_Escape);
    if (!action->shortcut().isEmpty()) {
      QTest::keyClick(menuBar, action->shortcut()[0].key(), Qt::ControlModifier);
    }
    if (random() % 2 && menuBar->hasFocus()) QTest::keyClick(menuBar, Qt::Key_Escape);
  }

  void RandomAction() {
    QComboBox* combo = combos[random() % combos.size()];
    switch (random() % 7) {
      case 0:
      case 1:
        ChooseRow(combo);
        break;
      case 2:
        StepWithKeyboard(combo);
        break;
      case 3:
        TypeText(combo);
        break;
      case 4:
        UseEditItem();
        break;
      case 5:
        CutOrPaste(combo);
        break;
      default:
        RandomFocusTarget()->setFocus();
        break;
    }
  }

  std::mt19937 random{kSeed};
  std::array<Ref<framework::ComboBox>, 3> lists;
  std::vector<QComboBox*> combos;
  QPlainTextEdit* field = nullptr;
  QMenuBar* menuBar = nullptr;
  QMenu* editMenu = nullptr;
  std::vector<QAction*> editActions;
};

TEST_F(UserActionStorm, FieldAlwaysShowsTheSelectedCell) {
  framework::SeedRnd(kSeed);
  ASSERT_EQ(FieldText(), "sum es est\rsumus estis sunt");
  int withoutRow = 0;
  for (int action = 0; action < kActions; ++action) {
    RandomAction();
    ASSERT_FALSE(HasFatalFailure()) << "action " << action;
    // Each list's Change stored its row into its index and the window's property; a selected
    // row is the list's current row, where its arrows and drop-down start from; a list's entry
    // keeps a selection only while it has the focus, or the bar that took it.
    const std::int64_t stored[] = {window->Lang, window->Verb, window->Katsuyo};
    for (std::size_t i = 0; i < lists.size(); ++i) {
      const std::int64_t row = lists[i]->ListIndex_Get();
      ASSERT_EQ(stored[i], row) << "action " << action;
      ASSERT_TRUE(row < 0 || combos[i]->currentIndex() == row) << "action " << action;
      ASSERT_TRUE(combos[i]->hasFocus() || menuBar->hasFocus() ||
                  !combos[i]->lineEdit()->hasSelectedText())
          << "action " << action;
    }
    const std::int64_t lang = stored[0], verb = stored[1], tense = stored[2];
    const bool selected = InTable(lang, verb, tense);
    withoutRow += selected ? 0 : 1;
    const std::string shown = selected ? Cell(lang, verb, tense) : std::string();
    ASSERT_EQ(FieldText(), shown) << "action " << action;
    ASSERT_EQ(field->toPlainText().toStdString(),
              QString::fromStdString(shown).replace(QChar('\r'), QChar('\n')).toStdString())
        << "action " << action;
  }
  EXPECT_GT(withoutRow, kActions / 20);  // the storm did reach lists without a selected row
  EXPECT_TRUE(unhandled.empty());
}

TEST_F(UserActionStorm, NothingIsLeftAliveAfterTheStorm) {
  for (int action = 0; action < kActions / 10; ++action) RandomAction();
  lists = {};
  window->Close();
  window.reset();
  QApplication::processEvents();
  EXPECT_EQ(framework::Object::LiveCount(), liveBeforeWindow);
}

}  // namespace
