#include "app/App.h"

#include "framework/runtime/CallGuard.h"
#include "framework/ui/ClassBuilding.h"

namespace app {

using framework::ClassRecord;

std::unique_ptr<ClassRecord> App::BuildClassRecord() {
  framework::RuntimeStackCheck();
  auto record = framework::NewClassRecord<App>(&framework::Application::Lookup(), "App");
  framework::AddSlots(*record, {{"Constructor", "%%", &App::Constructor}});
  return record;
}

App::App(const ClassRecord& record) : framework::Application(record) {}

void App::Constructor() {
  framework::CallGuard guard{this};
}

}  // namespace app
