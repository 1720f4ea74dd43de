#include "framework/ui/Window.h"

#include <algorithm>
#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/runtime/FaultInjection.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Control.h"
#include "framework/ui/Events.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/Process.h"
#include "framework/ui/PropertyTable.h"
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

void AddWindowProperties(ClassRecord& record) {
  using W = Window;
  const PropertyBinding bindings[] = {
      Bind<W>(
          "Width", [](W& w) -> Variant { return w.Width(); },
          [](W& w, const Variant& v) {
            w.SetContentSize(ValueAs<std::int64_t>(v, "Width"), w.Height());
          }),
      Bind<W>(
          "Height", [](W& w) -> Variant { return w.Height(); },
          [](W& w, const Variant& v) {
            w.SetContentSize(w.Width(), ValueAs<std::int64_t>(v, "Height"));
          }),
      Bind<W>(
          "Title", [](W& w) -> Variant { return w.Title(); },
          [](W& w, const Variant& v) { w.SetTitle(ValueAs<String>(v, "Title")); }),
      Bind<W>(
          "Visible", [](W& w) -> Variant { return w.Visible(); },
          [](W& w, const Variant& v) { w.SetVisible(ValueAs<bool>(v, "Visible")); }),
      Bind<W>(
          "BackColor", [](W& w) -> Variant { return w.BackColor(); },
          [](W& w, const Variant& v) { w.SetBackColor(ValueAs<Color>(v, "BackColor")); }),
  };
  DeclareProperties(record, "Window", bindings);
  PropertyAccessors menuBar;
  menuBar.get = [](Object& o) -> Variant {
    return Ref<Object>(dynamic_cast<Window&>(o).MenuBar_Get(0));
  };
  menuBar.set = [](Object& o, const Variant& v) {
    Ref<Object> object = ValueAs<Ref<Object>>(v, "MenuBar");
    dynamic_cast<Window&>(o).MenuBar_Set(0, RuntimeCheckCast<MenuBar>(object.get()));
  };
  menuBar.introspectionGet = menuBar.get;
  menuBar.introspectionSet = menuBar.set;
  record.AddProperty("MenuBar", 5, "o<MenuBar>", ValueType::Object, std::move(menuBar));
}

}  // namespace

const ClassRecord& Window::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(nullptr, "Window");
    record->SetFactory(&MakeInstance<Window>);
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
    AddWindowProperties(*record);
    return record;
  });
}

Window::Window(const ClassRecord& record) : Object(record) {}

Window::~Window() {
  ReleaseContents();
}

void Window::Constructor() {
  if (constructed_) Raise<InvalidArgumentException>(Class().Name() + " is constructed already");
  CheckNotClosed("Window.Constructor");
  Ref<Window> self(this);
  view_ = RequireBackend("Window.Constructor").CreateWindowView(*this);
  constructed_ = true;
  ShowProperties();
  view_->SetMenuBar(menuBar_.get());
  try {
    RaiseBuildEvents();
  } catch (...) {
    ReleaseContents();
    throw;
  }
  if (closed_) return;  // a build event closed the window
  open_ = true;
  OpenWindowList().push_back(self);
  ApplyTabOrder();
  bool opened = DeliverOpenEvents();
  if (opened && visible_ && view_) view_->Show();
}

// The controls made in the build events hold back showing while the events run, so that each
// part of a control's rendering is shown once, with the values that its constructor and its
// property list gave it. What other widgets read is shown before they read it: focus kinds
// before the tab order is set, and everything before the window's frame changes (a control
// takes colours from the content area).
class Window::ControlsHeldBack {
 public:
  explicit ControlsHeldBack(Window& window) : window_(window) {
    window_.heldControls_ = &controls_;
  }
  ~ControlsHeldBack() {
    window_.heldControls_ = nullptr;
    for (const Ref<RectControl>& control : controls_) control->ShowHeldBack();
  }
  ControlsHeldBack(const ControlsHeldBack&) = delete;
  ControlsHeldBack& operator=(const ControlsHeldBack&) = delete;

 private:
  Window& window_;
  std::vector<Ref<RectControl>> controls_;
};

void Window::RaiseBuildEvents() {
  ControlsHeldBack held(*this);
  RaiseBuildEvent("Layout", nullptr);
  RaiseBuildEvent("CreateControls", nullptr);
  RaiseBuildEvent("AddMenuHandlers", this);
}

void Window::HoldWhileBuilding(RectControl& control) {
  if (!heldControls_) return;
  control.HoldBackShowing();
  heldControls_->emplace_back(&control);
}

void Window::RaiseBuildEvent(std::string_view event, Object* argument) {
  if (closed_) return;
  if (EventImplementationFunction implementation = Class().FindEventImplementation(event)) {
    implementation(*this, argument);
  }
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
  CheckNotClosed("Window.__New");
  if (!controlClass.IsSubclassOf(Control::Lookup())) {
    Raise<InvalidArgumentException>(controlClass.Name() + " is no control class");
  }
  Ref<Object> object = RuntimeNewObject(controlClass);
  auto* control = dynamic_cast<Control*>(object.get());
  if (!control) RaiseIllegalCast(*object, Control::Lookup());
  control->JoinWindow(*this);
  controls_.push_back(
      OwnedControl{Ref<Control>(control), String(), false, dynamic_cast<RectControl*>(control)});
  return object;
}

