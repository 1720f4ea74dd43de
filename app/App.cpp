#include "app/App.h"

#include "framework/runtime/Ref.h"
#include "framework/runtime/StackCheck.h"

namespace app {

using framework::ClassRecord;

namespace {

std::unique_ptr<ClassRecord> BuildRecord() {
  framework::RuntimeStackCheck();
  auto record = framework::RuntimeNewClass(&framework::Application::Lookup(), "App");
  record->SetFactory([](const ClassRecord& r) -> framework::Ref<framework::Object> {
    return framework::MakeObject<App>(r);
  });
  framework::RuntimeNewVtable(*record, {"Constructor"});
  auto& constructor = record->AddMethod("Constructor", 1, "%%", &App::Constructor);
  framework::RuntimeAllocateAttributeTable(constructor);
  return record;
}

framework::ClassRecordSlot& RecordSlot() {
  static framework::ClassRecordSlot slot;
  return slot;
}

}  // namespace

App::App(const ClassRecord& record) : framework::Application(record) {}

void App::ctblinit() {
  RecordSlot().Get(&BuildRecord);
}

const ClassRecord& App::Lookup() {
  return RecordSlot().Get(&BuildRecord);
}

void App::Constructor() {
  framework::Ref<App> self(this);
  framework::RuntimeStackCheck();
}

}  // namespace app
