#include "framework/ui/MenuItem.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/EditCommand.h"
#include "framework/ui/Process.h"
#include "framework/ui/Window.h"

namespace framework {

namespace {

std::string Lowercase(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

// Modifier names and the toolkit's spelling, in the order the portable text lists them.
constexpr std::array<std::pair<std::string_view, std::string_view>, 8> kModifiers{{
    {"cmd", "Ctrl"},
    {"command", "Ctrl"},
    {"ctrl", "Ctrl"},
    {"control", "Ctrl"},
    {"alt", "Alt"},
    {"option", "Alt"},
    {"opt", "Alt"},
    {"shift", "Shift"},
}};
constexpr std::array<std::string_view, 3> kModifierOrder{"Ctrl", "Alt", "Shift"};

}  // namespace

std::string PortableShortcutText(std::string_view shortcut) {
  if (shortcut.empty()) return {};
  std::string_view key = shortcut;
  std::string_view modifiers;
  if (shortcut == "+") {
    key = shortcut;  // the plus key alone, as "++" reads
  } else if (shortcut.ends_with("++")) {
    key = "+";
    modifiers = shortcut.substr(0, shortcut.size() - 2);
  } else if (std::size_t plus = shortcut.rfind('+'); plus != std::string_view::npos) {
    key = shortcut.substr(plus + 1);
    modifiers = shortcut.substr(0, plus);
  }
  if (key.empty()) {
    Raise<InvalidArgumentException>("keyboard shortcut '" + std::string(shortcut) + "' has no key");
  }
  std::vector<std::string_view> used;
  while (!modifiers.empty()) {
    std::size_t plus = modifiers.find('+');
    std::string name = Lowercase(modifiers.substr(0, plus));
    auto found =
        std::ranges::find(kModifiers, name, &std::pair<std::string_view, std::string_view>::first);
    if (found == kModifiers.end()) {
      Raise<InvalidArgumentException>("keyboard shortcut '" + std::string(shortcut) +
                                      "' has an unknown modifier");
    }
    used.push_back(found->second);
    modifiers = plus == std::string_view::npos ? std::string_view() : modifiers.substr(plus + 1);
  }
  std::string text;
  for (std::string_view modifier : kModifierOrder) {
    if (std::ranges::find(used, modifier) != used.end()) text.append(modifier).append("+");
  }
  if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'z') {
    text += static_cast<char>(key[0] - 'a' + 'A');
  } else {
    text += key;
  }
  return text;
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
  FaultInjection::Check(Operation::MenuItemSet);
  name_ = name;
  NotifyChanged();
}

void MenuItem::Text_Set(std::int32_t, const String& text) {
  FaultInjection::Check(Operation::MenuItemSet);
  text_ = text;
  NotifyChanged();
}

void MenuItem::KeyboardShortcut_Set(std::int32_t, const String& shortcut) {
  FaultInjection::Check(Operation::MenuItemSet);
  portableShortcut_ = PortableShortcutText(shortcut.Bytes());
  shortcut_ = shortcut;
  shortcutSet_ = true;
  NotifyChanged();
}

void MenuItem::AutoEnable_Set(std::int32_t, bool enabled) {
  FaultInjection::Check(Operation::MenuItemSet);
  autoEnable_ = enabled;
  NotifyChanged();
}

void MenuItem::Visible_Set(std::int32_t, bool visible) {
  FaultInjection::Check(Operation::MenuItemSet);
  visible_ = visible;
  NotifyChanged();
}

bool MenuItem::IsSeparator() const noexcept {
  return text_.Bytes() == "-";
}

void MenuItem::Append(MenuItem* item) {
  FaultInjection::Check(Operation::Append);
  if (!item) RaiseNilObjectException();
  if (item->parent_) Raise<InvalidArgumentException>("the menu item is in a menu already");
  for (const MenuItem* ancestor = this; ancestor; ancestor = ancestor->parent_) {
    if (ancestor == item) Raise<InvalidArgumentException>("a menu item cannot contain itself");
  }
  children_.emplace_back(item);
  item->parent_ = this;
  for (MenuItem* ancestor = this; ancestor; ancestor = ancestor->parent_) {
    for (MenuObserver* observer : std::vector(ancestor->observers_)) {
      observer->MenuItemAppended(*this, *item);
    }
  }
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

void MenuItem::Choose() {
  ChooseIn(nullptr);
}

void MenuItem::ChooseIn(Window* window) {
  Ref<MenuItem> self(this);
  Ref<Window> owner(window);
  if (owner && owner->HandleMenuAction(name_.Bytes())) return;
  StandardAction(owner.get());
}

void MenuItem::StandardAction(Window* window) {
  if (std::optional<EditCommand> command = EditCommandForItemName(name_.Bytes())) {
    RequireBackend("an Edit menu item").PerformEditCommand(*command, window);
  }
}

void MenuItem::AddObserver(MenuObserver& observer) {
  observers_.push_back(&observer);
}

void MenuItem::RemoveObserver(MenuObserver& observer) noexcept {
  std::erase(observers_, &observer);
}

void MenuItem::NotifyChanged() {
  for (MenuItem* ancestor = this; ancestor; ancestor = ancestor->parent_) {
    for (MenuObserver* observer : std::vector(ancestor->observers_)) {
      observer->MenuItemChanged(*this);
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

void QuitMenuItem::StandardAction(Window*) {
  QuitApplication();
}

}  // namespace framework
