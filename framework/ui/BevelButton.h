#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A push button from the control plug-in with a text caption, which the keyboard focus does not
// reach; raises Action (17) when pressed. Available after InitPluginEntrypoints: creating one
// before raises UnsupportedOperationException.
class BevelButton : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(BevelButton)
  explicit BevelButton(const ClassRecord& record);

  const String& Caption() const noexcept { return caption_; }
  // Presses the button as the user would: raises Action only while it is visible and enabled.
  // An exception from the handler passes on to the caller.
  void Push();
  // Called by the view when the user pressed the button.
  void UserPressed();

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;
  bool TakesFocus() const override { return false; }

 private:
  String caption_;
  Color backColor_;  // shown only with HasBackColor, which a button never has
  Color textColor_;
};

}  // namespace framework
