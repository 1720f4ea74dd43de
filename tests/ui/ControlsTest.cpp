#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <algorithm>
#include <string>

#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

using namespace std::string_literals;

class ControlsTest : public UiTest {
 protected:
  // A window with one control of class C made from `list`.
  template <class C>
  Ref<C> OneControl(const std::string& list) {
    Open([list](TestWindow& w) { w.Add<C>("Control", list); });
    return window_->ControlAs<C>("Control");
  }
  void Open(std::function<void(TestWindow&)> createControls) {
    TestWindow::NextScript().createControls = std::move(createControls);
    window_ = OpenTestWindow();
  }
  QWidget* Widget(const char* name) const { return window_->WidgetNamed(name); }
  std::vector<std::string> Changes() const {
    std::vector<std::string> changes;
    for (const std::string& entry : window_->log) {
      if (entry.starts_with("Change:")) changes.push_back(entry);
    }
    return changes;
  }
  Ref<TestWindow> window_;
};

std::string ComboList(std::string_view rows) {
  return EncodePropertyList({Text("InitialValue", rows), Integer("ListIndex", 0)});
}

TEST_F(ControlsTest, ComboBoxRowsComeFromInitialValueWithoutAnEmptyLastRow) {
  Ref<ComboBox> combo = OneControl<ComboBox>(ComboList("ラテン語\rイタリア語\r\rlast\r"));
  auto* widget = qobject_cast<QComboBox*>(WidgetOf(*combo));
  ASSERT_NE(widget, nullptr);
  EXPECT_TRUE(widget->isEditable());
  ASSERT_EQ(combo->ListCount(), 4);
  ASSERT_EQ(widget->count(), 4);
  EXPECT_EQ(combo->List(2), String(""));
  EXPECT_EQ(widget->itemText(1), QString::fromUtf8("イタリア語"));
  EXPECT_EQ(combo->ListIndex_Get(), 0);
  EXPECT_EQ(combo->Text(), String("ラテン語"));
  EXPECT_EQ(widget->currentText(), QString::fromUtf8("ラテン語"));
  EXPECT_THROW(combo->List(4), PendingException);
  EXPECT_THROW(combo->ListIndex_Set(4), PendingException);
  // New rows select none of them.
  Ref<ComboBox> fresh = New<ComboBox>();
  SetProperties(fresh.get(), ComboList("a\rb") + EncodePropertyList({Text("InitialValue", "c")}));
  EXPECT_EQ(fresh->ListIndex_Get(), -1);
}

TEST_F(ControlsTest, LongRowsShowWholeInTheDropDownAndFromTheirStartInTheEntry) {
  const std::string longRow = "８　ire(go-不規則動詞);イ(andare)；フ(aller)";
  std::string list = "short\r" + longRow;
  for (int i = 0; i < 30; ++i) list += "\rrow";  // more rows than show at once: a scroll bar
  Ref<ComboBox> combo = OneControl<ComboBox>(
      EncodePropertyList({Integer("Width", 120), Integer("Height", 30), Text("InitialValue", list),
                          Integer("ListIndex", 0)}));
  auto* widget = qobject_cast<QComboBox*>(WidgetOf(*combo));
  const QRect closed = widget->geometry();

  // The drop-down is just wide enough for the widest row, in a style that frames it too; the
  // list keeps its size and place.
  QAbstractItemView* rows = widget->view();
  rows->setFrameStyle(QFrame::Box | QFrame::Plain);
  rows->setLineWidth(2);
  widget->showPopup();
  ASSERT_TRUE(WaitFor([rows] { return rows->isVisible(); }));
  EXPECT_EQ(rows->textElideMode(), Qt::ElideNone);
  EXPECT_TRUE(rows->verticalScrollBar()->isVisible());
  EXPECT_EQ(rows->viewport()->width(), rows->sizeHintForColumn(0));
  EXPECT_GT(rows->sizeHintForColumn(0), closed.width());
  EXPECT_EQ(rows->window()->x(), widget->mapToGlobal(QPoint(0, 0)).x());
  widget->hidePopup();
  EXPECT_EQ(widget->geometry(), closed);

  // A long row chosen by the user, or selected by the program, shows from its start.
  QTest::keyClick(widget, Qt::Key_Down);
  ASSERT_EQ(combo->ListIndex_Get(), 1);
  EXPECT_EQ(widget->lineEdit()->cursorPosition(), 0);
  combo->ListIndex_Set(0);
  combo->ListIndex_Set(1);
  EXPECT_EQ(widget->lineEdit()->cursorPosition(), 0);
}

