#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"
#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"

namespace framework {

class Control;
class RectControl;
class MenuBar;
class UiBackend;
class WindowView;  // the toolkit's rendering; only the framework's sources know it

// A top-level window. A program subclasses it, implements the events Layout, CreateControls and
// AddMenuHandlers in its class record, and creates its controls from CreateControls.
class Window : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Window)
  explicit Window(const ClassRecord& record);
  ~Window() override;

  // Window.Constructor: builds the window. Raises Layout, CreateControls and AddMenuHandlers
  // (AddMenuHandlers with the window itself as its argument); then draws the window and its
  // controls whole, from what the build events made of them; then raises each control's Open
  // event in creation order, then shows the window. The framework holds the window from then
  // on, until it closes. An exception from Layout, CreateControls or AddMenuHandlers passes on to
  // the caller, and the half-built window lets go of everything.
  virtual void Constructor();
  // Drawn at the end of the build events; from then on its properties and its menu bar do not
  // change, and it takes no new controls.
  bool IsDrawn() const noexcept { return view_ != nullptr; }

  // Creates an unconstructed control of the given class, belonging to this window. Controls are
  // made and registered while the build events run.
  Ref<Object> NewControl(const ClassRecord& controlClass);
  // Registers a control that NewControl made under a name; the window owns it from then on.
  void AddControl(const String& name, Object* control);
  // The control registered under `name` as a new reference, or nil.
  Ref<Control> ControlByName(const String& name) const;
  // Registers the handler that runs when a menu item of that name is chosen; it returns True
  // when it handled the item. A name takes one handler.
  void AddMenuHandler(const String& itemName, EntryPoint handler);

  // Window.MenuBar.Get / Set (the integer argument is always 0); the bar is set while the window
  // is built.
  Ref<MenuBar> MenuBar_Get(std::int32_t index) const;
  void MenuBar_Set(std::int32_t index, Ref<MenuBar> bar);

  // Closes the window: it lets go of its controls, their handlers, its menu handlers, its menu
  // bar and its rendering, and the framework lets go of it. Closing the last open window quits.
  // A window closes once it is open: its build events cannot close it.
  void Close();
  bool IsOpen() const noexcept { return open_; }

  // Design-time properties (set through the property list). Width and Height are the size of
  // the content area below the menu bar. Visible True is the only value a window takes.
  std::int64_t Width() const noexcept { return width_; }
  std::int64_t Height() const noexcept { return height_; }
  const String& Title() const noexcept { return title_; }
  bool Visible() const noexcept { return true; }
  Color BackColor() const noexcept { return backColor_; }

  // For tests and the framework: the registered controls in creation order, and the names
  // that have menu handlers.
  std::vector<Ref<Control>> Controls() const;
  std::vector<std::string> MenuHandlerNames() const;
  // Runs the handler registered for a menu item name; false when there is none or it returned
  // False.
  bool HandleMenuAction(std::string_view itemName);

  // The rendering, from the end of the build events on.
  WindowView* View() const noexcept { return view_.get(); }
  // Called by the view when the user closed the window.
  void UserClosed();

 private:
  struct OwnedControl {
    Ref<Control> control;
    String name;
    bool registered = false;
    RectControl* rect = nullptr;  // the control as a RectControl, if it is one
  };
  struct MenuHandler {
    std::string itemName;
    EntryPoint handler;
  };

  void RaiseBuildEvents();
  void RaiseBuildEvent(std::string_view event, Object* argument);
  void Draw(UiBackend& backend);
  bool DeliverOpenEvents();
  void ReleaseContents() noexcept;
  void CheckNotClosed(const char* operation) const;
  void RequireBuilding(const char* operation) const;
  // Keyboard focus visits the controls in TabIndex order.
  void ApplyTabOrder();

  std::unique_ptr<WindowView> view_;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  std::int64_t minWidth_ = 0;
  std::int64_t minHeight_ = 0;
  std::int64_t maxWidth_ = 32000;
  std::int64_t maxHeight_ = 32000;
  String title_;
  bool hasBackColor_ = false;
  Color backColor_;
  bool constructed_ = false;
  bool open_ = false;
  bool closed_ = false;
  std::vector<OwnedControl> controls_;
  std::vector<MenuHandler> menuHandlers_;
  Ref<MenuBar> menuBar_;
};

// The open window of the given class name as a new reference, or nil.
Ref<Window> GetImplicitWindow(const String& className);

// Every open window, in the order they were opened.
std::vector<Ref<Window>> OpenWindows();

// Closes every open window (the finalisers).
void CloseAllWindows();

}  // namespace framework
