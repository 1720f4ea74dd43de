#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A single-line static text, left-aligned and vertically centred in its box, that cannot be
// selected. It paints no background of its own, so one that overlaps a neighbour hides nothing of
// it.
class Label : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(Label)
  explicit Label(const ClassRecord& record);

  const String& Text() const noexcept { return text_; }

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;
  bool TakesFocus() const override { return false; }

 private:
  String text_;
  Color textColor_;
};

}  // namespace framework
