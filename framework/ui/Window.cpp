#include "framework/ui/Window.h"

#include <algorithm>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Control.h"
#include "framework/ui/Events.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Process.h"
#include "framework/ui/View.h"

namespace framework {

namespace {

// The framework holds every open window.
std::vector<Ref<Window>>& OpenWindowList() {
  static std::vector<Ref<Window>> windows;
  return windows;
}

void AddWindowSlots(ClassRecord& record) {
  AddSlots(record, {{"AcceptFileDrop", "%%s"},
                    {"AcceptMacDataDrop", "%%s"},
                    {"AcceptPictureDrop", "%%"},
                    {"AcceptRawDataDrop", "%%s"},
                    {"AcceptTextDrop", "%%"},
                    {"BitmapForCaching", "%o<Picture>%i8i8"},
                    {"Close", "%%", &Window::Close},
                    {"Constructor", "%%", &Window::Constructor},
                    {"Control", "%o<Control>%i8"},
                    {"DrawInto", "%%o<Graphics>i8i8"},
                    {"FocusNext", "%%"},
                    {"FocusPrevious", "%%"},
                    {"Hide", "%%"},
                    {"Invalidate", "%%b"},
                    {"Invalidate", "%%i8i8i8i8b"},
                    {"Maximize", "%%"},
                    {"Minimize", "%%"},
                    {"Operator_Convert", "%p%"},
                    {"Refresh", "%%b"},
                    {"RefreshRect", "%%i8i8i8i8b"},
                    {"Restore", "%%"},
                    {"SetFocus", "%%"},
                    {"Show", "%%"},
                    {"ShowModal", "%%"},
                    {"ShowModalWithin", "%%o<Window>"},
                    {"ShowWithin", "%%o<Window>b"},
                    {"TrueWindow", "%o<Window>%"},
                    {"UpdateNow", "%%"},
                    {"Window", "%o<Window>%"},
                    {"_AddControl", "%%so<Control>", &Window::AddControl},
                    {"_AddMenuHandler", "%%sp", &Window::AddMenuHandler},
                    {"_ControlByName", "%o<Control>%s", &Window::ControlByName},
                    {"_ControlByNameIndex", "%o<Control>%si8"},
                    {"_DependencyList", "%o<Object>%"},
                    {"_Move", "%%i8i8"},
                    {"__New", "%o<Object>%p", &Window::NewControl}});
}

}  // namespace

std::unique_ptr<ClassRecord> Window::BuildClassRecord() {
  auto record = NewClassRecord<Window>(nullptr, "Window");
  AddWindowSlots(*record);
  DeclareEvents(*record, {"Activate",
                          "CancelClose",
                          "Close",
                          "ConstructContextualMenu",
                          "ContextualMenuAction",
                          "Deactivate",
                          "DragEnter",
                          "DragExit",
                          "DragOver",
                          "DropObject",
                          "EnableMenuItems",
                          "KeyDown",
                          "KeyUp",
                          "Maximize",
                          "Minimize",
                          "MouseDown",
                          "MouseDrag",
                          "MouseEnter",
                          "MouseExit",
                          "MouseMove",
                          "MouseUp",
                          "MouseWheel",
                          "Moved",
                          "Open",
                          "Paint",
                          "Resized",
                          "Resizing",
                          "Restore",
                          "Layout",
                          "CreateControls",
                          "AddMenuHandlers"});
  using W = Window;
  // A document window placed by the desktop that the user can resize, with close and minimise
  // buttons, shown once it is built.
  BindProperties<W>(*record)
      .Add("Width", &W::width_)
      .Add("Height", &W::height_)
      .Add("MinWidth", &W::minWidth_)
      .Add("MinHeight", &W::minHeight_)
      .Add("MaxWidth", &W::maxWidth_)
      .Add("MaxHeight", &W::maxHeight_)
      .Fixed("Frame", 0)
      .Add("Title", &W::title_)
      .Fixed("CloseButton", true)
      .Fixed("Resizeable", true)
      .Fixed("MaximizeButton", false)
      .Fixed("MinimizeButton", true)
      .Fixed("FullScreenButton", false)
      .Fixed("Composite", false)
      .Fixed("MacProcId", 0)
      .Fixed("Placement", 0)
      .Fixed("Visible", true)
      .Fixed("LiveResize", true)
      .Fixed("FullScreen", false)
      .Fixed("MenuBarVisible", true)
      .Add("HasBackColor", &W::hasBackColor_)
      .Add("BackColor", &W::backColor_)
      .Add(
          "MenuBar", [](const W& w) { return w.MenuBar_Get(0); },
          [](W& w, Ref<MenuBar> bar) { w.MenuBar_Set(0, std::move(bar)); });
  return record;
}

Window::Window(const ClassRecord& record) : Object(record) {}

Window::~Window() {
  ReleaseContents();
}

void Window::Constructor() {
  if (constructed_) Raise<InvalidArgumentException>(Class().Name() + " is constructed already");
  UiBackend& backend = RequireBackend("Window.Constructor");
  Ref<Window> self(this);
  constructed_ = true;
  try {
    RaiseBuildEvents();
    Draw(backend);
  } catch (...) {
    closed_ = true;
    ReleaseContents();
    throw;
  }
  open_ = true;
  OpenWindowList().push_back(self);
  if (DeliverOpenEvents() && view_) view_->Show();
}

void Window::RaiseBuildEvents() {
  RaiseBuildEvent("Layout", nullptr);
  RaiseBuildEvent("CreateControls", nullptr);
  RaiseBuildEvent("AddMenuHandlers", this);
}

void Window::RaiseBuildEvent(std::string_view event, Object* argument) {
  if (EventImplementationFunction implementation = Class().FindEventImplementation(event)) {
    implementation(*this, argument);
  }
}

// The window and every control that the build events made, each drawn whole, once, with what
// the build events set; the frame first, since the controls take their colours from it.
void Window::Draw(UiBackend& backend) {
  view_ = backend.CreateWindowView(*this);
  view_->SetTitle(title_);
  if (hasBackColor_) view_->SetBackColor(backColor_);
  if (menuBar_) view_->SetMenuBar(*menuBar_);
  view_->SetSizeLimits(SizeLimits{minWidth_, minHeight_, maxWidth_, maxHeight_});
  view_->SetContentSize(width_, height_);
  for (const OwnedControl& owned : controls_) {
    if (owned.registered && owned.rect) owned.rect->Draw(backend, *view_);
  }
  ApplyTabOrder();
}

// Each registered control's Open, in creation order. An exception from an Open handler goes to
// UnhandledException, which ends the application; the remaining Open events are not raised
// then, and the window is not shown, since the application is on its way out. The window stays
// complete and open until the finalisers close it.
bool Window::DeliverOpenEvents() {
  for (const Ref<Control>& control : Controls()) {
    if (!CallWithExceptionHandling([&] { control->RaiseEvent(kOpenEvent); })) return false;
  }
  return true;
}

Ref<Object> Window::NewControl(const ClassRecord& controlClass) {
  RequireBuilding("Window.__New");
  if (!controlClass.IsSubclassOf(Control::Lookup())) {
    Raise<InvalidArgumentException>(controlClass.Name() + " is no control class");
  }
  Ref<Object> object = RuntimeNewObject(controlClass);
  auto& control = Downcast<Control>(*object);
  controls_.push_back(
      OwnedControl{Ref<Control>(&control), String(), false, dynamic_cast<RectControl*>(&control)});
  return object;
}

void Window::AddControl(const String& name, Object* control) {
  RequireBuilding("Window._AddControl");
  auto owned = std::ranges::find_if(
      controls_, [control](const OwnedControl& entry) { return entry.control.get() == control; });
  if (owned == controls_.end()) {
    Raise<InvalidArgumentException>("control " + std::string(name.Bytes()) +
                                    " was not made by this window's __New");
  }
  if (owned->registered) Raise<InvalidArgumentException>("the control is registered already");
  if (ControlByName(name)) {
    Raise<InvalidArgumentException>("the window has a control named " + std::string(name.Bytes()) +
                                    " already");
  }
  owned->name = name;
  owned->registered = true;
  owned->control->SetName(name);
}

Ref<Control> Window::ControlByName(const String& name) const {
  for (const OwnedControl& owned : controls_) {
    if (owned.registered && owned.name == name) return owned.control;
  }
  return nullptr;
}

void Window::AddMenuHandler(const String& itemName, EntryPoint handler) {
  CheckNotClosed("Window._AddMenuHandler");
  if (!handler) RaiseNilObjectException();
  std::string name(itemName.Bytes());
  if (std::ranges::find(menuHandlers_, name, &MenuHandler::itemName) != menuHandlers_.end()) {
    Raise<InvalidArgumentException>("the window has a menu handler for " + name + " already");
  }
  menuHandlers_.push_back(MenuHandler{std::move(name), std::move(handler)});
}

bool Window::HandleMenuAction(std::string_view itemName) {
  auto found = std::ranges::find(menuHandlers_, itemName, &MenuHandler::itemName);
  if (found == menuHandlers_.end()) return false;
  Ref<Window> self(this);
  EntryPoint handler = found->handler;  // the handler may close the window
  std::any result = handler();
  const bool* handled = std::any_cast<bool>(&result);
  return handled && *handled;
}

std::vector<std::string> Window::MenuHandlerNames() const {
  std::vector<std::string> names;
  for (const MenuHandler& entry : menuHandlers_) names.push_back(entry.itemName);
  return names;
}

std::vector<Ref<Control>> Window::Controls() const {
  std::vector<Ref<Control>> registered;
  for (const OwnedControl& owned : controls_) {
    if (owned.registered) registered.push_back(owned.control);
  }
  return registered;
}

Ref<MenuBar> Window::MenuBar_Get(std::int32_t) const {
  return menuBar_;
}

void Window::MenuBar_Set(std::int32_t, Ref<MenuBar> bar) {
  RequireBuilding("Window.MenuBar.Set");
  menuBar_ = std::move(bar);
}

void Window::Close() {
  if (!open_ && !closed_) {
    Raise<UnsupportedOperationException>("Window.Close before the window is open");
  }
  Ref<Window> self(this);
  bool wasOpen = open_;
  open_ = false;
  closed_ = true;
  ReleaseContents();
  auto& windows = OpenWindowList();
  std::erase(windows, self);
  if (wasOpen && windows.empty()) QuitApplication();
}

void Window::UserClosed() {
  Ref<Window> self(this);
  CallWithExceptionHandling([&] { Close(); });
}

void Window::ReleaseContents() noexcept {
  // The controls' handlers and the menu handlers hold delegates whose target is this window:
  // letting go of the controls and the menu handlers breaks those cycles. A control that outlives
  // the window shows nothing. The rendering goes before the menu bar it observes.
  std::vector<OwnedControl> controls = std::move(controls_);
  controls_.clear();
  for (OwnedControl& owned : controls) {
    if (owned.rect) owned.rect->LeaveWindow();
  }
  controls.clear();
  view_.reset();
  menuBar_.reset();
  std::vector<MenuHandler> handlers = std::move(menuHandlers_);
  menuHandlers_.clear();
}

void Window::CheckNotClosed(const char* operation) const {
  if (closed_) Raise<UnsupportedOperationException>(std::string(operation) + " on a closed window");
}

void Window::RequireBuilding(const char* operation) const {
  CheckNotClosed(operation);
  if (!constructed_ || view_) {
    Raise<UnsupportedOperationException>(std::string(operation) + " while the window is not built");
  }
}

void Window::ApplyTabOrder() {
  std::vector<RectControl*> controls;
  controls.reserve(controls_.size());
  for (const OwnedControl& owned : controls_) {
    if (owned.rect && owned.rect->View()) controls.push_back(owned.rect);
  }
  std::ranges::stable_sort(controls, {}, &RectControl::TabIndex);
  std::vector<ControlView*> order;
  order.reserve(controls.size());
  for (RectControl* control : controls) order.push_back(control->View());
  view_->SetTabOrder(order);
}

Ref<Window> GetImplicitWindow(const String& className) {
  for (const Ref<Window>& window : OpenWindowList()) {
    if (window->Class().Name() == className.Bytes()) return window;
  }
  return nullptr;
}

std::vector<Ref<Window>> OpenWindows() {
  return OpenWindowList();
}

void CloseAllWindows() {
  for (const Ref<Window>& window : OpenWindows()) window->Close();
}

}  // namespace framework
