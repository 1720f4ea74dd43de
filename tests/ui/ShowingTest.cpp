// A drawn window as it changes: only a field's text and a list's selection change once it is
// drawn, and setting the same text again puts the field back to its start.
#include <QComboBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <tuple>

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

// A selection from the start or back to it, or the view scrolled by a line, ends when the same
// text is set again.
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
  for (const char* keys : {"Shift+Right", "Right, Shift+Left", "Ctrl+Down"}) {
    QTest::keySequence(widget, QKeySequence(QString::fromLatin1(keys)));
    field->Text_Set(text);
    const QTextCursor cursor = widget->textCursor();  // no selection, at the start, unscrolled
    EXPECT_EQ(std::tuple(cursor.anchor(), cursor.position(), scroll->value()), std::tuple(0, 0, 0));
  }
}

}  // namespace
}  // namespace uitest
