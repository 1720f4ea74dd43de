#include <QMainWindow>
#include <QPointer>

#include "tests/ui/UiTestSupport.h"

namespace uitest {
namespace {

class WindowTest : public UiTest {};

// The build events run in order, the controls open in creation order, and then the window shows
// as its list describes it.
TEST_F(WindowTest, ConstructionRaisesTheBuildEventsThenOpensControlsThenShowsAsTheListSays) {
  std::vector<bool> shownDuringOpen;
  Ref<Window> foundDuringLayout;
  Ref<MenuBar> bar = New<MenuBar>();
  Ref<MenuItem> menu = New<MenuItem>();
  menu->Text_Set(0, "File");
  bar->Append(menu.get());
  TestWindow::NextScript().layout = [&](TestWindow& w) {
    foundDuringLayout = GetImplicitWindow("TestWindow.TestWindow");
    w.MenuBar_Set(0, bar);
    SetProperties(
        &w, EncodePropertyList(
                {Integer("Width", 600), Integer("Height", 400), Integer("MinWidth", 64),
                 Integer("MinHeight", 60), Integer("MaxWidth", 32000), Integer("MaxHeight", 32000),
                 Text("Title", "ヴェルボリカ"), Boolean("CloseButton", true),
                 Boolean("Resizeable", true), Boolean("MaximizeButton", false),
                 Boolean("MinimizeButton", true), Integer("MacProcID", 0), Boolean("Visible", true),
                 Boolean("MenuBarVisible", true), Boolean("HasBackColor", true),
                 ColorValue("BackColor", 0x00FF2E62)}));
  };
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<ComboBox>("List");
    w.Add<TextField>("Field");
    w.Add<Label>("Caption",
                 EncodePropertyList({Integer("Left", 33), Integer("Top", 31), Integer("Width", 111),
                                     Integer("Height", 23), Text("Text", "今日の動詞")}));
    w.Add<BevelButton>("Button");
  };
  TestWindow::NextScript().onOpen = [&](TestWindow& w) {
    shownDuringOpen.push_back(MainWindowOf(w)->isVisible());
  };
  Ref<TestWindow> window = OpenTestWindow();

  EXPECT_EQ(window->log,
            (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open:List",
                                      "Open:Field", "Open:Caption", "Open:Button"}));
  EXPECT_EQ(window->addMenuHandlersArgument, window.get());
  EXPECT_EQ(shownDuringOpen, std::vector<bool>(4, false));
  EXPECT_TRUE(MainWindowOf(*window)->isVisible());
  EXPECT_EQ(foundDuringLayout, nullptr);
  EXPECT_EQ(GetImplicitWindow("TestWindow.TestWindow"), window);
  EXPECT_EQ(GetImplicitWindow("Window1.Window1"), nullptr);
  EXPECT_EQ(window->ControlByName("Field")->Class().Name(), "TextField");
  EXPECT_EQ(window->ControlByName("Nothing"), nullptr);
  // The rendering of the same list in the program's window is read in full by the layout test.
  QWidget* content = MainWindowOf(*window)->centralWidget();
  EXPECT_EQ(content->minimumSize(), QSize(64, 60));
  EXPECT_GT(content->y(), 0);  // below the menu bar
  QWidget* label = window->WidgetNamed("Caption");
  EXPECT_EQ(label->geometry(), QRect(33, 31, 111, 23));
  EXPECT_EQ(label->parentWidget(), content);
}