TEST_F(ControlsTest, ChangeIsRaisedForUserChangesOnly) {
  Open([](TestWindow& w) {
    w.Add<ComboBox>("Control", ComboList("zero\rone\rtwo\rthree"));
    w.Add<ComboBox>("Thrice", EncodePropertyList({Text("InitialValue", "one\rone\rone"),
                                                  Integer("ListIndex", 1)}));
  });
  Ref<ComboBox> combo = window_->ControlAs<ComboBox>("Control");
  auto* widget = qobject_cast<QComboBox*>(Widget("Control"));
  // Setting ListIndex from the program raises nothing.
  combo->ListIndex_Set(2);
  combo->ListIndex_Set(0);
  EXPECT_EQ(widget->currentIndex(), 0);
  EXPECT_TRUE(Changes().empty());

  // The user picks the next row with the keyboard: one Change, with the new row.
  QTest::keyClick(widget, Qt::Key_Down);
  EXPECT_EQ(Changes(), std::vector<std::string>{"Change:Control:1"});
  EXPECT_EQ(combo->Text(), String("one"));

  // The user types: each keystroke is a change; text that matches no row gives -1, text that
  // matches a row selects it.
  QLineEdit* entry = widget->lineEdit();
  entry->selectAll();
  QTest::keyClicks(entry, "tw");
  QTest::keyClick(entry, Qt::Key_Return);
  EXPECT_EQ(combo->ListIndex_Get(), -1);
  EXPECT_EQ(combo->Text(), String("tw"));
  QTest::keyClicks(entry, "o");
  EXPECT_EQ(combo->ListIndex_Get(), 2);
  // That row is the list's current row too, where the arrows go on from; the text and the caret
  // stay as typed.
  EXPECT_EQ(entry->cursorPosition(), 3);
  QTest::keyClick(widget, Qt::Key_Down);
  EXPECT_EQ(combo->Text(), String("three"));
  EXPECT_EQ(Changes(),
            (std::vector<std::string>{"Change:Control:1", "Change:Control:-1", "Change:Control:-1",
                                      "Change:Control:2", "Change:Control:3"}));
  // No row was added by typing, nor by confirming with Return.
  EXPECT_EQ(widget->count(), 4);

  // Of equal rows, the one chosen is the one reported.
  EXPECT_EQ(qobject_cast<QComboBox*>(Widget("Thrice"))->currentIndex(), 1);
  QTest::keyClick(Widget("Thrice"), Qt::Key_Down);
  EXPECT_EQ(Changes().back(), "Change:Thrice:2");
  // A Change handler's exception goes to the unhandled-exception handler, not into the toolkit.
  window_->script.onUserEvent = [](TestWindow&) { RaiseNilObjectException(); };
  QTest::keyClick(widget, Qt::Key_Up);
  EXPECT_EQ(presented_, std::vector<std::string>{"NilObjectException"});
}

// A label shows its text as it is, on one line. (How the program's labels show in full, the
// layout test reads.)
TEST_F(ControlsTest, LabelsShowPlainTextOnOneLineInTheirSize) {
  Open([](TestWindow& w) {
    w.Add<Label>("Sized", EncodePropertyList(
                              {Text("Text", "<b>a\rb"), ColorValue("TextColor", 0x40123456)}));
    w.Add<Label>("Default",
                 EncodePropertyList({Single("TextSize", 0.0F), Integer("Left", 1LL << 40),
                                     Integer("Width", 1LL << 40)}));
  });
  auto* sized = qobject_cast<QLabel*>(Widget("Sized"));
  EXPECT_EQ(sized->text(), QStringLiteral("<b>a b"));
  EXPECT_EQ(sized->textFormat(), Qt::PlainText);
  // The top byte of a colour is its transparency.
  EXPECT_EQ(sized->palette().color(QPalette::WindowText), QColor(0x12, 0x34, 0x56, 0xBF));
  // Size 0 is the desktop font's default size; a place or width beyond the toolkit's is its
  // largest; without a text colour the text is black.
  EXPECT_EQ(Widget("Default")->font().pointSizeF(), QApplication::font().pointSizeF());
  EXPECT_EQ(Widget("Default")->palette().color(QPalette::WindowText), QColor(Qt::black));
  EXPECT_EQ(Widget("Default")->geometry(), QRect(QWIDGETSIZE_MAX, 0, QWIDGETSIZE_MAX, 0));
}

