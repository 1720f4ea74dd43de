#include "framework/ui/MenuItem.h"

#include <algorithm>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/EditCommand.h"
#include "framework/ui/Process.h"
#include "framework/ui/Window.h"

namespace framework {

// The only shortcuts a menu takes: the command modifier and a capital letter, or none.
std::string PortableShortcutText(std::string_view shortcut) {
  if (shortcut.empty()) return {};
  constexpr std::string_view kCommand = "Cmd+";
  if (shortcut.size() != kCommand.size() + 1 || !shortcut.starts_with(kCommand) ||
      shortcut.back() < 'A' || shortcut.back() > 'Z') {
    Raise<InvalidArgumentException>("keyboard shortcut '" + std::string(shortcut) +
                                    "' is not Cmd+ and a capital letter");
  }
  return "Ctrl+" + std::string(1, shortcut.back());
}

// --- MenuItem --------------------------------------------------------------------------------

std::unique_ptr<ClassRecord> MenuItem::BuildClassRecord() {
  auto record = NewClassRecord<MenuItem>(nullptr, "MenuItem");
  AddSlots(*record, {{"Append", "%%o<MenuItem>", &MenuItem::Append},
                     {"Child", "%o<MenuItem>%s", &MenuItem::Child},
                     {"Clone", "%o<MenuItem>%"},
                     {"Close", "%%"},
                     {"Constructor", "%%", &MenuItem::Constructor},
                     {"Constructor", "%%o<MenuItem>"},
                     {"Constructor", "%%sv"},
                     {"Count", "%i8%", &MenuItem::Count},
                     {"Enable", "%%"},
                     {"Handle", "%i8%i8"},
                     {"Insert", "%%i8o<MenuItem>"},
                     {"Item", "%o<MenuItem>%i8", &MenuItem::Item},
                     {"MenuItem", "%%"},
                     {"MenuItem", "%%sv"},
                     {"PopUp", "%o<MenuItem>%"},
                     {"PopUp", "%o<MenuItem>%i8i8"},
                     {"Remove", "%%i8"},
                     {"Remove", "%%o<MenuItem>"},
                     {"Remove", "%%s"},
                     {"_DependencyList", "%o<Object>%"},
                     {"_DisableEntirely", "%%"},
                     {"_Lookup", "%o<MenuItem>%s", &MenuItem::LookupItem},
                     {"_Lookup", "%o<MenuItem>%si8"},
                     {"_SelfEnable", "%%"},
                     {"_Swap", "%%so<MenuItem>"},
                     {"_InstallClone", "%%o<MenuItem>"}});
  DeclareEvents(*record, {"Action", "EnableMenu"});
  // The setters take the item's index argument, always 0, before the value.
  using M = MenuItem;
  BindProperties<M>(*record)
      .Add("Name", &M::Name, [](M& m, const String& name) { m.Name_Set(0, name); })
      .Add("Text", &M::Text, [](M& m, const String& text) { m.Text_Set(0, text); })
      .Add("KeyboardShortcut", &M::KeyboardShortcut,
           [](M& m, const String& shortcut) { m.KeyboardShortcut_Set(0, shortcut); })
      .Add("AutoEnable", &M::AutoEnable, [](M& m, bool enabled) { m.AutoEnable_Set(0, enabled); })
      .Add("Visible", &M::Visible, [](M& m, bool visible) { m.Visible_Set(0, visible); });
  return record;
}

MenuItem::MenuItem(const ClassRecord& record) : Object(record) {}

MenuItem::~MenuItem() {
  for (const Ref<MenuItem>& child : children_) child->parent_ = nullptr;
}

void MenuItem::Constructor() {}

void MenuItem::Name_Set(std::int32_t, const String& name) {
  CheckSettable();
  name_ = name;
}

void MenuItem::Text_Set(std::int32_t, const String& text) {
  CheckSettable();
  text_ = text;
}

void MenuItem::KeyboardShortcut_Set(std::int32_t, const String& shortcut) {
  CheckSettable();
  portableShortcut_ = PortableShortcutText(shortcut.Bytes());
  shortcut_ = shortcut;
  shortcutSet_ = true;
}

void MenuItem::AutoEnable_Set(std::int32_t, bool enabled) {
  CheckSettable();
  autoEnable_ = enabled;
}

void MenuItem::Visible_Set(std::int32_t, bool visible) {
  CheckSettable();
  visible_ = visible;
}

bool MenuItem::IsSeparator() const noexcept {
  return text_.Bytes() == "-";
}

void MenuItem::Append(MenuItem* item) {
  FaultInjection::Check(Operation::Append);
  if (!item) RaiseNilObjectException();
  CheckNotShown("appended to");
  item->CheckNotShown("appended");
  if (item->parent_) Raise<InvalidArgumentException>("the menu item is in a menu already");
  for (const MenuItem* ancestor = this; ancestor; ancestor = ancestor->parent_) {
    if (ancestor == item) Raise<InvalidArgumentException>("a menu item cannot contain itself");
  }
  children_.emplace_back(item);
  item->parent_ = this;
}

Ref<MenuItem> MenuItem::Child(const String& name) const {
  auto found =
      std::ranges::find_if(children_, [&name](const Ref<MenuItem>& c) { return c->name_ == name; });
  return found == children_.end() ? nullptr : *found;
}

Ref<MenuItem> MenuItem::LookupItem(const String& name) const {
  for (const Ref<MenuItem>& child : children_) {
    if (child->name_ == name) return child;
    if (Ref<MenuItem> below = child->LookupItem(name)) return below;
  }
  return nullptr;
}

Ref<MenuItem> MenuItem::Item(std::int64_t index) const {
  if (index < 0 || index >= Count()) {
    Raise<OutOfBoundsException>("menu item " + std::to_string(index) + " of " +
                                std::to_string(Count()));
  }
  return children_[static_cast<std::size_t>(index)];
}

void MenuItem::ChooseIn(Window& window) {
  Ref<MenuItem> self(this);
  Ref<Window> owner(&window);
  if (owner->HandleMenuAction(name_.Bytes())) return;
  StandardAction(*owner);
}

void MenuItem::StandardAction(Window& window) {
  if (std::optional<EditCommand> command = EditCommandForItemName(name_.Bytes())) {
    RequireBackend("an Edit menu item").PerformEditCommand(*command, window);
  }
}

void MenuItem::CheckSettable() const {
  FaultInjection::Check(Operation::MenuItemSet);
  CheckNotShown("changed");
}

void MenuItem::CheckNotShown(const char* change) const {
  for (const MenuItem* item = this; item; item = item->parent_) {
    if (item->renderings_ > 0) {
      Raise<UnsupportedOperationException>("menu item '" + std::string(name_.Bytes()) +
                                           "' cannot be " + change + " while a window shows it");
    }
  }
}

// --- MenuBar, QuitMenuItem -------------------------------------------------------------------

std::unique_ptr<ClassRecord> MenuBar::BuildClassRecord() {
  auto record = NewClassRecord<MenuBar>(&MenuItem::Lookup(), "MenuBar");
  OverrideSlots(*record, {{"_DependencyList", "%o<Object>%"}, {"_InstallClone", "%%o<MenuItem>"}});
  return record;
}

MenuBar::MenuBar(const ClassRecord& record) : MenuItem(record) {}

std::unique_ptr<ClassRecord> QuitMenuItem::BuildClassRecord() {
  return NewClassRecord<QuitMenuItem>(&MenuItem::Lookup(), "QuitMenuItem");
}

QuitMenuItem::QuitMenuItem(const ClassRecord& record) : MenuItem(record) {}

void QuitMenuItem::StandardAction(Window&) {
  QuitApplication();
}

}  // namespace framework
