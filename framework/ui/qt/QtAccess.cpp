#include "framework/ui/qt/QtAccess.h"

#include "framework/ui/Control.h"
#include "framework/ui/Window.h"
#include "framework/ui/qt/QtControlView.h"
#include "framework/ui/qt/QtWindowView.h"

namespace framework {

QWidget* WidgetOf(const RectControl& control) {
  return WidgetOfView(control.View());
}

QMainWindow* MainWindowOf(const Window& window) {
  auto* view = dynamic_cast<QtWindowView*>(window.View());
  return view ? &view->MainWindow() : nullptr;
}

QAction* ActionOf(const Window& window, const MenuItem& item) {
  auto* view = dynamic_cast<QtWindowView*>(window.View());
  QtMenuRenderer* renderer = view ? view->MenuRenderer() : nullptr;
  return renderer ? renderer->ActionOf(item) : nullptr;
}

}  // namespace framework
