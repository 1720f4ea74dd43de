#include "framework/ui/qt/QtMenuRenderer.h"

#include <QApplication>
#include <QKeySequence>

#include "framework/ui/EditCommand.h"
#include "framework/ui/Process.h"
#include "framework/ui/Window.h"
#include "framework/ui/qt/QtConvert.h"
#include "framework/ui/qt/QtEditCommands.h"

namespace framework {

namespace {

// Runs a chosen item; nothing of the renderer is touched, since the choice may close the window.
void ChooseItem(MenuItem* item, Window* window) {
  Ref<MenuItem> chosen(item);
  Ref<Window> owner(window);
  CallWithExceptionHandling([&] { chosen->ChooseIn(owner.get()); });
}

// An ampersand in a caption is shown, not taken as a mnemonic.
QString Caption(const MenuItem& item) {
  return ToQString(item.Text()).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

QtMenuRenderer::QtMenuRenderer(QMenuBar& bar, MenuBar& model, Window& window)
    : bar_(&bar), model_(&model), window_(window), receiver_(std::make_unique<QObject>()) {
  for (std::int64_t i = 0; i < model.Count(); ++i) AddEntry(bar, *model.Item(i));
  model_->AddObserver(*this);
  QObject::connect(qApp, &QApplication::focusChanged, receiver_.get(),
                   [this](QWidget* previous, QWidget* now) { FollowFocus(previous, now); });
}

QtMenuRenderer::~QtMenuRenderer() {
  model_->RemoveObserver(*this);
}

QAction* QtMenuRenderer::ActionOf(const MenuItem& item) const {
  auto found = actions_.find(&item);
  return found == actions_.end() ? nullptr : found->second.data();
}

void QtMenuRenderer::AddEntry(QWidget& container, MenuItem& item) {
  QAction* action = nullptr;
  bool isMenu = &container == bar_.data() || item.Count() > 0;
  if (isMenu && !item.IsSeparator()) {
    action = NewMenu(container, item).menuAction();
  } else {
    action = new QAction(&container);  // owned by the menu bar or its menu
    QObject::connect(action, &QAction::triggered, receiver_.get(),
                     [item = &item, window = &window_] { ChooseItem(item, window); });
  }
  container.addAction(action);
  actions_[&item] = action;
  ShowItem(*action, item);
  if (QMenu* menu = action->menu<QMenu*>()) {
    for (std::int64_t i = 0; i < item.Count(); ++i) AddEntry(*menu, *item.Item(i));
  }
}

QMenu* QtMenuRenderer::SubmenuOf(MenuItem& item) {
  QAction* action = ActionOf(item);
  if (!action) return nullptr;  // not in this rendering
  if (QMenu* menu = action->menu<QMenu*>()) return menu;
  // A plain item that gets children becomes a submenu.
  QMenu& menu = NewMenu(*qobject_cast<QWidget*>(action->parent()), item);
  action->setMenu(&menu);
  return &menu;
}

// The items of a menu are made available as it is about to show, as the toolkit's own context
// menus do, so that only opening a menu asks anything of the clipboard.
QMenu& QtMenuRenderer::NewMenu(QWidget& parent, MenuItem& item) {
  auto* menu = new QMenu(&parent);  // owned by the menu bar or its parent menu
  QObject::connect(menu, &QMenu::aboutToShow, receiver_.get(),
                   [this, &item] { RefreshEnabling(item); });
  return *menu;
}

void QtMenuRenderer::ShowItem(QAction& action, const MenuItem& item) const {
  action.setSeparator(item.IsSeparator());
  action.setText(item.IsSeparator() ? QString() : Caption(item));  // a separator is only a line
  if (QMenu* menu = action.menu<QMenu*>()) menu->setTitle(Caption(item));
  action.setShortcut(QKeySequence::fromString(QString::fromStdString(item.PortableShortcut()),
                                              QKeySequence::PortableText));
  action.setVisible(item.Visible());
}

void QtMenuRenderer::MenuItemChanged(MenuItem& item) {
  if (QAction* action = ActionOf(item)) ShowItem(*action, item);
}

void QtMenuRenderer::MenuItemAppended(MenuItem& parent, MenuItem& child) {
  if (&parent == model_.get()) {
    if (bar_) AddEntry(*bar_, child);
  } else if (QMenu* menu = SubmenuOf(parent)) {
    AddEntry(*menu, child);
  }
}

// Opening the menus from the keyboard moves the focus to the bar; the editor that had it stays
// the one the Edit items act on, and gets the focus back when the menus close.
void QtMenuRenderer::FollowFocus(QWidget* previous, QWidget* now) {
  if (!bar_) return;
  QWidget* window = bar_->window();
  if (now == bar_) {
    if (previous && previous->window() == window) focusBeforeBar_ = previous;
  } else if (now && now->window() == window) {
    focusBeforeBar_ = nullptr;
  }
}

QWidget* QtMenuRenderer::EditFocus() const {
  if (!bar_ || !bar_->window()) return nullptr;
  QWidget* focus = bar_->window()->focusWidget();
  return focus == bar_ ? focusBeforeBar_.data() : focus;
}

// An Edit item that enables itself does so while its command can act on the editor; any other
// item stays enabled.
void QtMenuRenderer::RefreshEnabling(const MenuItem& menu) {
  QWidget* focus = EditFocus();
  for (std::int64_t i = 0; i < menu.Count(); ++i) {
    const Ref<MenuItem> item = menu.Item(i);
    QAction* action = ActionOf(*item);
    std::optional<EditCommand> command = EditCommandForItemName(item->Name().Bytes());
    if (action && command) {
      action->setEnabled(!item->AutoEnable() || EditCommandAvailable(*command, focus));
    }
  }
}

}  // namespace framework
