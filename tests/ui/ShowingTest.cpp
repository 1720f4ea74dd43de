// A drawn window as it changes: only a field's text and a list's selection change once it is
// drawn, and setting the same text again puts the field back to its start.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

class ShowingTest : public UiTest {};

TEST_F(ShowingTest, OnlyTheTextAndTheSelectionChangeOnceTheWindowIsDrawn) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<ComboBox>("List", EncodePropertyList({Text("InitialValue", "a\rb")}));
    w.Add<TextField>("Field");
  };
  Ref<TestWindow> window = OpenTestWindow();
  Ref<ComboBox> list = window->ControlAs<ComboBox>("List");
  SetProperties(window->ControlByName("Field").get(), EncodePropertyList({Text("Text", "x")}));
  SetProperties(list.get(), EncodePropertyList({Integer("ListIndex", 1)}));
  EXPECT_EQ(qobject_cast<QPlainTextEdit*>(window->WidgetNamed("Field"))->toPlainText(),
            QStringLiteral("x"));
  EXPECT_EQ(qobject_cast<QComboBox*>(window->WidgetNamed("List"))->currentIndex(), 1);

  const struct {
    Object* object;
    std::string list;
    const char* message;
  } refused[] = {
      {list.get(), EncodePropertyList({Integer("Left", 5)}),
       "ComboBox.Left cannot change once the window is drawn"},
      {list.get(), EncodePropertyList({Text("InitialValue", "c")}),
       "ComboBox.InitialValue cannot change once the window is drawn"},
      {window.get(), EncodePropertyList({Integer("MinWidth", 10)}),
       "TestWindow.TestWindow.MinWidth cannot change once the window is drawn"},
  };
  for (const auto& [object, properties, message] : refused) {
    EXPECT_EQ(Raised([&] { SetProperties(object, properties); }), message);
  }
  EXPECT_THROW(window->MenuBar_Set(0, nullptr), PendingException);
}

// A selection from the start or back to it, or the view scrolled by a line (the scroll bar's
// arrow), ends when the same text is set again.
TEST_F(ShowingTest, SettingTheSameTextAgainResetsWhatTheUserMoved) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<TextField>("Field", EncodePropertyList({Integer("Width", 200), Integer("Height", 40)}));
  };
  Ref<TextField> field = OpenTestWindow()->ControlAs<TextField>("Field");
  const String text = "line 1\rline 2\rline 3\rline 4\rline 5\rline 6\rline 7\rline 8";
  field->Text_Set(text);
  auto* widget = qobject_cast<QPlainTextEdit*>(WidgetOf(*field));
  QScrollBar* scroll = widget->verticalScrollBar();
  ASSERT_TRUE(WaitFor([&] { return scroll->maximum() > 0; }));
  const std::function<void()> moves[] = {
      [&] { QTest::keyClick(widget, Qt::Key_Right, Qt::ShiftModifier); },
      [&] {
        QTest::keyClick(widget, Qt::Key_Right);
        QTest::keyClick(widget, Qt::Key_Left, Qt::ShiftModifier);
      },
      [&] { scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd); },
  };
  for (std::size_t n = 0; n < std::size(moves); ++n) {
    moves[n]();
    field->Text_Set(text);
    EXPECT_FALSE(widget->textCursor().hasSelection()) << n;
    EXPECT_EQ(widget->textCursor().position(), 0) << n;
    EXPECT_EQ(scroll->value(), 0) << n;
  }
  EXPECT_EQ(widget->toPlainText(),
            QStringLiteral("line 1\nline 2\nline 3\nline 4\nline 5\nline 6\nline 7\nline 8"));
}

}  // namespace
}  // namespace uitest
