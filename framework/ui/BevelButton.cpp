#include "framework/ui/BevelButton.h"

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Backend.h"
#include "framework/ui/ClassBuilding.h"
#include "framework/ui/Process.h"
#include "framework/ui/PropertyTable.h"
#include "framework/ui/View.h"

namespace framework {

namespace {
Ref<Object> MakeBevelButton(const ClassRecord& record) {
  if (!PluginControlsAvailable()) {
    Raise<UnsupportedOperationException>(
        "BevelButton comes from the control plug-in; _InitPluginEntrypoints has not run");
  }
  return MakeObject<BevelButton>(record);
}
}  // namespace

const ClassRecord& BevelButton::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(&RectControl::Lookup(), "BevelButton");
    record->SetFactory(&MakeBevelButton);
    AddSlots(*record, {{"AddRow", "%%s"}, {"DeleteAllRows", "%%"}, {"List", "%s%i8"}});
    DeclareEvents(*record, {"MouseDown", "MouseUp", "Action"});
    using B = BevelButton;
    const PropertyBinding bindings[] = {
        Bind<B>(
            "Caption", [](B& c) -> Variant { return c.Caption(); },
            [](B& c, const Variant& v) { c.SetCaption(ValueAs<String>(v, "Caption")); }),
    };
    DeclareProperties(*record, "BevelButton", bindings);
    return record;
  });
}

BevelButton::BevelButton(const ClassRecord& record) : RectControl(record) {}

void BevelButton::SetCaption(const String& caption) {
  caption_ = caption;
  Show(kOwnParts);
}

void BevelButton::Push() {
  if (visible_ && enabled_) RaiseEvent(kActionEvent);
}

void BevelButton::UserPressed() {
  Ref<BevelButton> self(this);
  CallWithExceptionHandling([&] { Push(); });
}

void BevelButton::StoredPropertyChanged(std::string_view name) {
  RectControl::StoredPropertyChanged(name);
  static constexpr std::string_view kShown[] = {"HasBackColor", "BackColor", "TextColor"};
  for (std::string_view shown : kShown) {
    if (name == shown) Show(kOwnParts);
  }
  if (name == "AcceptFocus") RectControl::StoredPropertyChanged("TabStop");
}

std::unique_ptr<ControlView> BevelButton::CreateView(UiBackend& backend, WindowView& parent) {
  return backend.CreateButtonView(*this, parent);
}

void BevelButton::ShowOwnParts(Parts) {
  auto* view = ViewAs<ButtonView>();
  const PropertyStore& stored = StoredProperties();
  view->SetCaption(caption_);
  view->SetColors(stored.Get<Color>("TextColor"), stored.Get<bool>("HasBackColor"),
                  stored.Get<Color>("BackColor"));
}

bool BevelButton::TakesFocus() const {
  return StoredProperties().Get<bool>("AcceptFocus");
}

}  // namespace framework
