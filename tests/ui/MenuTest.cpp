#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

#include "framework/ui/Application.h"
#include "framework/ui/Backend.h"
#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

template <class T>
Ref<T> New() {
  return RuntimeCheckCast<T>(RuntimeNewObject(T::Lookup()).get());
}

struct Row {
  const char* name;
  const char* text;
  const char* shortcut;  // nullptr: never set
  const char* parent;    // nullptr: the bar
  bool quit = false;
};

// The two menus of a typical bar: File with the quit item, Edit with the standard items.
Ref<MenuBar> StandardBar() {
  const Row rows[] = {
      {"FileMenu", "File", "", nullptr},
      {"FileQuit", "Quit", "Cmd+Q", "FileMenu", true},
      {"EditMenu", "Edit", "", nullptr},
      {"EditUndo", "Undo", "Cmd+Z", "EditMenu"},
      {"UntitledMenu1", "-", nullptr, "EditMenu"},
      {"EditCut", "Cut", "Cmd+X", "EditMenu"},
      {"EditCopy", "Copy", "Cmd+C", "EditMenu"},
      {"EditPaste", "Paste", "Cmd+V", "EditMenu"},
      {"EditClear", "Delete", "", "EditMenu"},
      {"UntitledMenu0", "-", nullptr, "EditMenu"},
      {"EditSelectAll", "Select All", "Cmd+A", "EditMenu"},
  };
  Ref<MenuBar> bar = New<MenuBar>();
  for (const Row& row : rows) {
    Ref<MenuItem> item = row.quit ? Ref<MenuItem>(New<QuitMenuItem>()) : New<MenuItem>();
    item->Constructor();
    item->Name_Set(0, row.name);
    item->AutoEnable_Set(0, true);
    item->Text_Set(0, row.text);
    item->Visible_Set(0, true);
    if (row.shortcut) item->KeyboardShortcut_Set(0, row.shortcut);
    Ref<MenuItem> parent = row.parent ? bar->Child(row.parent) : Ref<MenuItem>(bar);
    parent->Append(item.get());
  }
  return bar;
}

class MenuTest : public UiTest {
 protected:
  Ref<TestWindow> WindowWith(Ref<MenuBar> bar) {
    TestWindow::NextScript().layout = [bar](TestWindow& w) { w.MenuBar_Set(0, bar); };
    TestWindow::NextScript().createControls = [](TestWindow& w) {
      w.Add<TextField>("Field",
                       EncodePropertyList({Boolean("ReadOnly", true), Text("Text", "amo\ramas")}));
      w.Add<ComboBox>(
          "List", EncodePropertyList({Text("InitialValue", "one\rtwo"), Integer("ListIndex", 0)}));
      w.Add<BevelButton>("Button", EncodePropertyList({Integer("Width", 60)}));
    };
    return OpenTestWindow();
  }
  QAction* Action(const Window& window, const MenuBar& bar, const char* name) {
    Ref<MenuItem> item = bar.LookupItem(name);
    return item ? ActionOf(window, *item) : nullptr;
  }
  void Focus(Window& window, QWidget* widget) {
    QMainWindow* main = MainWindowOf(window);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    widget->setFocus();
    ASSERT_TRUE(WaitFor([&] { return widget->hasFocus(); }));
  }
  // The Edit items that are enabled once the Edit menu is about to show.
  std::vector<std::string> Enabled(const Window& window, const MenuBar& bar) {
    Q_EMIT Action(window, bar, "EditMenu")->menu()->aboutToShow();
    std::vector<std::string> enabled;
    for (const char* name :
         {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
      if (Action(window, bar, name)->isEnabled()) enabled.emplace_back(name);
    }
    return enabled;
  }
};

TEST_F(MenuTest, TreeLookupByDirectChildAndAtAnyDepth) {
  Ref<MenuBar> bar = StandardBar();
  EXPECT_EQ(bar->Count(), 2);
  Ref<MenuItem> edit = bar->Child("EditMenu");
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->Count(), 8);
  EXPECT_EQ(bar->Child("EditUndo"), nullptr);  // not a direct child
  Ref<MenuItem> undo = bar->LookupItem("EditUndo");
  ASSERT_NE(undo, nullptr);
  EXPECT_EQ(undo->Parent(), edit.get());
  EXPECT_EQ(bar->LookupItem("FileMenu"), bar->Child("FileMenu"));
  EXPECT_EQ(bar->LookupItem("Untitled"), nullptr);
  EXPECT_TRUE(bar->LookupItem("FileQuit")->IsA(QuitMenuItem::Lookup()));
  EXPECT_TRUE(edit->Item(1)->IsSeparator());
  EXPECT_FALSE(edit->Item(1)->ShortcutWasSet());
  // A tree cannot take an item twice or contain itself.
  EXPECT_THROW(bar->Append(undo.get()), PendingException);
  EXPECT_THROW(undo->Append(edit.get()), PendingException);
  EXPECT_THROW(bar->Append(nullptr), PendingException);
  EXPECT_THROW(edit->Item(8), PendingException);
}

