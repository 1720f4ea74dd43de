#pragma once

#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Object.h"
#include "framework/runtime/Ref.h"

namespace framework {

class MenuBar;

// The application object. A program subclasses it; the framework holds the registered instance
// for the life of the process.
class Application : public Object {
 public:
  FRAMEWORK_CLASS_RECORD(Application)
  explicit Application(const ClassRecord& record);
  ~Application() override;

  // Application.MenuBar.Set / Get. The bar is a model; the application keeps a reference to it.
  // Menu bars are drawn in windows here, so the application's bar shows where a window
  // installs it as well.
  void SetMenuBar(Ref<MenuBar> bar);
  Ref<MenuBar> GetMenuBar() const;

 private:
  Ref<MenuBar> menuBar_;
};

}  // namespace framework
