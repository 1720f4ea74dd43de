#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A static text.
class Label : public RectControl {
 public:
  static const ClassRecord& __Lookup();
  explicit Label(const ClassRecord& record);

  const String& Text() const noexcept { return text_; }

 private:
  String text_;
};

}  // namespace framework
