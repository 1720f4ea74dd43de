#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <map>
#include <memory>

#include "framework/runtime/Ref.h"
#include "framework/ui/MenuItem.h"

namespace framework {

class Window;

// Renders one MenuBar model into one window's menu bar; the model stays fixed while it shows.
// Choosing an entry runs the window's menu handler for the item's name, then the item's standard
// action. An Edit item that enables itself shows whether its command can act on the window's
// editor while its menu is open; once the menu closes the item is enabled again, so that its
// shortcut reaches the command, which checks again whether it can act. Nothing else asks the
// editor or the clipboard.
class QtMenuRenderer final {
 public:
  QtMenuRenderer(QMenuBar& bar, MenuBar& model, Window& window);
  ~QtMenuRenderer();
  QtMenuRenderer(const QtMenuRenderer&) = delete;
  QtMenuRenderer& operator=(const QtMenuRenderer&) = delete;

  const MenuBar& Model() const noexcept { return *model_; }
  QAction* ActionOf(const MenuItem& item) const;
  // The widget the Edit items act on: the window's focused widget, or, while the menu bar has
  // the keyboard focus (after Alt, or Escape from an open menu), the one that had it before.
  QWidget* EditFocus() const;

 private:
  void AddEntry(QWidget& container, MenuItem& item);
  QMenu& NewMenu(QWidget& parent, const MenuItem& item);
  void ShowEnabling(const MenuItem& menu, bool open);
  void FollowFocus(QWidget* previous, QWidget* now);

  QMenuBar& bar_;  // the window ends its bar only after the renderer
  Ref<MenuBar> model_;
  Window& window_;
  std::unique_ptr<QObject> receiver_;  // receives the widgets' signals; ends with the renderer
  std::map<const MenuItem*, QPointer<QAction>> actions_;
  QPointer<QWidget> focusBeforeBar_;  // while the bar has the keyboard focus
};

}  // namespace framework
