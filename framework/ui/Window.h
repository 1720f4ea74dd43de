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
  // event in creation order, then shows the window when it is Visible. The framework holds the
  // window from then on, until it closes. An exception from Layout, CreateControls or
  // AddMenuHandlers passes on to the caller, and the half-built window lets go of everything.
  virtual void Constructor();
  bool IsConstructed() const noexcept { return constructed_; }

  // Creates an unconstructed control of the given class, belonging to this window.
  Ref<Object> NewControl(const ClassRecord& controlClass);
  // Registers a control under a name; the window owns it from then on.
  void AddControl(const String& name, Object* control);
  // The control registered under `name` as a new reference, or nil.
  Ref<Control> ControlByName(const String& name) const;
  // Registers the handler that runs when a menu item of that name is chosen; it returns True
  // when it handled the item. A later registration for the same name replaces the earlier one.
  void AddMenuHandler(const String& itemName, EntryPoint handler);

  // Window.MenuBar.Get / Set (the integer argument is always 0).
  Ref<MenuBar> MenuBar_Get(std::int32_t index) const;
  void MenuBar_Set(std::int32_t index, Ref<MenuBar> bar);

  // Closes the window: it lets go of its controls, their handlers, its menu handlers, its menu
  // bar and its rendering, and the framework lets go of it. Closing the last open window quits.
  void Close();
  bool IsOpen() const noexcept { return open_; }

  // Design-time properties (set through the property list). Width and Height are the size of
  // the content area below the menu bar.
  std::int64_t Width() const noexcept { return width_; }
  std::int64_t Height() const noexcept { return height_; }
  const String& Title() const noexcept { return title_; }
  bool Visible() const noexcept { return visible_; }
  Color BackColor() const noexcept { return backColor_; }
  void SetContentSize(std::int64_t width, std::int64_t height);
  void SetTitle(const String& title);
  void SetVisible(bool visible);

  // For tests and the framework: the registered controls in creation order, and the names
  // that have menu handlers.
  std::vector<Ref<Control>> Controls() const;
  std::vector<std::string> MenuHandlerNames() const;
  // Runs the handler registered for a menu item name; false when there is none or it returned
  // False.
  bool HandleMenuAction(std::string_view itemName);

  // The rendering, from the end of the build events on.
  WindowView* View() const noexcept { return view_.get(); }
  // Keyboard focus visits the controls in TabIndex order.
  void ApplyTabOrder();
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
  // Each shows one part of the rendering, once the window is drawn.
  void ShowSize();
  void ShowButtons();
  void ShowBackColor();
  void ShowMenuBarVisible();

  std::unique_ptr<WindowView> view_;
  std::int64_t width_ = 0;
  std::int64_t height_ = 0;
  std::int64_t minWidth_ = 0;
  std::int64_t minHeight_ = 0;
  std::int64_t maxWidth_ = 32000;
  std::int64_t maxHeight_ = 32000;
  std::int64_t frame_ = 0;
  String title_;
  bool closeButton_ = true;
  bool resizeable_ = true;
  bool maximizeButton_ = true;
  bool minimizeButton_ = true;
  bool fullScreenButton_ = false;
  bool composite_ = false;
  std::int64_t macProcId_ = 0;
  std::int64_t placement_ = 0;
  bool visible_ = true;
  bool liveResize_ = false;
  bool fullScreen_ = false;
  bool menuBarVisible_ = true;
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
