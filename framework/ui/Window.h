#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"

namespace framework {

class Control;
class MenuBar;
class WindowView;  // the Qt side; only the framework's sources know it

// A top-level window. A program subclasses it, implements the events Layout, CreateControls and
// AddMenuHandlers in its class record, and creates its controls from CreateControls.
class Window : public Object {
 public:
  static const ClassRecord& __Lookup();
  explicit Window(const ClassRecord& record);
  ~Window() override;

  // Window.Constructor: builds the window. Raises Layout, CreateControls and AddMenuHandlers
  // (AddMenuHandlers with the window itself as its argument), then each control's Open event in
  // creation order, then shows the window when it is Visible. The framework holds the window
  // from then on, until it closes.
  virtual void Constructor();

  // Creates an unconstructed control of the given class, belonging to this window.
  Ref<Object> __New(const ClassRecord& controlClass);
  // Registers a control under a name; the window owns it from then on.
  void _AddControl(const String& name, Object* control);
  // The control registered under `name` as a new reference, or nil.
  Ref<Control> _ControlByName(const String& name) const;
  // Registers the handler that runs when a menu item of that name is chosen.
  void _AddMenuHandler(const String& itemName, EntryPoint handler);

  // Window.MenuBar.Get / Set (the integer argument is always 0).
  Ref<MenuBar> MenuBar_Get(std::int32_t index) const;
  void MenuBar_Set(std::int32_t index, Ref<MenuBar> bar);

  // Closes the window: the framework lets go of it, and closing the last window quits.
  void Close();
  bool IsOpen() const noexcept;

  // Design-time properties (set through the property list).
  std::int64_t Width() const noexcept { return width_; }
  std::int64_t Height() const noexcept { return height_; }
  const String& Title() const noexcept { return title_; }
  bool Visible() const noexcept { return visible_; }
  Color BackColor() const noexcept { return backColor_; }

  // For tests and the framework: the registered controls in registration order, and the names
  // that have menu handlers.
  std::vector<Ref<Control>> Controls() const;
  std::vector<std::string> MenuHandlerNames() const;
  // Runs the handler registered for a menu item name; false when there is none.
  bool HandleMenuAction(std::string_view itemName);

  WindowView* View() const noexcept { return view_.get(); }

 private:
  std::unique_ptr<WindowView> view_;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  String title_;
  bool visible_ = false;
  Color backColor_;
  // further design-time properties live in the implementation
};

// The open window of the given class name as a new reference, or nil.
Ref<Window> _GetImplicitWindow(const String& className);

// Every open window, in the order they were opened.
std::vector<Ref<Window>> OpenWindows();

}  // namespace framework
