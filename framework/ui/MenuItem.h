#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"

namespace framework {

class Window;

// A menu item and, through its children, a menu. The tree is a model: every window that
// installs a bar renders it as it stands, and from then on the tree is fixed: a change to it
// raises UnsupportedOperationException until no window shows it any more. "-" as the text makes
// a separator; a shortcut "Cmd+" and a letter binds the platform's command modifier (Ctrl
// here); an empty shortcut binds nothing.
// The standard Edit items (EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) act
// on the focused text widget and enable themselves when AutoEnable is set.
class MenuItem : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(MenuItem)
  explicit MenuItem(const ClassRecord& record);
  ~MenuItem() override;

  // MenuItem.Constructor with no arguments.
  virtual void Constructor();

  // The setters take the item's index argument, always 0, then the value. Any other shortcut
  // than "Cmd+" and a capital letter, or none, raises InvalidArgumentException.
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

  // Chooses the item in a window as the user does: the window's menu handler for the item's
  // name runs first; when there is none or it returns False, the standard action follows (the
  // quit item ends the application; an Edit item acts on the window's focused text widget).
  void ChooseIn(Window& window);

  // A rendering of the tree from this item down holds it fixed while it shows it.
  void BeginShowing() noexcept { ++renderings_; }
  void EndShowing() noexcept { --renderings_; }

 protected:
  virtual void StandardAction(Window& window);

 private:
  // Raises UnsupportedOperationException while a rendering shows the tree that holds the item.
  void CheckNotShown(const char* change) const;
  void CheckSettable() const;

  String name_;

  String text_;
  String shortcut_;
  std::string portableShortcut_;
  bool shortcutSet_ = false;
  bool autoEnable_ = false;
  bool visible_ = true;
  MenuItem* parent_ = nullptr;  // the parent owns this item while it is set
  std::vector<Ref<MenuItem>> children_;
  std::int32_t renderings_ = 0;  // of the tree from this item down
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
  void StandardAction(Window& window) override;
};

// "Cmd+Q" in the toolkit's portable spelling ("Ctrl+Q"); empty for an empty text;
// InvalidArgumentException for anything else.
std::string PortableShortcutText(std::string_view shortcut);

}  // namespace framework