TEST_F(MenuTest, ShortcutsBindTheCommandModifier) {
  EXPECT_EQ(PortableShortcutText("Cmd+Q"), "Ctrl+Q");
  EXPECT_EQ(PortableShortcutText("Shift+cmd+z"), "Ctrl+Shift+Z");
  EXPECT_EQ(PortableShortcutText("Option+F4"), "Alt+F4");
  EXPECT_EQ(PortableShortcutText("Cmd++"), "Ctrl++");
  EXPECT_EQ(PortableShortcutText("++"), "+");
  EXPECT_EQ(PortableShortcutText("+"), "+");  // the portable text reads back as itself
  EXPECT_EQ(PortableShortcutText(""), "");
  EXPECT_THROW(PortableShortcutText("Hyper+Q"), PendingException);
  EXPECT_THROW(PortableShortcutText("Cmd+"), PendingException);

  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  EXPECT_EQ(Action(*window, *bar, "FileQuit")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
  EXPECT_EQ(Action(*window, *bar, "EditCopy")->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_C));
  EXPECT_TRUE(Action(*window, *bar, "EditClear")->shortcut().isEmpty());
  EXPECT_TRUE(Action(*window, *bar, "UntitledMenu1")->isSeparator());
  EXPECT_TRUE(Action(*window, *bar, "UntitledMenu1")->text().isEmpty());  // no "-" painted
  EXPECT_EQ(Action(*window, *bar, "EditMenu")->text(), QStringLiteral("Edit"));
  QMenuBar* menuBar = MainWindowOf(*window)->menuBar();
  ASSERT_EQ(menuBar->actions().size(), 2);
  EXPECT_EQ(menuBar->actions()[1]->menu<QMenu*>()->actions().size(), 8);
}

TEST_F(MenuTest, OneModelIsRenderedForEveryOwnerAndFollowsChanges) {
  Ref<MenuBar> bar = StandardBar();
  Ref<Application> application = New<Application>();
  application->SetMenuBar(bar);
  Ref<TestWindow> first = WindowWith(bar);
  Ref<TestWindow> second = WindowWith(bar);
  EXPECT_EQ(application->GetMenuBar(), bar);
  EXPECT_EQ(first->MenuBar_Get(0), bar);
  QAction* inFirst = Action(*first, *bar, "EditCopy");
  QAction* inSecond = Action(*second, *bar, "EditCopy");
  ASSERT_TRUE(inFirst && inSecond);
  EXPECT_NE(inFirst, inSecond);

  bar->LookupItem("EditCopy")->Text_Set(0, "コピー");
  EXPECT_EQ(inFirst->text(), QString::fromUtf8("コピー"));
  EXPECT_EQ(inSecond->text(), QString::fromUtf8("コピー"));
  bar->LookupItem("EditPaste")->Text_Set(0, "Copy & Paste");  // an '&' is shown, not a mnemonic
  EXPECT_EQ(Action(*first, *bar, "EditPaste")->iconText(), QStringLiteral("Copy & Paste"));
  bar->LookupItem("EditPaste")->Visible_Set(0, false);
  EXPECT_FALSE(Action(*second, *bar, "EditPaste")->isVisible());
  Ref<MenuItem> added = New<MenuItem>();
  added->Name_Set(0, "EditExtra");
  bar->Child("EditMenu")->Append(added.get());
  EXPECT_NE(Action(*first, *bar, "EditExtra"), nullptr);
  EXPECT_NE(Action(*second, *bar, "EditExtra"), nullptr);
}

