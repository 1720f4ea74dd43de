#pragma once

#include "framework/ui/Control.h"

namespace framework {

// A static text; with MultiLine its CRs show as line breaks. A label never paints a background
// of its own, so one that overlaps a neighbour hides nothing of it (Transparent is only held).
class Label : public RectControl {
 public:
  static const ClassRecord& Lookup();
  explicit Label(const ClassRecord& record);

  const String& Text() const noexcept { return text_; }
  void SetText(const String& text);
  void StoredPropertyChanged(std::string_view name) override;

 protected:
  std::unique_ptr<ControlView> CreateView(UiBackend& backend, WindowView& parent) override;
  // A label's own parts are shown together.
  void ShowOwnParts(Parts parts) override;
  bool TakesFocus() const override { return false; }

 private:
  String text_;
};

}  // namespace framework