TEST_F(WindowTest, ClosingReleasesEverythingAndTheLastWindowQuits) {
  {
    // The build events cannot close their window.
    TestWindow::NextScript().createControls = [](TestWindow& w) { w.Close(); };
    EXPECT_THROW(OpenTestWindow(), PendingException);
    EXPECT_FALSE(QuitRequested());
    TestWindow::NextScript().layout = [](TestWindow& w) {
      w.MenuBar_Set(0, New<MenuBar>());
      EntryPoint menu = EntryPointer(RuntimeCreateDelegate(&invokers::IM_InvokeBoolean<TestWindow>,
                                                           &TestWindow::OnMenu, Ref<Object>(&w),
                                                           "(  ) as Boolean", 0));
      w.AddMenuHandler("Anything", menu);
      // A name takes one handler, and a handler is never nil.
      EXPECT_THROW(w.AddMenuHandler("Anything", menu), PendingException);
      EXPECT_THROW(w.AddMenuHandler("Nothing", EntryPoint()), PendingException);
    };
    TestWindow::NextScript().createControls = [](TestWindow& w) {
      w.Add<ComboBox>("List", EncodePropertyList({Text("InitialValue", "a\rb")}));
      w.Add<TextField>("Field");
      w.Add<BevelButton>("Button");
    };
    Ref<TestWindow> first = OpenTestWindow();
    Ref<TestWindow> second = OpenTestWindow();
    Ref<ComboBox> list = first->ControlAs<ComboBox>("List");
    QPointer<QMainWindow> firstShown = MainWindowOf(*first);
    first->Close();
    EXPECT_EQ(WidgetOf(*list), nullptr);
    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(first->Controls().size(), 0u);
    EXPECT_EQ(first->MenuBar_Get(0), nullptr);
    EXPECT_EQ(first->View(), nullptr);
    // The user closes it while it is still on screen, which ends nothing more, then the other one.
    firstShown->close();
    EXPECT_FALSE(QuitRequested());
    MainWindowOf(*second)->close();
    EXPECT_FALSE(second->IsOpen());
    EXPECT_TRUE(OpenWindows().empty());
    EXPECT_TRUE(QuitRequested());
    EXPECT_THROW(second->NewControl(Label::Lookup()), PendingException);
    EXPECT_THROW(second->AddMenuHandler(
                     "Late", EntryPointer(RuntimeCreateDelegate(
                                 &invokers::InvokeProcedure, +[] {}, nullptr, "(  )", 0))),
                 PendingException);
    RuntimePerformFinalizers();
    EXPECT_EQ(firstShown, nullptr);  // no longer on screen
  }
  EXPECT_EQ(Object::LiveCount(), liveAtStart_);
}

// The content area takes the list's size; with a size of 0 on either side the window keeps the
// size the toolkit gives it, as one whose list gives no size does.
TEST_F(WindowTest, TheContentTakesThePositiveSizeOfTheList) {
  const QSize unsized = MainWindowOf(*OpenTestWindow())->centralWidget()->size();
  for (const QSize size : {QSize(0, 40), QSize(40, 0), QSize(1, 1)}) {
    TestWindow::NextScript().layout = [size](TestWindow& w) {
      SetProperties(&w, EncodePropertyList(
                            {Integer("Width", size.width()), Integer("Height", size.height())}));
    };
    QWidget* content = MainWindowOf(*OpenTestWindow())->centralWidget();
    EXPECT_TRUE(WaitFor([&] { return content->size() == (size.isEmpty() ? unsized : size); }));
  }
}

// The window is closed, so closing it again ends nothing.
TEST_F(WindowTest, FailedBuildLetsGoOfTheHalfBuiltWindow) {
  Ref<TestWindow> built;
  TestWindow::NextScript().createControls = [&built](TestWindow& w) {
    built = Ref<TestWindow>(&w);
    w.Add<ComboBox>("List");
    Raise<NilObjectException>("in CreateControls");
  };
  EXPECT_THROW(OpenTestWindow(), PendingException);
  EXPECT_TRUE(OpenWindows().empty());
  built->Close();
  EXPECT_FALSE(QuitRequested());
  built.reset();
  EXPECT_EQ(Object::LiveCount(), liveAtStart_);
}