TEST_F(MenuTest, EditItemsFollowTheFocusedTextWidget) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  Ref<TextField> fieldModel = RuntimeCheckCast<TextField>(window->ControlByName("Field").get());
  auto* field = qobject_cast<QPlainTextEdit*>(WidgetOf(*fieldModel));
  auto* combo = qobject_cast<QComboBox*>(
      WidgetOf(*RuntimeCheckCast<ComboBox>(window->ControlByName("List").get())));

  // On the read-only field Copy follows the selection, whichever way it is made; nothing
  // edits it.
  Focus(*window, field);
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditSelectAll"});
  Action(*window, *bar, "EditSelectAll")->trigger();
  EXPECT_EQ(field->textCursor().selectedText(),
            QString("amo") + QChar::ParagraphSeparator + "amas");
  EXPECT_EQ(Enabled(*window, *bar), (std::vector<std::string>{"EditCopy", "EditSelectAll"}));
  EXPECT_FALSE(CurrentBackend()->PerformEditCommand(EditCommand::Clear, window.get()));
  EXPECT_EQ(fieldModel->Text(), String("amo\ramas"));
  Action(*window, *bar, "EditCopy")->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("amo\namas"));
  QTest::mouseClick(field->viewport(), Qt::LeftButton);
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditSelectAll"});

  // In the combo box's entry every item edits the entry, as the user's change, and applies
  // only while it can act: Undo with something to undo, Cut, Copy and Delete with a selection,
  // Paste with text on the clipboard (an image is none).
  Focus(*window, combo->lineEdit());
  combo->lineEdit()->deselect();
  QApplication::clipboard()->setImage(QImage(1, 1, QImage::Format_RGB32));
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditSelectAll"});
  Action(*window, *bar, "EditSelectAll")->trigger();
  EXPECT_EQ(Enabled(*window, *bar),
            (std::vector<std::string>{"EditCut", "EditCopy", "EditClear", "EditSelectAll"}));
  Action(*window, *bar, "EditCut")->trigger();
  EXPECT_EQ(combo->currentText(), QString());
  EXPECT_EQ(window->log.back(), "Change:List:-1");
  EXPECT_EQ(Enabled(*window, *bar),
            (std::vector<std::string>{"EditUndo", "EditPaste", "EditSelectAll"}));
  Action(*window, *bar, "EditPaste")->trigger();
  EXPECT_EQ(combo->currentText(), QStringLiteral("one"));
  EXPECT_EQ(window->log.back(), "Change:List:0");

  // With no text widget focused none of them applies, and a command does nothing; an item
  // that does not enable itself stays enabled.
  QApplication::focusWidget()->clearFocus();
  EXPECT_TRUE(Enabled(*window, *bar).empty());
  EXPECT_FALSE(CurrentBackend()->PerformEditCommand(EditCommand::Paste, window.get()));
  EXPECT_EQ(combo->currentText(), QStringLiteral("one"));
  bar->LookupItem("EditUndo")->AutoEnable_Set(0, false);
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditUndo"});
}

