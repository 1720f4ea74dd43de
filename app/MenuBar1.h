#pragma once

#include <memory>

#include "framework/runtime/ClassRecord.h"
#include "framework/runtime/Ref.h"
#include "framework/ui/MenuItem.h"

namespace app {

// The program's one menu bar: a File menu with the quit item and an Edit menu with six editing
// items and two separators. One shared instance serves the application and the main window.
class MenuBar1 : public framework::MenuBar {
 public:
  static constexpr std::string_view kClassName = "MenuBar1.MenuBar1";

  FRAMEWORK_CLASS_RECORD(MenuBar1)
  static void ctblinit() { Lookup(); }
  static void ImplicitInstanceInit();
  // MenuBar1.MenuBar1: the shared instance, created on the first call and kept for the life of
  // the process. A bar whose construction failed is not kept; the next call builds anew.
  static framework::Ref<MenuBar1> ImplicitInstance();

  explicit MenuBar1(const framework::ClassRecord& record);

  void Constructor() override;
  virtual void Untitled0();  // builds the File menu
  virtual void Untitled1();  // builds the Edit menu
};

}  // namespace app
