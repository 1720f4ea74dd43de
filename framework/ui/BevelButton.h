#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A push button from the control plug-in; raises Action (17) when pressed. Available after
// _InitPluginEntrypoints.
class BevelButton : public RectControl {
 public:
  static const ClassRecord& __Lookup();
  explicit BevelButton(const ClassRecord& record);

  const String& Caption() const noexcept { return caption_; }
  // Presses the button as the user would: raises Action only while it is visible and enabled.
  void Push();

 private:
  String caption_;
};

}  // namespace framework
