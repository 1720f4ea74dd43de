// What the widgets show when a property list sets several properties that share a part of the
// rendering, when a list fails part of the way, and when the same text is set again.
#include <QComboBox>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

class ShowingTest : public UiTest {
 protected:
  template <class C>
  Ref<C> Control(const char* name) const {
    return RuntimeCheckCast<C>(window_->ControlByName(name).get());
  }
  Ref<TestWindow> window_;
};

TEST_F(ShowingTest, AListThatFailsPartOfTheWayShowsWhatItSetBeforeTheFailure) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<ComboBox>("List",
                    EncodePropertyList({Text("InitialValue", "a\rb"), Integer("ListIndex", 1)}));
  };
  window_ = OpenTestWindow();
  Ref<ComboBox> list = Control<ComboBox>("List");
  std::string failing =
      EncodePropertyList({Integer("Left", 5), Single("TextSize", 20.0F),
                          Text("InitialValue", "x\ry\rz"), Integer("ListIndex", 7)});
  EXPECT_THROW(SetProperties(list.get(), failing), PendingException);
  auto* widget = qobject_cast<QComboBox*>(WidgetOf(*list));
  EXPECT_EQ(widget->x(), 5);
  EXPECT_EQ(widget->font().pointSizeF(), 20.0);
  ASSERT_EQ(widget->count(), 3);
  EXPECT_EQ(widget->itemText(2), QStringLiteral("z"));
  EXPECT_EQ(widget->currentIndex(), -1);  // new rows clear the selection; row 7 was refused
}

// Controls that the build events make show their changes when the events are done; they end up
// showing exactly what the same controls made in an open window show.
void MakeControls(TestWindow& w) {
  w.Add<Label>("Label", EncodePropertyList({Integer("Left", 3), Text("Text", "言語"),
                                            ColorValue("TextColor", 0x00123456),
                                            Single("TextSize", 14.0F)}));
  w.Add<BevelButton>("Button", EncodePropertyList({Text("Caption", "ランダム")}));
  SetProperties(
      &w, EncodePropertyList({Boolean("HasBackColor", true), ColorValue("BackColor", 0xFF2E62)}));
  w.Add<ComboBox>("List", EncodePropertyList({Text("InitialValue", "a\rb"), Integer("ListIndex", 1),
                                              Single("TextSize", 16.0F)}));
  w.Add<TextField>("Field", EncodePropertyList({Boolean("ReadOnly", true), Text("Text", "x\ry")}));
}

TEST_F(ShowingTest, ControlsMadeWithTheWindowShowWhatControlsMadeLaterShow) {
  TestWindow::NextScript().createControls = &MakeControls;
  window_ = OpenTestWindow();
  TestWindow::NextScript() = {};
  Ref<TestWindow> later = OpenTestWindow();
  MakeControls(*later);
  for (const char* name : {"Label", "Button", "List", "Field"}) {
    SCOPED_TRACE(name);
    QWidget* built = WidgetOf(*RuntimeCheckCast<RectControl>(window_->ControlByName(name).get()));
    QWidget* made = WidgetOf(*RuntimeCheckCast<RectControl>(later->ControlByName(name).get()));
    EXPECT_EQ(built->geometry(), made->geometry());
    EXPECT_EQ(built->font(), made->font());
    EXPECT_EQ(built->focusPolicy(), made->focusPolicy());
    EXPECT_EQ(built->isVisibleTo(built->parentWidget()), made->isVisibleTo(made->parentWidget()));
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
      const auto colorRole = static_cast<QPalette::ColorRole>(role);
      EXPECT_EQ(built->palette().color(colorRole), made->palette().color(colorRole)) << role;
    }
  }
  auto* list = qobject_cast<QComboBox*>(
      WidgetOf(*RuntimeCheckCast<ComboBox>(window_->ControlByName("List").get())));
  EXPECT_EQ(list->count(), 2);
  EXPECT_EQ(list->currentText(), QStringLiteral("b"));
  auto* field = qobject_cast<QPlainTextEdit*>(
      WidgetOf(*RuntimeCheckCast<TextField>(window_->ControlByName("Field").get())));
  EXPECT_EQ(field->toPlainText(), QStringLiteral("x\ny"));
  EXPECT_TRUE(field->isReadOnly());
}

