#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A static text; with MultiLine its CRs show as line breaks. A label never paints a background
// of its own, so one that overlaps a neighbour hides nothing of it (Transparent is only held).
class Label : public RectControl {
 public:
  FRAMEWORK_CLASS_RECORD(Label)
  explicit Label(const ClassRecord& record);

  const String& Text() const noexcept { return text_; }
  void SetText(const String& text);

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  void DrawOwnParts() override;
  bool TakesFocus() const override { return false; }

 private:
  // A label's own parts are shown together.
  void ShowLabel();

  String text_;
  std::int64_t textAlign_ = 0;
  Color textColor_;
  bool multiLine_ = false;
  bool selectable_ = false;
  bool transparent_ = false;
};

}  // namespace framework