TEST_F(WindowTest, AnOpenHandlerExceptionGoesToTheUnhandledExceptionHandler) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<Label>("First");
    w.Add<Label>("Second");
  };
  TestWindow::NextScript().onOpen = [](TestWindow&) { RaiseNilObjectException(); };
  Ref<TestWindow> window = OpenTestWindow();
  EXPECT_EQ(presented_, std::vector<std::string>{"NilObjectException"});
  EXPECT_EQ(RuntimeExit(), 1);
  EXPECT_TRUE(QuitRequested());
  // The application is ending: the later Open is not raised and the window is not shown, but
  // the window is complete and held until the finalisers close it.
  EXPECT_EQ(window->log.back(), "Open:First");
  EXPECT_FALSE(MainWindowOf(*window)->isVisible());
  EXPECT_EQ(OpenWindows().size(), 1u);
  RuntimePerformFinalizers();
  EXPECT_TRUE(OpenWindows().empty());
}

// Controls are made by the window's __New and registered under names of their own while the
// build events run; once the window is drawn it takes no new ones.
TEST_F(WindowTest, ControlsAreMadeAndRegisteredWhileTheWindowIsBuilt) {
  Ref<Object> unregistered;
  TestWindow::NextScript().createControls = [&unregistered](TestWindow& w) {
    Ref<Object> label = w.NewControl(Label::Lookup());
    w.AddControl("L", label.get());
    EXPECT_THROW(w.AddControl("M", label.get()), PendingException);
    unregistered = w.NewControl(Label::Lookup());
    EXPECT_THROW(w.AddControl("L", unregistered.get()), PendingException);
    EXPECT_THROW(w.AddControl("X", RuntimeNewObject(Label::Lookup()).get()), PendingException);
    EXPECT_THROW(w.AddControl("X", nullptr), PendingException);
    EXPECT_THROW(w.NewControl(Window::Lookup()), PendingException);
    EXPECT_EQ(w.ControlByName(""), nullptr);  // the unregistered control
  };
  Ref<TestWindow> window = OpenTestWindow();
  EXPECT_EQ(window->Controls().size(), 1u);
  EXPECT_THROW(window->NewControl(Label::Lookup()), PendingException);
  EXPECT_THROW(window->AddControl("Late", unregistered.get()), PendingException);
  EXPECT_THROW(window->Constructor(), PendingException);
  EXPECT_THROW(New<TestWindow>()->NewControl(Label::Lookup()), PendingException);
}

// Three controls that take focus, made in another order than their TabIndex, and a label and a
// button that take none: Tab visits them by TabIndex and wraps round.
TEST_F(WindowTest, TabIndexOrdersKeyboardFocus) {
  TestWindow::NextScript().createControls = [](TestWindow& w) {
    w.Add<ComboBox>("First", EncodePropertyList({Integer("TabIndex", 2)}));
    w.Add<Label>("Label", EncodePropertyList({Integer("TabIndex", 3)}));
    w.Add<TextField>("Third", EncodePropertyList({Integer("TabIndex", 7)}));
    w.Add<BevelButton>("Button", EncodePropertyList({Integer("TabIndex", 4)}));
    w.Add<ComboBox>("Second", EncodePropertyList({Integer("TabIndex", 5)}));
  };
  Ref<TestWindow> window = OpenTestWindow();
  auto widget = [&](const char* name) { return window->WidgetNamed(name); };
  EXPECT_EQ(widget("Label")->focusPolicy(), Qt::NoFocus);
  EXPECT_EQ(widget("Button")->focusPolicy(), Qt::NoFocus);
  QMainWindow* main = MainWindowOf(*window);
  EXPECT_FALSE(main->centralWidget()->autoFillBackground());  // no HasBackColor
  main->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(main));
  widget("First")->setFocus();
  ASSERT_TRUE(WaitFor([&] { return widget("First")->hasFocus(); }));
  for (const char* next : {"Second", "Third", "First"}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(WaitFor([&] { return widget(next)->hasFocus(); })) << "Tab did not reach " << next;
  }
}

}  // namespace
}  // namespace uitest
