#pragma once

#include "framework/runtime/ClassRecord.h"
#include "framework/ui/Application.h"

namespace app {

// The application object: an Application that handles none of its events itself.
class App : public framework::Application {
 public:
  static void ctblinit();
  static const framework::ClassRecord& Lookup();

  explicit App(const framework::ClassRecord& record);

  // Does nothing; overrides nothing (Application has no constructor slot).
  virtual void Constructor();
};

}  // namespace app
