// The main window's layout: its menu bar and properties, its ten controls with their property
// lists and handlers, and the control accessors.
#include <any>
#include <vector>

#include "app/MenuBar1.h"
#include "app/Window1.h"
#include "app/WindowDesign.h"
#include "framework/runtime/CallGuard.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/Events.h"
#include "framework/ui/PropertyList.h"

namespace app {

using framework::ClassRecord;
using framework::Object;

namespace {

// One handler attached to a control's event.
struct Wiring {
  std::string_view control;
  std::int32_t event;
  std::any handler;
  framework::DelegateInvoker invoker;
  std::string_view signature;
  framework::EventStub stub;
};

constexpr std::int32_t kControlEventDelegateFlags = 1;

const std::vector<Wiring>& Wirings() {
  using framework::AddHandler_Stub_15;
  using framework::AddHandler_Stub_17;
  using framework::AddHandler_Stub_2;
  using framework::kActionEvent;
  using framework::kChangeEvent;
  using framework::kOpenEvent;
  using framework::invokers::IM_Invoke;
  static const std::vector<Wiring> wirings = {
      {"ComboBox1", kChangeEvent, &Window1::ComboBox1_Change, &IM_Invoke<Window1, ComboBox>,
       "( ComboBox )", &AddHandler_Stub_15},
      {"ComboBox1", kOpenEvent, &Window1::ComboBox1_Open, &IM_Invoke<Window1, ComboBox>,
       "( ComboBox )", &AddHandler_Stub_2},
      {"TextField1", kOpenEvent, &Window1::TextField1_Open, &IM_Invoke<Window1, TextField>,
       "( TextField )", &AddHandler_Stub_2},
      {"ComboBox2", kChangeEvent, &Window1::ComboBox2_Change, &IM_Invoke<Window1, ComboBox>,
       "( ComboBox )", &AddHandler_Stub_15},
      {"ComboBox2", kOpenEvent, &Window1::ComboBox2_Open, &IM_Invoke<Window1, ComboBox>,
       "( ComboBox )", &AddHandler_Stub_2},
      {"BevelButton1", kActionEvent, &Window1::BevelButton1_Action,
       &IM_Invoke<Window1, BevelButton>, "( BevelButton )", &AddHandler_Stub_17},
      {"BevelButton2", kActionEvent, &Window1::BevelButton2_Action,
       &IM_Invoke<Window1, BevelButton>, "( BevelButton )", &AddHandler_Stub_17},
      {"ComboBox3", kChangeEvent, &Window1::ComboBox3_Change, &IM_Invoke<Window1, ComboBox>,
       "( ComboBox )", &AddHandler_Stub_15},
      {"ComboBox3", kOpenEvent, &Window1::ComboBox3_Open, &IM_Invoke<Window1, ComboBox>,
       "( ComboBox )", &AddHandler_Stub_2},
  };
  return wirings;
}

}  // namespace

void Window1::Layout() {
  framework::CallGuard guard{this};
  MenuBar_Set(0, MenuBar1::ImplicitInstance());
  framework::SetProperties(this, WindowPropertyList());
}

void Window1::CreateControls0() {
  framework::CallGuard guard{this};
  // The look-ups, casts and delegates of the handlers are held until every control stands.
  std::vector<Ref<Object>> held;
  const auto designs = ControlDesigns();
  for (std::size_t i = 0; i < designs.size(); ++i) {
    const ControlDesign& design = designs[i];
    const ClassRecord& controlClass = ControlClass(design.kind);
    {
      Ref<Object> created = NewControl(controlClass);
      framework::RuntimeCheckCast<framework::RectControl>(created.get())->Constructor();
      AddControl(design.name, created.get());
    }
    Ref<Object> control =
        framework::RuntimeCheckCast(ControlByName(design.name).get(), controlClass);
    framework::SetProperties(control.get(), ControlPropertyList(i));
    for (const Wiring& wiring : Wirings()) {
      if (wiring.control != design.name) continue;
      Ref<framework::Control> target = framework::RuntimeCheckCast<framework::Control>(
          framework::RuntimeCheckCast(ControlByName(design.name).get(), controlClass).get());
      Ref<framework::Delegate> handler =
          framework::RuntimeCreateDelegate(wiring.invoker, wiring.handler, Ref<Object>(this),
                                           wiring.signature, kControlEventDelegateFlags);
      framework::RuntimeAddEventHandler(target.get(), wiring.event, wiring.stub, handler);
      held.push_back(std::move(target));
      held.push_back(std::move(handler));
    }
  }
}

template <class Control>
Ref<Control> Window1::ControlNamed(std::string_view name) {
  framework::CallGuard guard{this};
  return framework::RuntimeCheckCast<Control>(ControlByName(name).get());
}

Ref<ComboBox> Window1::ComboBox1() {
  return ControlNamed<ComboBox>("ComboBox1");
}
Ref<TextField> Window1::TextField1() {
  return ControlNamed<TextField>("TextField1");
}
Ref<Label> Window1::StaticText1() {
  return ControlNamed<Label>("StaticText1");
}
Ref<ComboBox> Window1::ComboBox2() {
  return ControlNamed<ComboBox>("ComboBox2");
}
Ref<BevelButton> Window1::BevelButton1() {
  return ControlNamed<BevelButton>("BevelButton1");
}
Ref<BevelButton> Window1::BevelButton2() {
  return ControlNamed<BevelButton>("BevelButton2");
}
Ref<Label> Window1::StaticText2() {
  return ControlNamed<Label>("StaticText2");
}
Ref<Label> Window1::StaticText3() {
  return ControlNamed<Label>("StaticText3");
}
Ref<ComboBox> Window1::ComboBox3() {
  return ControlNamed<ComboBox>("ComboBox3");
}
Ref<Label> Window1::StaticText4() {
  return ControlNamed<Label>("StaticText4");
}

}  // namespace app