// Hidden or disabled, alone or both, a button raises no Action: neither when the framework
// presses it nor when its widget is clicked.
TEST_F(ControlsTest, BevelButtonRaisesActionOnlyWhileVisibleAndEnabled) {
  const struct {
    const char* name;
    bool visible;
    bool enabled;
  } states[] = {{"Neither", false, false},
                {"Shown", true, false},
                {"Enabled", false, true},
                {"Both", true, true}};
  Open([&states](TestWindow& w) {
    for (const auto& [name, visible, enabled] : states) {
      w.Add<BevelButton>(
          name,
          EncodePropertyList({Text("Caption", "ランダム"), ColorValue("TextColor", 0x00123456),
                              Boolean("Visible", visible), Boolean("Enabled", enabled)}));
    }
  });
  for (const auto& [name, visible, enabled] : states) {
    SCOPED_TRACE(name);
    Ref<BevelButton> button = window_->ControlAs<BevelButton>(name);
    auto* widget = qobject_cast<QPushButton*>(WidgetOf(*button));
    EXPECT_EQ(widget->text(), QString::fromUtf8("ランダム"));
    EXPECT_EQ(widget->palette().color(QPalette::ButtonText), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(widget->isHidden(), !visible);
    EXPECT_EQ(widget->isEnabled(), enabled);
    window_->log.clear();
    button->Push();
    widget->click();
    const auto actions = std::ranges::count(window_->log, "Action:" + std::string(name));
    EXPECT_EQ(actions, visible && enabled ? 2 : 0);
  }
  // An Action handler's exception passes on from Push, and goes from a click to the
  // unhandled-exception handler.
  window_->script.onUserEvent = [](TestWindow&) { RaiseNilObjectException(); };
  Ref<BevelButton> both = window_->ControlAs<BevelButton>("Both");
  EXPECT_THROW(both->Push(), PendingException);
  qobject_cast<QPushButton*>(WidgetOf(*both))->click();
  EXPECT_EQ(presented_, std::vector<std::string>{"NilObjectException"});
}

// The read-only field shows CR as a line break and reads back every byte. It takes no text in
// any form, while selecting and copying work; a list's entry takes the same input-method text.
TEST_F(ControlsTest, AReadOnlyFieldReadsBackEveryByteAndTakesNoTextInAnyFormAListEntryDoes) {
  Open([](TestWindow& w) {
    w.Add<TextField>(
        "Field", EncodePropertyList({Boolean("ReadOnly", true), ColorValue("TextColor", 0x00123456),
                                     ColorValue("BackColor", 0x00FFFFE0),
                                     Text("Text", "sum es est\rsumus estis sunt")}));
    w.Add<ComboBox>("List", ComboList("zero\rone"));
  });
  Ref<TextField> field = window_->ControlAs<TextField>("Field");
  auto* widget = qobject_cast<QPlainTextEdit*>(WidgetOf(*field));
  ASSERT_NE(widget, nullptr);
  const std::string shown(field->Text().Bytes());
  EXPECT_EQ(shown, "sum es est\rsumus estis sunt");
  EXPECT_EQ(widget->document()->blockCount(), 2);
  EXPECT_TRUE(widget->textInteractionFlags().testFlag(Qt::TextSelectableByMouse));
  EXPECT_EQ(widget->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE0));
  EXPECT_EQ(widget->palette().color(QPalette::Text), QColor(0x12, 0x34, 0x56));
  auto commit = [](QWidget* target, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(target, &event);
  };
  // Input methods ask a widget whether it takes their text before they send any.
  auto takesInputMethodText = [](QWidget* target) {
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(target, &query);
    return query.value(Qt::ImEnabled).toBool();
  };
  QMimeData dropped;
  dropped.setText(QStringLiteral("drop"));
  QApplication::clipboard()->setText(QStringLiteral("paste"));
  const std::function<void()> inputs[] = {
      [&] { QTest::keyClicks(widget, "x"); },
      [&] { QTest::keyClick(widget, Qt::Key_Backspace); },
      [&] { QTest::keyClick(widget, Qt::Key_V, Qt::ControlModifier); },
      [&] { QTest::keyClick(widget, Qt::Key_X, Qt::ControlModifier); },
      [&] { commit(widget, QString::fromUtf8("é")); },  // a dead key or compose sequence
      [&] {
        QInputMethodEvent preedit(QStringLiteral("e"), {});
        QApplication::sendEvent(widget, &preedit);
      },
      [&] {
        QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dropped, Qt::LeftButton, {});
        QApplication::sendEvent(widget->viewport(), &drop);
      },
  };
  widget->setFocus();
  EXPECT_FALSE(takesInputMethodText(widget));
  for (std::size_t n = 0; n < std::size(inputs); ++n) {
    QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
    inputs[n]();
    EXPECT_EQ(field->Text().Bytes(), shown) << "input " << n;
    EXPECT_EQ(widget->toPlainText().toStdString(), "sum es est\nsumus estis sunt") << n;
    EXPECT_TRUE(widget->document()->firstBlock().layout()->preeditAreaText().isEmpty()) << n;
  }
  QTest::keyClick(widget, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(widget, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("sum es est\nsumus estis sunt"));
  const std::string withBackspace = "ca\x08nta\r\xFF\r\n\0!"s;
  field->Text_Set(String(withBackspace));
  EXPECT_EQ(field->Text().Bytes(), withBackspace);
  EXPECT_EQ(widget->toPlainText(), QStringLiteral("ca\bnta\n\uFFFD\n\0!"));
  QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier);  // selects, as the mouse does
  EXPECT_EQ(widget->textCursor().selectedText(), QStringLiteral("c"));

  QLineEdit* entry = qobject_cast<QComboBox*>(Widget("List"))->lineEdit();
  EXPECT_TRUE(takesInputMethodText(entry));
  entry->selectAll();
  commit(entry, QString::fromUtf8("é"));
  EXPECT_EQ(entry->text(), QString::fromUtf8("é"));
  EXPECT_EQ(Changes().back(), "Change:List:-1");
}

