#include "app/MenuBar1.h"

#include <optional>
#include <span>

#include "framework/runtime/CallGuard.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/ClassBuilding.h"

namespace app {

using framework::ClassRecord;
using framework::MenuItem;
using framework::Object;
using framework::Ref;
using framework::RuntimeStackCheck;

namespace {

// One row of the menu tree. A menu has the bar as its parent (an empty parent name); an item
// names its menu. Separators get no shortcut at all.
struct Entry {
  std::string_view name;
  bool quitItem;
  std::string_view parent;
  std::string_view text;
  std::optional<std::string_view> shortcut;
};

constexpr Entry kFileMenu[] = {
    {"FileMenu", false, "", "ファイル", ""},
    {"FileQuit", true, "FileMenu", "終了", "Cmd+Q"},
};

constexpr Entry kEditMenu[] = {
    {"EditMenu", false, "", "編集", ""},
    {"EditUndo", false, "EditMenu", "元に戻す", "Cmd+Z"},
    {"UntitledMenu1", false, "EditMenu", "-", std::nullopt},
    {"EditCut", false, "EditMenu", "カット", "Cmd+X"},
    {"EditCopy", false, "EditMenu", "コピー", "Cmd+C"},
    {"EditPaste", false, "EditMenu", "貼り付け", "Cmd+V"},
    {"EditClear", false, "EditMenu", "削除", ""},
    {"UntitledMenu0", false, "EditMenu", "-", std::nullopt},
    {"EditSelectAll", false, "EditMenu", "すべてを選択", "Cmd+A"},
};

// Creates one entry, sets its properties in order, and appends it to the bar or to its menu.
void BuildEntry(MenuBar1& bar, const Entry& entry) {
  const ClassRecord& itemClass =
      entry.quitItem ? framework::QuitMenuItem::Lookup() : MenuItem::Lookup();
  Ref<MenuItem> item =
      framework::RuntimeCheckCast<MenuItem>(framework::RuntimeNewObject(itemClass).get());
  if (!item) framework::RaiseNilObjectException();
  item->Constructor();
  item->Name_Set(0, entry.name);
  item->AutoEnable_Set(0, true);
  item->Text_Set(0, entry.text);
  item->Visible_Set(0, true);
  if (entry.shortcut) item->KeyboardShortcut_Set(0, *entry.shortcut);
  if (entry.parent.empty()) {
    bar.Append(item.get());
    return;
  }
  Ref<MenuItem> menu = bar.Child(entry.parent);
  if (!menu) framework::RaiseNilObjectException();
  menu->Append(item.get());
}

// MenuBar1._implicitInstance: nil until first use, then the shared bar for the life of the
// process.
Ref<MenuBar1>& SharedInstance() {
  static Ref<MenuBar1> instance;
  return instance;
}

}  // namespace

std::unique_ptr<ClassRecord> MenuBar1::BuildClassRecord() {
  RuntimeStackCheck();
  auto record =
      framework::NewClassRecord<MenuBar1>(&framework::MenuBar::Lookup(), std::string(kClassName));
  framework::AddSlots(*record, {{"Untitled0", "%%", &MenuBar1::Untitled0},
                                {"Untitled1", "%%", &MenuBar1::Untitled1}});
  framework::OverrideSlots(*record, {{"Constructor", "%%", &MenuBar1::Constructor}});
  return record;
}

MenuBar1::MenuBar1(const ClassRecord& record) : framework::MenuBar(record) {}

void MenuBar1::ImplicitInstanceInit() {}

Ref<MenuBar1> MenuBar1::ImplicitInstance() {
  RuntimeStackCheck();
  if (!SharedInstance()) {
    Ref<Object> created = framework::RuntimeNewObject(Lookup());
    Ref<MenuBar1> bar = framework::RuntimeCheckCast<MenuBar1>(created.get());
    bar->Constructor();
    SharedInstance() = bar;
  }
  return SharedInstance();
}

void MenuBar1::Constructor() {
  framework::CallGuard guard{this};
  Untitled0();
  Untitled1();
}

void MenuBar1::Untitled0() {
  framework::CallGuard guard{this};
  for (const Entry& entry : kFileMenu) BuildEntry(*this, entry);
}

void MenuBar1::Untitled1() {
  framework::CallGuard guard{this};
  for (const Entry& entry : kEditMenu) BuildEntry(*this, entry);
}

}  // namespace app
