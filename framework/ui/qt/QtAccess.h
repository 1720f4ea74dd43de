#pragma once

#include <QAction>
#include <QMainWindow>
#include <QWidget>

namespace framework {

class MenuItem;
class RectControl;
class Window;

// The widgets that render framework objects, for tests that act as the user would. Nil when the
// object has no rendering.
QWidget* WidgetOf(const RectControl& control);
QMainWindow* MainWindowOf(const Window& window);
QAction* ActionOf(const Window& window, const MenuItem& item);

}  // namespace framework
