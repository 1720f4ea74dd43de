#include "framework/ui/Application.h"

#include "framework/ui/ClassBuilding.h"
#include "framework/ui/MenuItem.h"
#include "framework/ui/PropertyTable.h"

namespace framework {

const ClassRecord& Application::Lookup() {
  static ClassRecordSlot slot;
  return slot.Get([] {
    auto record = RuntimeNewClass(nullptr, "Application");
    record->SetFactory(&MakeInstance<Application>);
    AddSlots(*record, {{"AddTrayItem", "%%o<TrayItem>"},
                       {"DoEvents", "%%i8"},
                       {"NewDocument", "%%"},
                       {"OpenDocument", "%%o<FolderItem>"},
                       {"RemoveTrayItem", "%%o<TrayItem>"},
                       {"SleepCurrentThread", "%%i8"},
                       {"YieldToNextThread", "%%"},
                       {"_AddMenuHandler", "%%sp"},
                       {"_AddPollableObject", "%%o<Object>"},
                       {"_DependencyList", "%o<Object>%"},
                       {"_DoSingleEvent", "%%"},
                       {"_RemovePollableObject", "%%o<Object>"},
                       {"_x_SetVersionData", "%%i8i8i8i8i8"}});
    DeclareEvents(
        *record, {"Activate", "CancelClose", "Close", "Deactivate", "EnableMenuItems",
                  "HandleAppleEvent", "NewDocument", "Open", "OpenDocument", "UnhandledException"});
    PropertyAccessors menuBar;
    menuBar.get = [](Object& o) -> Variant {
      return Ref<Object>(dynamic_cast<Application&>(o).GetMenuBar());
    };
    menuBar.set = [](Object& o, const Variant& v) {
      Ref<Object> object = ValueAs<Ref<Object>>(v, "MenuBar");
      dynamic_cast<Application&>(o).SetMenuBar(RuntimeCheckCast<MenuBar>(object.get()));
    };
    menuBar.introspectionGet = menuBar.get;
    menuBar.introspectionSet = menuBar.set;
    record->AddProperty("MenuBar", 5, "o<MenuBar>", ValueType::Object, std::move(menuBar));
    return record;
  });
}

Application::Application(const ClassRecord& record) : Object(record) {}

Application::~Application() = default;

void Application::SetMenuBar(Ref<MenuBar> bar) {
  menuBar_ = std::move(bar);
}

Ref<MenuBar> Application::GetMenuBar() const {
  return menuBar_;
}

}  // namespace framework
