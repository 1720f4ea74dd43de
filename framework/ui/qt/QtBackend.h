#pragma once

#include "framework/ui/Backend.h"

namespace framework {

// Renders the framework's objects with Qt Widgets and runs the Qt event loop.
class QtBackend final : public UiBackend {
 public:
  std::unique_ptr<WindowView> CreateWindowView(Window& window) override;
  std::unique_ptr<ListView> CreateListView(PopupMenu& list, WindowView& parent) override;
  std::unique_ptr<TextView> CreateTextView(WindowView& parent) override;
  std::unique_ptr<LabelView> CreateLabelView(WindowView& parent) override;
  std::unique_ptr<ButtonView> CreateButtonView(BevelButton& button, WindowView& parent) override;

  void Run() override;
  void Quit() override;
  void ReleaseClosedViews() override;
  void PresentUnhandledException(const RuntimeException& exception) override;
  void PerformEditCommand(EditCommand command, const Window& window) override;
};

}  // namespace framework
