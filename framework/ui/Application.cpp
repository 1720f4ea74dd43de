#include "framework/ui/Application.h"

#include "framework/ui/ClassBuilding.h"
#include "framework/ui/MenuItem.h"

namespace framework {

std::unique_ptr<ClassRecord> Application::BuildClassRecord() {
  auto record = NewClassRecord<Application>(nullptr, "Application");
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
  DeclareEvents(*record,
                {"Activate", "CancelClose", "Close", "Deactivate", "EnableMenuItems",
                 "HandleAppleEvent", "NewDocument", "Open", "OpenDocument", "UnhandledException"});
  BindProperties<Application>(*record).Add("MenuBar", &Application::GetMenuBar,
                                           &Application::SetMenuBar);
  return record;
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
