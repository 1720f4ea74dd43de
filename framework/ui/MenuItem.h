#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"

namespace framework {

class MenuItem;
class Window;

// Hears of the changes of a menu tree; a rendering of the tree is one.
class MenuObserver {
 public:
  virtual void MenuItemChanged(MenuItem& item) = 0;
  virtual void MenuItemAppended(MenuItem& parent, MenuItem& child) = 0;

 protected:
  ~MenuObserver() = default;
};

// A menu item and, through its children, a menu. The tree is a model: every window that
// installs a bar renders it. "-" as the text makes a separator; a shortcut such as "Cmd+Q"
// binds the platform's command modifier (Ctrl here); an empty shortcut binds nothing.
// The standard Edit items (EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) act
// on the focused text widget and enable themselves when AutoEnable is set.
class MenuItem : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(MenuItem)
  explicit MenuItem(const ClassRecord& record);
  ~MenuItem() override;

  // MenuItem.Constructor with no arguments.
  virtual void Constructor();

  // The setters take the item's index argument, always 0, then the value. A shortcut whose
  // modifiers are unknown raises InvalidArgumentException.
  void Name_Set(std::int32_t index, const String& name);
  void Text_Set(std::int32_t index, const String& text);
  void KeyboardShortcut_Set(std::int32_t index, const String& shortcut);
  void AutoEnable_Set(std::int32_t index, bool enabled);
  void Visible_Set(std::int32_t index, bool visible);

  const String& Name() const noexcept { return name_; }
  const String& Text() const noexcept { return text_; }
  const String& KeyboardShortcut() const noexcept { return shortcut_; }
  bool ShortcutWasSet() const noexcept { return shortcutSet_; }
  bool AutoEnable() const noexcept { return autoEnable_; }
  bool Visible() const noexcept { return visible_; }
  bool IsSeparator() const noexcept;
  // The shortcut in the toolkit's portable spelling ("Ctrl+Q"); empty when none is bound.
  const std::string& PortableShortcut() const noexcept { return portableShortcut_; }

  // Adds the item after the existing children; the parent owns it from then on. Raises
  // NilObjectException for nil, InvalidArgumentException for an item that is in a menu already
  // or that would contain itself.
  void Append(MenuItem* item);
  // The direct child of that name as a new reference, or nil.
  Ref<MenuItem> Child(const String& name) const;
  // The item of that name at any depth below this one, as a new reference, or nil.
  Ref<MenuItem> LookupItem(const String& name) const;
  std::int64_t Count() const noexcept { return static_cast<std::int64_t>(children_.size()); }
  // The child at that position; OutOfBoundsException outside.
  Ref<MenuItem> Item(std::int64_t index) const;
  MenuItem* Parent() const noexcept { return parent_; }

  // Chooses the item as the user would, outside any window: its standard action (the quit item
  // ends the application; an Edit item acts on the focused text widget).
  virtual void Choose();
  // Chooses the item in a window: the window's menu handler for the item's name runs first;
  // when there is none or it returns False, the standard action follows.
  void ChooseIn(Window* window);

  // Observers registered at an item hear of changes anywhere in the tree below it.
  void AddObserver(MenuObserver& observer);
  void RemoveObserver(MenuObserver& observer) noexcept;

 protected:
  virtual void StandardAction(Window* window);

 private:
  void NotifyChanged();

  String name_;
  String text_;
  String shortcut_;
  std::string portableShortcut_;
  bool shortcutSet_ = false;
  bool autoEnable_ = false;
  bool visible_ = true;
  MenuItem* parent_ = nullptr;  // the parent owns this item while it is set
  std::vector<Ref<MenuItem>> children_;
  std::vector<MenuObserver*> observers_;
};

// The top of a menu tree: its children are the menus.
class MenuBar : public MenuItem {
 public:
  FRAMEWORK_CLASS_RECORD(MenuBar)
  explicit MenuBar(const ClassRecord& record);
};

// The item whose action ends the application.
class QuitMenuItem : public MenuItem {
 public:
  FRAMEWORK_CLASS_RECORD(QuitMenuItem)
  explicit QuitMenuItem(const ClassRecord& record);

 protected:
  void StandardAction(Window* window) override;
};

// "Cmd+Q" in the toolkit's portable spelling ("Ctrl+Q"): Cmd and Command bind the platform's
// command modifier, Ctrl and Control too, Option and Alt the Alt key, Shift itself. Empty for an
// empty text; InvalidArgumentException for an unknown modifier or a missing key.
std::string PortableShortcutText(std::string_view shortcut);

}  // namespace framework
