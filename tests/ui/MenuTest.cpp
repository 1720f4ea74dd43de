#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPlainTextEdit>

#include "framework/ui/Application.h"
#include "framework/ui/Backend.h"
#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

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
                       EncodePropertyList({Integer("Width", 200), Integer("Height", 60),
                                           Boolean("ReadOnly", true), Text("Text", "amo\ramas")}));
      w.Add<ComboBox>("List", EncodePropertyList(
                                  {Integer("Top", 70), Integer("Width", 150), Integer("Height", 30),
                                   Text("InitialValue", "one\rtwo"), Integer("ListIndex", 0)}));
      w.Add<ComboBox>("Other", EncodePropertyList({Integer("Top", 110), Integer("Width", 150),
                                                   Integer("Height", 30)}));
    };
    return OpenTestWindow();
  }
  QAction* Action(const Window& window, const MenuBar& bar, const char* name) {
    Ref<MenuItem> item = bar.LookupItem(name);
    return item ? ActionOf(window, *item) : nullptr;
  }
  template <class W>
  W* Control(const Window& window, const char* name) {
    return qobject_cast<W*>(
        WidgetOf(*RuntimeCheckCast<RectControl>(window.ControlByName(name).get())));
  }
  void Focus(Window& window, QWidget* widget) {
    QMainWindow* main = MainWindowOf(window);
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    widget->setFocus();
    ASSERT_TRUE(WaitFor([&] { return widget->hasFocus(); }));
    QApplication::processEvents();  // what the activation posted, long done before a next key
  }
  // A key goes to the open menu, or else to the focused widget.
  static void Press(int key, Qt::KeyboardModifiers modifiers = {}) {
    QWidget* popup = QApplication::activePopupWidget();
    QTest::keyClick(popup ? popup : QApplication::focusWidget(), static_cast<Qt::Key>(key),
                    modifiers);
  }
  // Opens the Edit menu, or another, with a click on the bar, as the user does.
  QMenu* OpenMenu(const Window& window, const MenuBar& bar, const char* name = "EditMenu") {
    QMenuBar* menuBar = MainWindowOf(window)->menuBar();
    QAction* edit = Action(window, bar, name);
    QTest::mouseClick(menuBar, Qt::LeftButton, {}, menuBar->actionGeometry(edit).center());
    EXPECT_TRUE(Shown(edit->menu()));
    return edit->menu();
  }
  // Waits until the menu shows. The offscreen platform also activates it, later; that must come
  // while it is open, as the toolkit ignores it then, and not make the closed menu the active
  // window, which a desktop never does.
  static bool Shown(QMenu* menu) {
    const bool shown = WaitFor([&] { return menu->isVisible(); });
    QApplication::processEvents();
    return shown;
  }
  // Escape closes the menu, then hands the focus from the bar back to the editor; with no editor
  // to hand it back to, the bar keeps it.
  void LeaveMenus(const Window& window) {
    for (int i = 0; i < 2 && (QApplication::activePopupWidget() ||
                              MainWindowOf(window)->menuBar()->hasFocus());
         ++i) {
      Press(Qt::Key_Escape);
      QApplication::processEvents();
    }
  }
  // The Edit items that the user finds enabled in the open Edit menu.
  std::vector<std::string> EnabledNow(const Window& window, const MenuBar& bar) {
    std::vector<std::string> enabled;
    for (const char* name :
         {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"}) {
      if (Action(window, bar, name)->isEnabled()) enabled.emplace_back(name);
    }
    return enabled;
  }
  // ... in the Edit menu opened with the mouse.
  std::vector<std::string> Enabled(const Window& window, const MenuBar& bar) {
    OpenMenu(window, bar);
    std::vector<std::string> enabled = EnabledNow(window, bar);
    LeaveMenus(window);
    return enabled;
  }
  // Chooses an item of the Edit menu, or another, with the mouse.
  void Choose(const Window& window, const MenuBar& bar, const char* name,
              const char* menuName = "EditMenu") {
    QMenu* menu = OpenMenu(window, bar, menuName);
    ASSERT_TRUE(Action(window, bar, name)->isEnabled()) << name;
    QTest::mouseClick(menu, Qt::LeftButton, {},
                      menu->actionGeometry(Action(window, bar, name)).center());
    ASSERT_TRUE(WaitFor([&] { return !menu->isVisible(); }));
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
  EXPECT_EQ(edit->Child("EditUndo"), undo);
  EXPECT_EQ(bar->LookupItem("FileMenu"), bar->Child("FileMenu"));
  EXPECT_EQ(bar->LookupItem("Untitled"), nullptr);
  EXPECT_TRUE(bar->LookupItem("FileQuit")->IsA(QuitMenuItem::Lookup()));
  EXPECT_TRUE(edit->Item(1)->IsSeparator());
  EXPECT_FALSE(edit->Item(1)->ShortcutWasSet());
  // A tree cannot take an item twice or contain itself.
  EXPECT_THROW(bar->Append(undo.get()), PendingException);
  EXPECT_THROW(undo->Append(edit.get()), PendingException);
  Ref<MenuItem> lone = New<MenuItem>();
  EXPECT_THROW(lone->Append(lone.get()), PendingException);
  lone->Text_Set(0, "-1");  // only "-" itself is a separator
  EXPECT_FALSE(lone->IsSeparator());
  EXPECT_THROW(bar->Append(nullptr), PendingException);
  EXPECT_THROW(edit->Item(8), PendingException);
}

TEST_F(MenuTest, ShortcutsBindTheCommandModifier) {
  EXPECT_EQ(PortableShortcutText("Cmd+Q"), "Ctrl+Q");
  EXPECT_EQ(PortableShortcutText("Cmd+A"), "Ctrl+A");
  EXPECT_EQ(PortableShortcutText("Cmd+Z"), "Ctrl+Z");
  EXPECT_EQ(PortableShortcutText(""), "");
  for (const char* refused : {"Hyper+Q", "Cmd+", "Cmd+q", "Cmd+@", "Cmd+[", "Shift+Cmd+Z", "Cmd+QQ",
                              "Ctrl+Q", "Q", "Cmd-Q"}) {
    EXPECT_THROW(PortableShortcutText(refused), PendingException) << refused;
  }

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

// Every window that installs the bar renders it as it stands; while one shows it, the tree
// refuses every change, and once none does, it takes changes again.
TEST_F(MenuTest, OneModelIsRenderedForEveryOwnerAndIsFixedWhileShown) {
  Ref<MenuBar> bar = StandardBar();
  bar->LookupItem("EditPaste")->Text_Set(0, "Copy & Paste");  // an '&' is shown, not a mnemonic
  bar->LookupItem("EditClear")->Visible_Set(0, false);
  Ref<MenuItem> submenu = New<MenuItem>();
  submenu->Append(New<MenuItem>().get());
  bar->Child("EditMenu")->Append(submenu.get());
  Ref<Application> application = New<Application>();
  application->SetMenuBar(bar);
  Ref<TestWindow> first = WindowWith(bar);
  Ref<TestWindow> second = WindowWith(bar);
  EXPECT_EQ(application->GetMenuBar(), bar);
  EXPECT_EQ(first->MenuBar_Get(0), bar);
  QAction* inFirst = Action(*first, *bar, "EditPaste");
  QAction* inSecond = Action(*second, *bar, "EditPaste");
  ASSERT_TRUE(inFirst && inSecond);
  EXPECT_NE(inFirst, inSecond);
  EXPECT_EQ(inSecond->iconText(), QStringLiteral("Copy & Paste"));
  EXPECT_FALSE(Action(*second, *bar, "EditClear")->isVisible());
  EXPECT_TRUE(Action(*second, *bar, "EditCopy")->isVisible());
  EXPECT_EQ(ActionOf(*second, *submenu)->menu()->actions().size(), 1);

  Ref<MenuItem> copy = bar->LookupItem("EditCopy");
  Ref<MenuItem> added = New<MenuItem>();
  first->Close();
  for (const auto& change : std::vector<std::function<void()>>{
           [&] { copy->Name_Set(0, "x"); }, [&] { copy->Text_Set(0, "x"); },
           [&] { copy->KeyboardShortcut_Set(0, ""); }, [&] { copy->AutoEnable_Set(0, false); },
           [&] { copy->Visible_Set(0, false); },
           [&] { bar->Child("EditMenu")->Append(added.get()); },
           [&] { added->Append(bar.get()); }}) {
    EXPECT_THROW(change(), PendingException);
  }
  EXPECT_EQ(copy->Text(), String("Copy"));
  EXPECT_EQ(bar->Child("EditMenu")->Count(), 9);
  second->Close();
  copy->Text_Set(0, "x");
  bar->Child("EditMenu")->Append(added.get());
  EXPECT_EQ(bar->Child("EditMenu")->Count(), 10);
}

// The Edit items the user finds enabled follow the editor that has the focus: on the read-only
// field Copy follows the selection, whichever way it is made, and nothing edits it; in a list's
// entry each item applies only while it can act (Paste with text on the clipboard: an image is
// none); with no text widget focused none does, and a shortcut does nothing; an item that does not
// enable itself stays enabled.
TEST_F(MenuTest, EditItemsFollowTheFocusedTextWidget) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  Ref<TextField> fieldModel = RuntimeCheckCast<TextField>(window->ControlByName("Field").get());
  auto* field = Control<QPlainTextEdit>(*window, "Field");
  auto* combo = Control<QComboBox>(*window, "List");

  Focus(*window, field);
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditSelectAll"});
  Choose(*window, *bar, "EditSelectAll");
  EXPECT_EQ(field->textCursor().selectedText(),
            QString("amo") + QChar::ParagraphSeparator + "amas");
  EXPECT_EQ(Enabled(*window, *bar), (std::vector<std::string>{"EditCopy", "EditSelectAll"}));
  Choose(*window, *bar, "EditCopy");
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("amo\namas"));
  QTest::mouseClick(field->viewport(), Qt::LeftButton);
  Press(Qt::Key_X, Qt::ControlModifier);  // Cut, grey here, neither edits nor selects
  EXPECT_EQ(fieldModel->Text(), String("amo\ramas"));
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditSelectAll"});

  Focus(*window, combo);
  QApplication::clipboard()->setImage(QImage(1, 1, QImage::Format_RGB32));
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditSelectAll"});
  Press(Qt::Key_Home);
  Press(Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(Enabled(*window, *bar),
            (std::vector<std::string>{"EditCut", "EditCopy", "EditClear", "EditSelectAll"}));
  Choose(*window, *bar, "EditCut");
  EXPECT_EQ(window->log.back(), "Change:List:-1");
  EXPECT_EQ(Enabled(*window, *bar),
            (std::vector<std::string>{"EditUndo", "EditPaste", "EditSelectAll"}));

  QApplication::focusWidget()->clearFocus();
  EXPECT_TRUE(Enabled(*window, *bar).empty());
  Press(Qt::Key_V, Qt::ControlModifier);
  CurrentBackend()->PerformEditCommand(EditCommand::Paste, *window);
  EXPECT_EQ(combo->currentText(), QStringLiteral("ne"));
  window->Close();
  bar->LookupItem("EditUndo")->AutoEnable_Set(0, false);
  window = WindowWith(bar);
  QApplication::focusWidget()->clearFocus();
  EXPECT_EQ(Enabled(*window, *bar), std::vector<std::string>{"EditUndo"});
}

// However the Edit menu opens, its items follow, and act on, the editor that had the focus,
// which keeps its selection while the bar has the focus. What the menu showed grey decides no
// later shortcut: opened with nothing selected, then Escape (the bar keeps the focus), Ctrl+A and
// Ctrl+C copy all. A list's entry drops its kept selection once the focus moves on from the bar
// to another control of its window.
TEST_F(MenuTest, EditItemsFollowTheEditorWhicheverWayTheMenuOpens) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  auto* field = Control<QPlainTextEdit>(*window, "Field");
  auto* combo = Control<QComboBox>(*window, "List");
  QMenuBar* menuBar = MainWindowOf(*window)->menuBar();
  QMenu* editMenu = Action(*window, *bar, "EditMenu")->menu();

  auto openBothWays = [&](QWidget* editor, const std::vector<std::string>& enabled,
                          const std::function<QString()>& selected, const QString& all) {
    Focus(*window, editor);
    Press(Qt::Key_End);
    QApplication::clipboard()->clear();
    OpenMenu(*window, *bar);
    EXPECT_FALSE(Action(*window, *bar, "EditCopy")->isEnabled());
    Press(Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return menuBar->hasFocus(); }));
    Press(Qt::Key_A, Qt::ControlModifier);
    Press(Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString(all).replace(QChar::ParagraphSeparator, '\n'));
    Press(Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return editor->hasFocus(); }));
    EXPECT_EQ(selected(), all);

    // Alt, then Right to the second menu and Down to open it.
    QApplication::clipboard()->clear();
    Press(Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return menuBar->hasFocus(); }));
    Press(Qt::Key_Right);
    Press(Qt::Key_Down);
    ASSERT_TRUE(Shown(editMenu));
    EXPECT_EQ(EnabledNow(*window, *bar), enabled);
    QTest::mouseClick(editMenu, Qt::LeftButton, {},
                      editMenu->actionGeometry(Action(*window, *bar, "EditCopy")).center());
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString(all).replace(QChar::ParagraphSeparator, '\n'));
    LeaveMenus(*window);
    ASSERT_TRUE(WaitFor([&] { return editor->hasFocus(); }));
    EXPECT_EQ(selected(), all);
  };
  openBothWays(
      field, {"EditCopy", "EditSelectAll"}, [&] { return field->textCursor().selectedText(); },
      QString("amo") + QChar::ParagraphSeparator + "amas");
  openBothWays(
      combo, {"EditCut", "EditCopy", "EditClear", "EditSelectAll"},
      [&] { return combo->lineEdit()->selectedText(); }, QStringLiteral("one"));

  // Another window taking the focus, or another application (no widget has it then), leaves the
  // selection, as any switch of windows does.
  Ref<TestWindow> second = WindowWith(bar);
  QWidget* elsewhere = Control<QComboBox>(*second, "Other");
  QApplication::setCursorFlashTime(0);  // a caret that shows steadily while it shows
  for (QWidget* next :
       std::vector<QWidget*>{Control<QComboBox>(*window, "Other"), field, elsewhere, nullptr}) {
    Focus(*window, combo);
    Press(Qt::Key_A, Qt::ControlModifier);
    const QImage withCaret = combo->lineEdit()->grab().toImage();
    Press(Qt::Key_Alt, Qt::AltModifier);
    ASSERT_TRUE(WaitFor([&] { return menuBar->hasFocus(); }));
    EXPECT_TRUE(combo->lineEdit()->hasSelectedText());
    EXPECT_NE(combo->lineEdit()->grab().toImage(), withCaret);  // but no caret
    if (!next) {
      QApplication::setActiveWindow(nullptr);  // as when another application is activated
    } else if (next == elsewhere) {
      Focus(*second, next);
    } else {
      QTest::mouseClick(next->childAt(next->rect().center()), Qt::LeftButton);
    }
    ASSERT_TRUE(WaitFor([&] { return QApplication::focusWidget() == next; }));
    EXPECT_EQ(combo->lineEdit()->hasSelectedText(), next == elsewhere || !next);
  }
}

