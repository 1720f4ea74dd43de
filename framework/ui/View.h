#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"

namespace framework {

class MenuBar;

// A rectangle in the content area of a window, below its menu bar.
struct ControlRect {
  std::int64_t left = 0;
  std::int64_t top = 0;
  std::int64_t width = 0;
  std::int64_t height = 0;
};

// The rendering of one control, drawn once from the model's properties. The view reports user
// actions back to the model.
class ControlView {
 public:
  virtual ~ControlView() = default;
  virtual void SetGeometry(const ControlRect& rect) = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // The desktop's user-interface font at this size in points (0 its default size).
  virtual void SetFontSize(float points) = 0;
  // Whether the keyboard focus reaches the control, by Tab or click.
  virtual void SetTakesFocus(bool takesFocus) = 0;
};

// A list of rows with one selected row whose entry the user can type in. Programmatic changes
// never report back as user changes.
class ListView : public ControlView {
 public:
  virtual void SetRows(std::span<const String> rows) = 0;
  // Selects a row (-1 none) and shows `text` in the entry.
  virtual void SetSelection(std::int64_t row, const String& text) = 0;
  // Makes `row` the list's current row, where its arrows and drop-down start from, without
  // touching the entry's text or caret: typed text that names a row selects it.
  virtual void ShowCurrentRow(std::int64_t row) = 0;
};

// A read-only, selectable text whose CRs show as line breaks.
class TextView : public ControlView {
 public:
  virtual void SetText(const String& text) = 0;
  virtual void SetColors(Color text, Color back) = 0;
};

// A single-line static text, left-aligned and vertically centred, that cannot be selected.
class LabelView : public ControlView {
 public:
  virtual void SetText(const String& text) = 0;
  virtual void SetTextColor(Color color) = 0;
};

// A push button that paints no background of its own.
class ButtonView : public ControlView {
 public:
  virtual void SetCaption(const String& caption) = 0;
  virtual void SetTextColor(Color color) = 0;
};

// Size limits of a window's content area.
struct SizeLimits {
  std::int64_t minWidth = 0;
  std::int64_t minHeight = 0;
  std::int64_t maxWidth = 32000;
  std::int64_t maxHeight = 32000;
};

// The rendering of a window, drawn once from the model's properties: a resizable top-level
// window with close and minimise buttons, whose content area holds the controls below the
// rendering of its menu bar.
class WindowView {
 public:
  virtual ~WindowView() = default;
  virtual void SetTitle(const String& title) = 0;
  // The background colour; a window without one has the desktop's default.
  virtual void SetBackColor(Color color) = 0;
  // Renders the bar.
  virtual void SetMenuBar(MenuBar& bar) = 0;
  virtual void SetSizeLimits(const SizeLimits& limits) = 0;
  // The size of the content area; set after the menu bar.
  virtual void SetContentSize(std::int64_t width, std::int64_t height) = 0;
  // Keyboard focus visits the controls in this order.
  virtual void SetTabOrder(std::span<ControlView* const> order) = 0;
  virtual void Show() = 0;
};

}  // namespace framework
