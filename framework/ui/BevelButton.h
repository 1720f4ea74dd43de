#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A push button from the control plug-in; raises Action (17) when pressed. Available after
// InitPluginEntrypoints: creating one before raises UnsupportedOperationException.
class BevelButton : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(BevelButton)
  explicit BevelButton(const ClassRecord& record);

  const String& Caption() const noexcept { return caption_; }
  void SetCaption(const String& caption);
  // Presses the button as the user would: raises Action only while it is visible and enabled.
  // An exception from the handler passes on to the caller.
  void Push();
  // Called by the view when the user pressed the button.
  void UserPressed();

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;
  bool TakesFocus() const override { return acceptFocus_; }

 private:
  // A button's own parts are shown together.
  void ShowButton();

  String caption_;
  std::int64_t captionAlign_ = 0;
  std::int64_t captionPlacement_ = 0;
  std::int64_t captionDelta_ = 0;
  std::int64_t iconAlign_ = 0;
  std::int64_t iconDX_ = 0;
  std::int64_t iconDY_ = 0;
  std::int64_t bevel_ = 0;
  std::int64_t hasMenu_ = 0;
  bool hasBackColor_ = false;
  Color backColor_;
  Color textColor_;
  bool value_ = false;
  std::int64_t menuValue_ = 0;
  std::int64_t buttonType_ = 0;
  bool acceptFocus_ = false;
};

}  // namespace framework