// Each Edit item, chosen from the menu or with its shortcut in the entry or on the bar that took
// the focus from it, does in a list's entry what its name says. Each case starts from "one",
// with "clip" on the clipboard, the caret at the end, and the keys given.
TEST_F(MenuTest, EachEditItemDoesWhatItsNameSaysInAListsEntry) {
  struct Case {
    const char* item;
    Qt::Key key;  // its shortcut with Ctrl, or none
    const char* typed;
    bool selectTwo;  // Shift+Left twice: "ne"
    const char* text;
    const char* selection;
    const char* clipboard;
  };
  const Case cases[] = {
      {"EditUndo", Qt::Key_Z, "x", false, "one", "", "clip"},
      {"EditCut", Qt::Key_X, "", true, "o", "", "ne"},
      {"EditCopy", Qt::Key_C, "", true, "one", "ne", "ne"},
      {"EditPaste", Qt::Key_V, "", true, "oclip", "", "clip"},
      {"EditClear", Qt::Key_unknown, "", true, "o", "", "clip"},
      {"EditSelectAll", Qt::Key_A, "", false, "one", "one", "clip"},
  };
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  auto* combo = Control<QComboBox>(*window, "List");
  enum Way { kMenu, kKeyInEntry, kKeyOnBar };
  for (const Case& c : cases) {
    for (Way way : {kMenu, kKeyInEntry, kKeyOnBar}) {
      if (way != kMenu && c.key == Qt::Key_unknown) continue;
      Focus(*window, combo);
      combo->setEditText(QStringLiteral("one"));
      QApplication::clipboard()->setText(QStringLiteral("clip"));
      Press(Qt::Key_End);
      QTest::keyClicks(combo, c.typed);
      for (int i = 0; c.selectTwo && i < 2; ++i) Press(Qt::Key_Left, Qt::ShiftModifier);
      if (way == kMenu) Choose(*window, *bar, c.item);
      if (way == kKeyOnBar) Press(Qt::Key_Alt, Qt::AltModifier);
      if (way != kMenu) Press(c.key, Qt::ControlModifier);
      LeaveMenus(*window);
      const std::string where = std::string(c.item) + " way " + std::to_string(way);
      EXPECT_EQ(combo->currentText().toStdString(), c.text) << where;
      EXPECT_EQ(combo->lineEdit()->selectedText().toStdString(), c.selection) << where;
      EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboard) << where;
    }
  }
}

TEST_F(MenuTest, AMenuHandlerRunsBeforeTheStandardAction) {
  Ref<MenuBar> bar = StandardBar();
  Ref<TestWindow> window = WindowWith(bar);
  window->AddMenuHandler("FileQuit", EntryPointer(RuntimeCreateDelegate(
                                         &invokers::IM_InvokeBoolean<TestWindow>,
                                         &TestWindow::OnMenu, window, "(  ) as Boolean", 0)));
  EXPECT_EQ(window->MenuHandlerNames(), std::vector<std::string>{"FileQuit"});
  Choose(*window, *bar, "FileQuit", "FileMenu");
  EXPECT_EQ(window->log.back(), "Menu");
  EXPECT_FALSE(QuitRequested());  // handled
  window->menuHandlerResult = false;
  Choose(*window, *bar, "FileQuit", "FileMenu");
  EXPECT_TRUE(QuitRequested());  // not handled: the standard action follows
}

}  // namespace
}  // namespace uitest
