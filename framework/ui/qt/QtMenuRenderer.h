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

// Renders one MenuBar model into one window's menu bar and keeps the rendering up to date with
// the model. Choosing an entry runs the window's menu handler for the item's name, then the
// item's standard action. The Edit items that enable themselves follow the window's focused
// editor as their menu is about to show; nothing else asks the editor or the clipboard.
class QtMenuRenderer final : public MenuObserver {
 public:
  QtMenuRenderer(QMenuBar& bar, MenuBar& model, Window& window);
  ~QtMenuRenderer();
  QtMenuRenderer(const QtMenuRenderer&) = delete;
  QtMenuRenderer& operator=(const QtMenuRenderer&) = delete;

  const MenuBar& Model() const noexcept { return *model_; }
  QAction* ActionOf(const MenuItem& item) const;
  // The widget the Edit items act on: the window's focused widget, or, while the menu bar has
  // taken the keyboard focus (opened from the keyboard), the one that had it before.
  QWidget* EditFocus() const;

  void MenuItemChanged(MenuItem& item) override;
  void MenuItemAppended(MenuItem& parent, MenuItem& child) override;

 private:
  void AddEntry(QWidget& container, MenuItem& item);
  QMenu* SubmenuOf(MenuItem& item);
  QMenu& NewMenu(QWidget& parent, MenuItem& item);
  void RefreshEnabling(const MenuItem& menu);
  void ShowItem(QAction& action, const MenuItem& item) const;
  void FollowFocus(QWidget* previous, QWidget* now);

  QPointer<QMenuBar> bar_;
  Ref<MenuBar> model_;
  Window& window_;
  std::unique_ptr<QObject> receiver_;  // receives the widgets' signals; ends with the renderer
  std::map<const MenuItem*, QPointer<QAction>> actions_;
  QPointer<QWidget> focusBeforeBar_;  // while the bar has the keyboard focus
};

}  // namespace framework
