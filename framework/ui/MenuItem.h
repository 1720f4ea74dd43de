#pragma once

#include <cstdint>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"

namespace framework {

// A menu item and, through its children, a menu. The tree is a model: every window or
// application that installs a bar renders it. "-" as the text makes a separator; a shortcut such
// as "Cmd+Q" binds the platform's command modifier (Ctrl here); an empty shortcut binds nothing.
// The standard Edit items (EditUndo, EditCut, EditCopy, EditPaste, EditClear, EditSelectAll) act
// on the focused text widget and enable themselves when AutoEnable is set.
class MenuItem : public Object {
 public:
  static const ClassRecord& __Lookup();
  explicit MenuItem(const ClassRecord& record);
  ~MenuItem() override;

  // MenuItem.Constructor with no arguments.
  virtual void Constructor();

  // The setters take the item's index argument, always 0, then the value.
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

  // Adds the item after the existing children; the parent owns it from then on.
  void Append(MenuItem* item);
  // The direct child of that name as a new reference, or nil.
  Ref<MenuItem> Child(const String& name) const;
  // The item of that name at any depth below this one, as a new reference, or nil.
  Ref<MenuItem> _Lookup(const String& name) const;
  std::int64_t Count() const noexcept { return static_cast<std::int64_t>(children_.size()); }
  Ref<MenuItem> Item(std::int64_t index) const;

  // Chooses the item as the user would (the quit item ends the application).
  virtual void Choose();

 private:
  String name_;
  String text_;
  String shortcut_;
  bool shortcutSet_ = false;
  bool autoEnable_ = false;
  bool visible_ = true;
  std::vector<Ref<MenuItem>> children_;
};

// The top of a menu tree: its children are the menus.
class MenuBar : public MenuItem {
 public:
  static const ClassRecord& __Lookup();
  explicit MenuBar(const ClassRecord& record);
};

// The item whose action ends the application.
class QuitMenuItem : public MenuItem {
 public:
  static const ClassRecord& __Lookup();
  explicit QuitMenuItem(const ClassRecord& record);
  void Choose() override;
};

}  // namespace framework
