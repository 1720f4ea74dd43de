#include "app/Window1.h"

#include <any>
#include <utility>

#include "conjugation_table/Words.h"
#include "framework/runtime/CallGuard.h"
#include "framework/runtime/Delegate.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/ClassBuilding.h"

namespace app {

using framework::ClassRecord;
using framework::Object;
using framework::RuntimeStackCheck;
using framework::Variant;

namespace {

Window1& Self(Object& object) {
  return framework::Downcast<Window1>(object);
}

// The array that a value holds for Words (the framework makes three-dimensional String arrays
// only), or nil where `nilAllowed`. Anything else is refused before the property is touched.
Ref<framework::Array> TableOf(const Variant& value, bool nilAllowed) {
  const auto& object = framework::ValueAs<Ref<Object>>(value, "Words");
  Ref<framework::Array> array = framework::RuntimeCheckCast<framework::Array>(object.get());
  if (!array && !nilAllowed) {
    framework::Raise<framework::IllegalCastException>("Words takes a 3-dimensional String array");
  }
  return array;
}

framework::PropertyAccessors WordsAccessors() {
  auto get = [](Object& o) -> Variant { return Ref<Object>(Self(o).Words); };
  auto set = [](Object& o, const Variant& v) { Self(o).Words = TableOf(v, true); };
  auto introspectionSet = [](Object& o, const Variant& v) { Self(o).Words = TableOf(v, false); };
  return {get, set, get, introspectionSet};
}

template <void (Window1::*Method)()>
void EventThunk(Object& self, Object*) {
  (Self(self).*Method)();
}

void AddMenuHandlersThunk(Object& self, Object* argument) {
  Self(self).AddMenuHandlers(framework::RuntimeCheckCast<framework::Window>(argument).get());
}

}  // namespace

std::unique_ptr<ClassRecord> Window1::BuildClassRecord() {
  RuntimeStackCheck();
  auto record = framework::NewClassRecord<Window1>(&framework::Window::Lookup(),
                                                   std::string(Window1::kClassName));
  record->SetInitializer(&Window1::InitProperties);
  record->SetFinalizer(&Window1::ExitProperties);
  // The window's own virtual operations in slot order; only CreateControls0 is hidden.
  framework::AddSlots(*record,
                      {{"Layout", "%%", &Window1::Layout},
                       {"CreateControls", "%%", &Window1::CreateControls},
                       {"_CreateControls0", "%%", &Window1::CreateControls0, true},
                       {"ComboBox1", "%o<ComboBox>%", &Window1::ComboBox1},
                       {"TextField1", "%o<TextField>%", &Window1::TextField1},
                       {"StaticText1", "%o<Label>%", &Window1::StaticText1},
                       {"ComboBox2", "%o<ComboBox>%", &Window1::ComboBox2},
                       {"BevelButton1", "%o<BevelButton>%", &Window1::BevelButton1},
                       {"BevelButton2", "%o<BevelButton>%", &Window1::BevelButton2},
                       {"StaticText2", "%o<Label>%", &Window1::StaticText2},
                       {"StaticText3", "%o<Label>%", &Window1::StaticText3},
                       {"ComboBox3", "%o<ComboBox>%", &Window1::ComboBox3},
                       {"StaticText4", "%o<Label>%", &Window1::StaticText4},
                       {"ComboBox1_Change", "%%o<ComboBox>", &Window1::ComboBox1_Change},
                       {"ComboBox1_Open", "%%o<ComboBox>", &Window1::ComboBox1_Open},
                       {"TextField1_Open", "%%o<TextField>", &Window1::TextField1_Open},
                       {"ComboBox2_Change", "%%o<ComboBox>", &Window1::ComboBox2_Change},
                       {"ComboBox2_Open", "%%o<ComboBox>", &Window1::ComboBox2_Open},
                       {"BevelButton1_Action", "%%o<BevelButton>", &Window1::BevelButton1_Action},
                       {"BevelButton2_Action", "%%o<BevelButton>", &Window1::BevelButton2_Action},
                       {"ComboBox3_Change", "%%o<ComboBox>", &Window1::ComboBox3_Change},
                       {"ComboBox3_Open", "%%o<ComboBox>", &Window1::ComboBox3_Open},
                       {"EditMenu", "%o<MenuItem>%", &Window1::EditMenu},
                       {"EditSelectAll", "%o<MenuItem>%", &Window1::EditSelectAll},
                       {"UntitledMenu0", "%o<MenuItem>%", &Window1::UntitledMenu0},
                       {"EditClear", "%o<MenuItem>%", &Window1::EditClear},
                       {"EditPaste", "%o<MenuItem>%", &Window1::EditPaste},
                       {"EditCopy", "%o<MenuItem>%", &Window1::EditCopy},
                       {"EditCut", "%o<MenuItem>%", &Window1::EditCut},
                       {"UntitledMenu1", "%o<MenuItem>%", &Window1::UntitledMenu1},
                       {"EditUndo", "%o<MenuItem>%", &Window1::EditUndo},
                       {"FileMenu", "%o<MenuItem>%", &Window1::FileMenu},
                       {"FileQuit", "%o<QuitMenuItem>%", &Window1::FileQuit},
                       {"AddMenuHandlers", "%%o<Window>", &Window1::AddMenuHandlers},
                       {"_Untitled_Action", "%b%", &Window1::Untitled_Action, false}});
  record->ImplementEvent("Layout", &EventThunk<&Window1::Layout>);
  record->ImplementEvent("CreateControls", &EventThunk<&Window1::CreateControls>);
  record->ImplementEvent("AddMenuHandlers", &AddMenuHandlersThunk);
  framework::BindProperties<Window1>(*record)
      .AddStored("Lang", &Window1::Lang)
      .AddStored("Locate", &Window1::Locate);
  record->AddProperty("Words", framework::kPropertyFlags, "A3s", framework::ValueType::Object,
                      WordsAccessors());
  framework::BindProperties<Window1>(*record)
      .AddStored("Verb", &Window1::Verb)
      .AddStored("Katsuyo", &Window1::Katsuyo);
  return record;
}

Window1::Window1(const ClassRecord& record) : framework::Window(record) {}

Ref<Window1> Window1::ImplicitInstance() {
  RuntimeStackCheck();
  Ref<framework::Window> window = framework::GetImplicitWindow(kClassName);
  if (!window) {
    Ref<Object> created = framework::RuntimeNewObject(Lookup());
    Ref<framework::Window> newWindow =
        framework::RuntimeCheckCast<framework::Window>(created.get());
    newWindow->Constructor();
    window = std::move(newWindow);
  }
  return framework::RuntimeCheckCast<Window1>(window.get());
}

void Window1::CreateControls() {
  framework::CallGuard guard{this};
  CreateControls0();
}

void Window1::AddMenuHandlers(framework::Window* w) {
  framework::CallGuard guard{this, w};
  Ref<Window1> window = framework::RuntimeCheckCast<Window1>(w);
  Ref<framework::Delegate> handler = framework::RuntimeCreateDelegate(
      &framework::invokers::IM_InvokeBoolean<Window1>, &Window1::Untitled_Action,
      Ref<Object>(window), "(  ) as Boolean", 0);
  AddMenuHandler("Untitled", framework::EntryPointer(handler));
}

bool Window1::Untitled_Action() {
  framework::CallGuard guard{this};
  return true;
}

void Window1::InitProperties(Object& self) {
  Self(self).Words = conjugation_table::CreateWords();
}

void Window1::ExitProperties(Object& self) {
  // The property is nil before the array is released, so nothing can reach a released table.
  Ref<framework::Array> table = std::exchange(Self(self).Words, nullptr);
}

}  // namespace app