void Window::AddControl(const String& name, Object* control) {
  FaultInjection::Check(Operation::AddControl);
  CheckNotClosed("Window._AddControl");
  if (!control) RaiseNilObjectException();
  auto* typed = dynamic_cast<Control*>(control);
  if (!typed) RaiseIllegalCast(*control, Control::Lookup());
  if (typed->OwnerWindow() && typed->OwnerWindow() != this) {
    Raise<InvalidArgumentException>("control " + std::string(name.Bytes()) +
                                    " belongs to another window");
  }
  if (ControlByName(name)) {
    Raise<InvalidArgumentException>("the window has a control named " + std::string(name.Bytes()) +
                                    " already");
  }
  auto owned = std::ranges::find_if(
      controls_, [typed](const OwnedControl& entry) { return entry.control.get() == typed; });
  if (owned == controls_.end()) {
    typed->JoinWindow(*this);
    owned = controls_.insert(controls_.end(), OwnedControl{Ref<Control>(typed), String(), false,
                                                           dynamic_cast<RectControl*>(typed)});
  } else if (owned->registered) {
    Raise<InvalidArgumentException>("the control is registered already");
  }
  owned->name = name;
  owned->registered = true;
  typed->SetName(name);
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
  auto found = std::ranges::find(menuHandlers_, name, &MenuHandler::itemName);
  if (found != menuHandlers_.end()) {
    found->handler = std::move(handler);
  } else {
    menuHandlers_.push_back(MenuHandler{std::move(name), std::move(handler)});
  }
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
  CheckNotClosed("Window.MenuBar.Set");
  menuBar_ = std::move(bar);
  if (view_) view_->SetMenuBar(menuBar_.get());
}

void Window::Close() {
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
  // letting go of them breaks those cycles. The rendering goes before the menu bar it observes.
  std::vector<OwnedControl> controls = std::move(controls_);
  controls_.clear();
  for (OwnedControl& owned : controls) owned.control->LeaveWindow();
  controls.clear();
  view_.reset();
  menuBar_.reset();
  std::vector<MenuHandler> handlers = std::move(menuHandlers_);
  menuHandlers_.clear();
}

void Window::CheckNotClosed(const char* operation) const {
  if (closed_) Raise<UnsupportedOperationException>(std::string(operation) + " on a closed window");
}

// The view keeps a size that the user gave the window until the program sets a new one, so a
// new size is shown at once, with the frame as it stands, even while the frame is held back.
void Window::SetContentSize(std::int64_t width, std::int64_t height) {
  const bool resized = width != width_ || height != height_;
  width_ = width;
  height_ = height;
  if (resized && view_) {
    ShowFrame();
  } else {
    ShowProperties();
  }
}

void Window::SetTitle(const String& title) {
  title_ = title;
  ShowProperties();
}

void Window::SetVisible(bool visible) {
  visible_ = visible;
  if (!open_ || !view_) return;  // a window being built shows at the end of its construction
  if (held_.ShowNow(kShown)) ShowVisibility();
}

void Window::ShowVisibility() {
  if (visible_) {
    view_->Show();
  } else {
    view_->Hide();
  }
}

void Window::SetBackColor(Color color) {
  backColor_ = color;
  ShowProperties();
}

void Window::StoredPropertyChanged(std::string_view) {
  ShowProperties();
}

void Window::HoldBackShowing() {
  held_.Hold();
}

// The frame first: a window that a list shows appears with its final title, size and colour.
void Window::ShowHeldBack() noexcept {
  HeldBackParts::Parts parts = held_.Release();
  if (!view_) return;
  if (parts & kFrame) ShowFrame();
  if ((parts & kShown) && open_) ShowVisibility();
}

void Window::ShowProperties() {
  if (view_ && held_.ShowNow(kFrame)) ShowFrame();
}

void Window::ShowFrame() {
  if (heldControls_) {
    for (const Ref<RectControl>& control : *heldControls_) control->ShowHeldBackNow();
  }
  const PropertyStore& stored = StoredProperties();
  view_->SetTitle(title_);
  SizeLimits limits{stored.Get<std::int64_t>("MinWidth"), stored.Get<std::int64_t>("MinHeight"),
                    stored.Get<std::int64_t>("MaxWidth", 32000),
                    stored.Get<std::int64_t>("MaxHeight", 32000)};
  view_->SetSizeLimits(limits, stored.Get<bool>("Resizeable", true));
  view_->SetContentSize(width_, height_);
  view_->SetButtons(WindowButtons{stored.Get<bool>("CloseButton", true),
                                  stored.Get<bool>("MinimizeButton", true),
                                  stored.Get<bool>("MaximizeButton", true)});
  view_->SetBackColor(stored.Get<bool>("HasBackColor"), backColor_);
  view_->SetMenuBarVisible(stored.Get<bool>("MenuBarVisible", true));
}

void Window::ApplyTabOrder() {
  if (!view_) return;
  std::vector<RectControl*> controls;
  controls.reserve(controls_.size());
  for (const OwnedControl& owned : controls_) {
    if (owned.registered && owned.rect && owned.rect->View()) controls.push_back(owned.rect);
  }
  // The tab order passes over widgets that take no focus.
  for (RectControl* control : controls) control->ShowHeldFocusNow();
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
