#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"

namespace framework {

class MenuBar;

// What a control's font is: the family ("" is the desktop's user-interface font), the size in
// points (0 the default size) and the style.
struct FontSpec {
  std::string family;
  float pointSize = 0.0F;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// A rectangle in the content area of a window, below its menu bar.
struct ControlRect {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// How a control takes keyboard focus.
enum class FocusKind : std::uint8_t { None, Click, Tab };

// The rendering of one control. The model (the Control objects) owns its view and pushes every
// change to it; the view reports user actions back to the model.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void SetGeometry(const ControlRect& rect) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual void SetFont(const FontSpec& font) = 0;
  virtual void SetHelpTag(const String& text) = 0;
  virtual void SetFocusKind(FocusKind kind) = 0;
};

// A list of rows with one selected row, editable or not. Programmatic changes never report back
// as user changes.
class ListView : public ControlView {
 public:
  virtual void SetRows(std::span<const String> rows) = 0;
  // Selects a row (-1 none) and shows `text` in the entry.
  virtual void SetSelection(std::int64_t row, const String& text) = 0;
  // Makes `row` the list's current row, where its arrows and drop-down start from, without
  // touching the entry's text or caret: typed text that names a row selects it.
  virtual void ShowCurrentRow(std::int64_t row) = 0;
  virtual void SetAutoComplete(bool enabled) = 0;
};

// A multi-line text whose CRs show as line breaks.
class TextView : public ControlView {
 public:
  virtual void SetText(const String& text) = 0;
  virtual void SetReadOnly(bool readOnly) = 0;
  virtual void SetColors(Color text, Color back) = 0;
  virtual void SetBorder(bool border) = 0;
  virtual void SetAlignment(std::int64_t alignment) = 0;
};

class LabelView : public ControlView {
 public:
  virtual void SetText(const String& text, bool multiLine) = 0;
  virtual void SetTextColor(Color color) = 0;
  virtual void SetAlignment(std::int64_t alignment) = 0;
  virtual void SetSelectable(bool selectable) = 0;
};

class ButtonView : public ControlView {
 public:
  virtual void SetCaption(const String& caption) = 0;
  // Colours; the background only when `hasBackColor`.
  virtual void SetColors(Color text, bool hasBackColor, Color back) = 0;
};

// Title-bar buttons of a window.
struct WindowButtons {
  bool close = true;
  bool minimize = true;
  bool maximize = true;
};

// Size limits of a window's content area.
struct SizeLimits {
  std::int64_t minWidth = 0;
  std::int64_t minHeight = 0;
  std::int64_t maxWidth = 32000;
  std::int64_t maxHeight = 32000;
};

// The rendering of a window: a top-level window whose content area holds the controls, below
// the rendering of its menu bar.
class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual void SetTitle(const String& title) = 0;
  virtual void SetContentSize(std::int64_t width, std::int64_t height) = 0;
  virtual void SetSizeLimits(const SizeLimits& limits, bool resizable) = 0;
  virtual void SetButtons(const WindowButtons& buttons) = 0;
  // The background colour, or none for the desktop's default.
  virtual void SetBackColor(bool hasBackColor, Color color) = 0;
  // Renders the bar (nil removes the menu bar).
  virtual void SetMenuBar(MenuBar* bar) = 0;
  virtual void SetMenuBarVisible(bool visible) = 0;
  // Keyboard focus visits the controls in this order.
  virtual void SetTabOrder(std::span<ControlView* const> order) = 0;
  virtual void Show() = 0;
  virtual void Hide() = 0;
};

}  // namespace framework