TEST_F(ControlsTest, BevelButtonNeedsThePluginEntryPoints) {
  ResetProcessStateForTesting();
  TestWindow::NextScript().createControls = [](TestWindow& w) { w.Add<BevelButton>("Button"); };
  EXPECT_NE(Raised([] { OpenTestWindow(); }, UnsupportedOperationException::Lookup()),
            "no exception");
  InitPluginEntrypoints();
  EXPECT_NE(OpenTestWindow()->ControlByName("Button"), nullptr);
}

TEST_F(ControlsTest, EventHandlersAreCheckedWhenAttached) {
  Ref<Label> label = OneControl<Label>({});
  auto handler = RuntimeCreateDelegate(&invokers::IM_Invoke<TestWindow, Control>,
                                       &TestWindow::OnOpen, window_, "( Label )", 1);
  // Numbers are positions in the declaring class's table: a label has no event 40, and its
  // Open has a handler already.
  EXPECT_THROW(RuntimeAddEventHandler(label.get(), 40, &AddHandler_Stub_15, handler),
               PendingException);
  EXPECT_THROW(RuntimeAddEventHandler(label.get(), kOpenEvent, &AddHandler_Stub_2, handler),
               PendingException);
  EXPECT_THROW(RuntimeAddEventHandler(nullptr, kOpenEvent, &AddHandler_Stub_2, handler),
               PendingException);
  // The stub passes the window as the target and the control as the sender.
  label->RaiseEvent(kOpenEvent);
  EXPECT_EQ(window_->log.back(), "Open:Control");
}

}  // namespace
}  // namespace uitest
