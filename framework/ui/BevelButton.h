#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A push button from the control plug-in; raises Action (17) when pressed. Available after
// InitPluginEntrypoints: creating one before raises UnsupportedOperationException.
class BevelButton : public RectControl {
 public:
  static const ClassRecord& Lookup();
  explicit BevelButton(const ClassRecord& record);

  const String& Caption() const noexcept { return caption_; }
  void SetCaption(const String& caption);
  // Presses the button as the user would: raises Action only while it is visible and enabled.
  // An exception from the handler passes on to the caller.
  void Push();
  // Called by the view when the user pressed the button.
  void UserPressed();
  void StoredPropertyChanged(std::string_view name) override;

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  // A button's own parts are shown together.
  void ShowOwnParts(Parts parts) override;
  bool TakesFocus() const override;

 private:
  String caption_;
};

}  // namespace framework