// However the Edit menu is opened, its items follow, and act on, the editor that had the focus,
// which keeps its selection: from the keyboard the menu bar takes the focus while the menu is open.
TEST_F(MenuTest, EditItemsFollowTheEditorWhicheverWayTheMenuOpens) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  auto* field = qobject_cast<QPlainTextEdit*>(
      WidgetOf(*RuntimeCheckCast<TextField>(window->ControlByName("Field").get())));
  auto* combo = qobject_cast<QComboBox*>(
      WidgetOf(*RuntimeCheckCast<ComboBox>(window->ControlByName("List").get())));
  QMenuBar* menuBar = MainWindowOf(*window)->menuBar();
  QAction* editMenu = Action(*window, *bar, "EditMenu");

  auto openBothWays = [&](QWidget* editor, const std::vector<std::string>& enabled,
                          const std::function<QString()>& selected, const QString& copied) {
    Focus(*window, editor);
    QApplication::clipboard()->clear();
    QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(editMenu).center());
    ASSERT_TRUE(WaitFor([&] { return editMenu->menu()->isVisible(); }));
    EXPECT_EQ(Enabled(*window, *bar), enabled);
    // Escape closes the menu and leaves the bar in keyboard mode; a second Escape leaves that.
    QTest::keyClick(editMenu->menu(), Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return menuBar->hasFocus(); }));
    EXPECT_EQ(Enabled(*window, *bar), enabled);
    QTest::keyClick(menuBar, Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return editor->hasFocus(); }));

    // Alt, then Right to the second menu and Down to open it.
    const QString selection = selected();
    QTest::keyClick(editor, Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return menuBar->hasFocus(); }));
    QTest::keyClick(menuBar, Qt::Key_Right);
    QTest::keyClick(menuBar, Qt::Key_Down);
    ASSERT_TRUE(WaitFor([&] { return editMenu->menu()->isVisible(); }));
    EXPECT_EQ(Enabled(*window, *bar), enabled);
    Action(*window, *bar, "EditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), copied);
    QTest::keyClick(editMenu->menu(), Qt::Key_Escape);
    QTest::keyClick(menuBar, Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return editor->hasFocus(); }));
    EXPECT_EQ(selected(), selection);
  };

  field->selectAll();
  openBothWays(
      field, {"EditCopy", "EditSelectAll"}, [&] { return field->textCursor().selectedText(); },
      QStringLiteral("amo\namas"));
  combo->lineEdit()->selectAll();
  openBothWays(
      combo, {"EditCut", "EditCopy", "EditClear", "EditSelectAll"},
      [&] { return combo->lineEdit()->selectedText(); }, QStringLiteral("one"));
}

TEST_F(MenuTest, AMenuHandlerRunsBeforeTheStandardAction) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  window->AddMenuHandler("FileQuit", EntryPointer(RuntimeCreateDelegate(
                                         &invokers::IM_InvokeBoolean<TestWindow>,
                                         &TestWindow::OnMenu, window, "(  ) as Boolean", 0)));
  EXPECT_EQ(window->MenuHandlerNames(), std::vector<std::string>{"FileQuit"});
  Action(*window, *bar, "FileQuit")->trigger();
  EXPECT_EQ(window->log.back(), "Menu");
  EXPECT_FALSE(QuitRequested());  // handled
  window->menuHandlerResult = false;
  Action(*window, *bar, "FileQuit")->trigger();
  EXPECT_TRUE(QuitRequested());  // not handled: the standard action follows
}

TEST_F(MenuTest, TheQuitItemEndsTheEventLoop) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  QAction* quit = Action(*window, *bar, "FileQuit");
  bool guardFired = false;
  QTimer::singleShot(0, quit, [quit] { quit->trigger(); });
  QTimer guard;
  guard.setSingleShot(true);
  QObject::connect(&guard, &QTimer::timeout, [&] {
    guardFired = true;
    QCoreApplication::exit(1);
  });
  guard.start(10000);
  RuntimeRun();
  EXPECT_FALSE(guardFired);
  EXPECT_TRUE(window->IsOpen());
  EXPECT_EQ(RuntimeExit(), 0);
}

}  // namespace
}  // namespace uitest
