#pragma once

#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/ui/Application.h"

namespace app {

// The application object: an Application that handles none of its events itself.
class App : public framework::Application {
 public:
  FRAMEWORK_CLASS_RECORD(App)
  static void ctblinit() { Lookup(); }

  explicit App(const framework::ClassRecord& record);

  // Does nothing; overrides nothing (Application has no constructor slot).
  virtual void Constructor();
};

}  // namespace app
