// The main window's menu-item accessors: each finds one item of the window's menu bar by name.
#include "app/Window1.h"
#include "framework/runtime/CallGuard.h"
#include "framework/runtime/Exceptions.h"

namespace app {

template <class Item>
Ref<Item> Window1::MenuItemNamed(std::string_view name) {
  framework::CallGuard guard{this};
  Ref<framework::MenuBar> bar = MenuBar_Get(0);
  if (!bar) framework::RaiseNilObjectException();
  Ref<MenuItem> item = bar->LookupItem(name);
  return framework::RuntimeCheckCast<Item>(item.get());
}

Ref<MenuItem> Window1::EditMenu() {
  return MenuItemNamed<MenuItem>("EditMenu");
}
Ref<MenuItem> Window1::EditSelectAll() {
  return MenuItemNamed<MenuItem>("EditSelectAll");
}
Ref<MenuItem> Window1::UntitledMenu0() {
  return MenuItemNamed<MenuItem>("UntitledMenu0");
}
Ref<MenuItem> Window1::EditClear() {
  return MenuItemNamed<MenuItem>("EditClear");
}
Ref<MenuItem> Window1::EditPaste() {
  return MenuItemNamed<MenuItem>("EditPaste");
}
Ref<MenuItem> Window1::EditCopy() {
  return MenuItemNamed<MenuItem>("EditCopy");
}
Ref<MenuItem> Window1::EditCut() {
  return MenuItemNamed<MenuItem>("EditCut");
}
Ref<MenuItem> Window1::UntitledMenu1() {
  return MenuItemNamed<MenuItem>("UntitledMenu1");
}
Ref<MenuItem> Window1::EditUndo() {
  return MenuItemNamed<MenuItem>("EditUndo");
}
Ref<MenuItem> Window1::FileMenu() {
  return MenuItemNamed<MenuItem>("FileMenu");
}
Ref<QuitMenuItem> Window1::FileQuit() {
  return MenuItemNamed<QuitMenuItem>("FileQuit");
}

}  // namespace app
