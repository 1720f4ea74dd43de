// The shared menu bar: its tree, its accessors and its failure path.
#include <string_view>
#include <utility>

#include "AppTestSupport.h"
#include "app/MenuBar1.h"
#include "framework/runtime/FaultInjection.h"

namespace app_test {
namespace {

using framework::MenuItem;
using framework::Ref;

struct ExpectedItem {
  const char* name;
  const char* text;
  const char* shortcut;  // nullptr: never set, so empty
};

void ExpectItems(const Ref<MenuItem>& menu, std::initializer_list<ExpectedItem> items) {
  ASSERT_EQ(menu->Count(), static_cast<std::int64_t>(items.size()));
  std::int64_t i = 0;
  for (const ExpectedItem& expected : items) {
    Ref<MenuItem> item = menu->Item(i++);
    EXPECT_EQ(item->Name().Bytes(), expected.name);
    // Only the quit item ends the program when chosen.
    EXPECT_EQ(item->Class().Name(),
              std::string_view(expected.name) == "FileQuit" ? "QuitMenuItem" : "MenuItem");
    EXPECT_EQ(item->Text().Bytes(), expected.text);
    EXPECT_EQ(item->ShortcutWasSet(), expected.shortcut != nullptr) << expected.name;
    EXPECT_EQ(item->KeyboardShortcut().Bytes(), expected.shortcut ? expected.shortcut : "");
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_TRUE(item->Visible());
  }
}

class MenuBar : public StartedRuntime {};

TEST_F(MenuBar, HoldsTheFileAndEditMenus) {
  Ref<app::MenuBar1> bar = app::MenuBar1::ImplicitInstance();
  ExpectItems(bar, {{"FileMenu", "ファイル", ""}, {"EditMenu", "編集", ""}});
  ExpectItems(bar->Item(0), {{"FileQuit", "終了", "Cmd+Q"}});
  ExpectItems(bar->Item(1), {{"EditUndo", "元に戻す", "Cmd+Z"},
                             {"UntitledMenu1", "-", nullptr},
                             {"EditCut", "カット", "Cmd+X"},
                             {"EditCopy", "コピー", "Cmd+C"},
                             {"EditPaste", "貼り付け", "Cmd+V"},
                             {"EditClear", "削除", ""},
                             {"UntitledMenu0", "-", nullptr},
                             {"EditSelectAll", "すべてを選択", "Cmd+A"}});
  EXPECT_TRUE(bar->Item(1)->Item(1)->IsSeparator());
}

// Each item takes Name, AutoEnable, Text, Visible and then KeyboardShortcut: the k-th setter
// raises, and the fault reads the first item as that setter starts. The first item is caught
// through its class's initialiser, restored afterwards. Visible sets the True an item starts with.
TEST_F(MenuBar, EachItemTakesItsPropertiesInOrder) {
  static MenuItem* first = nullptr;
  auto& itemClass = const_cast<framework::ClassRecord&>(MenuItem::Lookup());
  const auto initializer = itemClass.InstanceInitializer();
  itemClass.SetInitializer([](framework::Object& item) {
    if (!first && item.Class().Name() == "MenuItem") first = &framework::Downcast<MenuItem>(item);
  });
  std::vector<std::string> states;
  for (std::uint64_t k = 1; k <= 5; ++k) {
    first = nullptr;
    framework::ScopedFault fault(framework::Operation::MenuItemSet, k, [&states] {
      states.push_back(
          std::string(first->Name().Bytes()) + (first->AutoEnable() ? "|auto|" : "||") +
          std::string(first->Text().Bytes()) + (first->Visible() ? "|visible|" : "||") +
          (first->ShortcutWasSet() ? "shortcut" : ""));
      return framework::NewException<framework::NilObjectException>();
    });
    EXPECT_THROW(framework::RuntimeCheckCast<app::MenuBar1>(
                     framework::RuntimeNewObject(app::MenuBar1::Lookup()).get())
                     ->Constructor(),
                 framework::PendingException);
  }
  itemClass.SetInitializer(initializer);
  EXPECT_EQ(states, (std::vector<std::string>{
                        "|||visible|", "FileMenu|||visible|", "FileMenu|auto||visible|",
                        "FileMenu|auto|ファイル|visible|", "FileMenu|auto|ファイル|visible|"}));
}

class FailedMenuBarBuild
    : public StartedRuntime,
      public ::testing::WithParamInterface<std::pair<framework::Operation, int>> {};

// Wherever the build fails (making an entry, setting a property, appending to a menu), no
// instance remains and the next call builds a whole bar.
TEST_P(FailedMenuBarBuild, LeavesNoInstanceAndTheNextCallBuildsAWholeBar) {
  const auto before = framework::Object::LiveCount();
  {
    framework::ScopedFault fault(GetParam().first, static_cast<std::uint64_t>(GetParam().second));
    EXPECT_THROW(app::MenuBar1::ImplicitInstance(), framework::PendingException);
  }
  EXPECT_EQ(framework::Object::LiveCount(), before);
  Ref<app::MenuBar1> bar = app::MenuBar1::ImplicitInstance();
  ASSERT_EQ(bar->Count(), 2);
  EXPECT_EQ(bar->Item(0)->Count(), 1);
  EXPECT_EQ(bar->Item(1)->Count(), 8);
}

INSTANTIATE_TEST_SUITE_P(
    AtEachKindOfStep, FailedMenuBarBuild,
    ::testing::Values(std::pair{framework::Operation::RuntimeNewObject, 3},  // FileQuit
                      std::pair{framework::Operation::MenuItemSet, 12},      // in the Edit menu
                      std::pair{framework::Operation::Append, 5}));          // the upper separator

class WindowMenus : public OpenWindow {};

// The window's bar is the shared one (above), so an item's name tells which one its accessor found.
TEST_F(WindowMenus, EachAccessorFindsItsOwnItemAtAnyDepthAndOnlyUntitledHasAHandler) {
  using W = app::Window1;
  const std::pair<Ref<MenuItem> (*)(W&), std::string_view> accessors[] = {
      {[](W& w) { return w.EditMenu(); }, "EditMenu"},
      {[](W& w) { return w.EditSelectAll(); }, "EditSelectAll"},
      {[](W& w) { return w.UntitledMenu0(); }, "UntitledMenu0"},
      {[](W& w) { return w.EditClear(); }, "EditClear"},
      {[](W& w) { return w.EditPaste(); }, "EditPaste"},
      {[](W& w) { return w.EditCopy(); }, "EditCopy"},
      {[](W& w) { return w.EditCut(); }, "EditCut"},
      {[](W& w) { return w.UntitledMenu1(); }, "UntitledMenu1"},
      {[](W& w) { return w.EditUndo(); }, "EditUndo"},
      {[](W& w) { return w.FileMenu(); }, "FileMenu"},
      {[](W& w) -> Ref<MenuItem> { return w.FileQuit(); }, "FileQuit"},
  };
  for (const auto& [accessor, name] : accessors) EXPECT_EQ(accessor(*window)->Name().Bytes(), name);
  // Only the untitled handler is registered.
  EXPECT_EQ(window->MenuHandlerNames(), std::vector<std::string>{"Untitled"});
  EXPECT_TRUE(window->Untitled_Action());
  EXPECT_TRUE(window->HandleMenuAction("Untitled"));
  EXPECT_FALSE(window->HandleMenuAction("EditCopy"));
}

}  // namespace
}  // namespace app_test
