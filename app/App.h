#pragma once

#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/ui/Application.h"

namespace app {

// The application object: an Application that handles none of its events itself.
class App : public framework::Application {
 public:
  static std::unique_ptr<framework::ClassRecord> BuildClassRecord();
  static void ctblinit() { framework::ClassRecordOf<App>(); }
  static const framework::ClassRecord& Lookup() { return framework::ClassRecordOf<App>(); }

  explicit App(const framework::ClassRecord& record);

  // Does nothing; overrides nothing (Application has no constructor slot).
  virtual void Constructor();
};

}  // namespace app