TEST_F(ShowingTest, AFocusKindThatAListSetsCountsForTheTabOrderThatItSets) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<ComboBox>("First", EncodePropertyList({Integer("TabIndex", 0)}));
    w.Add<TextField>("Last", EncodePropertyList({Integer("TabIndex", 2)}));
    w.Add<BevelButton>("Button", EncodePropertyList({Integer("TabIndex", 5)}));
  };
  window_ = OpenTestWindow();
  Ref<BevelButton> button = Control<BevelButton>("Button");
  EXPECT_EQ(WidgetOf(*button)->focusPolicy(), Qt::NoFocus);
  SetProperties(button.get(),
                EncodePropertyList({Boolean("AcceptFocus", true), Integer("TabIndex", 1)}));

  QMainWindow* main = MainWindowOf(*window_);
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  QWidget* first = WidgetOf(*Control<ComboBox>("First"));
  first->setFocus();
  ASSERT_TRUE(WaitFor([&] { return first->hasFocus(); }));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_TRUE(WaitFor([&] { return WidgetOf(*button)->hasFocus(); }));
}

TEST_F(ShowingTest, TheWindowKeepsTheUsersSizeUntilAListSetsASize) {
  TestWindow::NextScript().layout = [](TestWindow& w) {
    SetProperties(&w, EncodePropertyList({Integer("Width", 600), Integer("Height", 400)}));
  };
  window_ = OpenTestWindow();
  QWidget* content = MainWindowOf(*window_)->centralWidget();
  ASSERT_TRUE(WaitFor([&] { return content->size() == QSize(600, 400); }));
  MainWindowOf(*window_)->resize(800, 500);  // as the user would
  ASSERT_TRUE(WaitFor([&] { return content->size() == QSize(800, 500); }));

  SetProperties(window_.get(), EncodePropertyList({Text("Title", "t"), Integer("Width", 600)}));
  EXPECT_EQ(content->size(), QSize(800, 500));
  // Set to another width and back within one list, the size is the program's again.
  SetProperties(window_.get(), EncodePropertyList({Integer("Width", 700), Integer("Width", 600)}));
  EXPECT_TRUE(WaitFor([&] { return content->size() == QSize(600, 400); }));
}

TEST_F(ShowingTest, SettingTheSameTextAgainResetsWhatTheUserMoved) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<TextField>("Field", EncodePropertyList({Integer("Width", 200), Integer("Height", 40)}));
  };
  window_ = OpenTestWindow();
  Ref<TextField> field = Control<TextField>("Field");
  field->SetReadOnly(true);
  const String text = "line 1\rline 2\rline 3\rline 4\rline 5\rline 6\rline 7\rline 8";
  field->Text_Set(text);
  auto* widget = qobject_cast<QPlainTextEdit*>(WidgetOf(*field));

  widget->selectAll();
  field->Text_Set(text);
  EXPECT_FALSE(widget->textCursor().hasSelection());
  EXPECT_EQ(widget->textCursor().position(), 0);

  QScrollBar* scroll = widget->verticalScrollBar();
  ASSERT_TRUE(WaitFor([&] { return scroll->maximum() > 0; }));
  scroll->setValue(scroll->maximum());
  field->Text_Set(text);
  EXPECT_EQ(scroll->value(), 0);
  const QString shown =
      QStringLiteral("line 1\nline 2\nline 3\nline 4\nline 5\nline 6\nline 7\nline 8");
  EXPECT_EQ(widget->toPlainText(), shown);

  // In an editable field, what the user typed gives way to the text, wherever the cursor is.
  field->SetReadOnly(false);
  widget->selectAll();
  QTest::keyClicks(widget, "typed");
  widget->moveCursor(QTextCursor::Start);
  field->Text_Set(text);
  EXPECT_EQ(widget->toPlainText(), shown);
}

}  // namespace
}  // namespace uitest
