#pragma once

#include <memory>

#include "framework/ui/EditCommand.h"
#include "framework/ui/View.h"

namespace framework {

class BevelButton;
class PopupMenu;
class RuntimeException;
class Window;

// The toolkit that renders the framework's objects and runs the event loop. RuntimeInit installs
// one; without it the objects still hold and decode their properties, but nothing can be shown.
class UiBackend {
 public:
  virtual ~UiBackend() = default;

  virtual std::unique_ptr<WindowView> CreateWindowView(Window& window) = 0;
  virtual std::unique_ptr<ListView> CreateListView(PopupMenu& list, WindowView& parent) = 0;
  virtual std::unique_ptr<TextView> CreateTextView(WindowView& parent) = 0;
  virtual std::unique_ptr<LabelView> CreateLabelView(WindowView& parent) = 0;
  virtual std::unique_ptr<ButtonView> CreateButtonView(BevelButton& button, WindowView& parent) = 0;

  // Runs the event loop until Quit.
  virtual void Run() = 0;
  virtual void Quit() = 0;
  // Ends the renderings of closed windows now rather than at the next turn of the event loop.
  virtual void ReleaseClosedViews() = 0;

  // Shows the user that an exception went unhandled.
  virtual void PresentUnhandledException(const RuntimeException& exception) = 0;

  // Performs a standard Edit command on the focused text widget of the window, when that widget
  // can take it.
  virtual void PerformEditCommand(EditCommand command, const Window& window) = 0;
};

void InstallBackend(std::unique_ptr<UiBackend> backend);
UiBackend* CurrentBackend() noexcept;
// The installed backend; raises UnsupportedOperationException naming `operation` when there is
// none (RuntimeInit has not run).
UiBackend& RequireBackend(const char* operation);

}  // namespace framework
