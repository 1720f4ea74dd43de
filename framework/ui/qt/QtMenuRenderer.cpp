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
  CallWithExceptionHandling([&] { chosen->ChooseIn(*owner); });
}

// An ampersand in a caption is shown, not taken as a mnemonic.
QString Caption(const MenuItem& item) {
  return ToQString(item.Text()).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace

QtMenuRenderer::QtMenuRenderer(QMenuBar& bar, MenuBar& model, Window& window)
    : bar_(bar), model_(&model), window_(window), receiver_(std::make_unique<QObject>()) {
  for (std::int64_t i = 0; i < model.Count(); ++i) AddEntry(bar, *model.Item(i));
  model_->BeginShowing();
  QObject::connect(qApp, &QApplication::focusChanged, receiver_.get(),
                   [this](QWidget* previous, QWidget* now) { FollowFocus(previous, now); });
}

QtMenuRenderer::~QtMenuRenderer() {
  model_->EndShowing();
}

QAction* QtMenuRenderer::ActionOf(const MenuItem& item) const {
  auto found = actions_.find(&item);
  return found == actions_.end() ? nullptr : found->second.data();
}

void QtMenuRenderer::AddEntry(QWidget& container, MenuItem& item) {
  QAction* action = nullptr;
  if (!item.IsSeparator() && (&container == &bar_ || item.Count() > 0)) {
    QMenu& menu = NewMenu(container, item);
    for (std::int64_t i = 0; i < item.Count(); ++i) AddEntry(menu, *item.Item(i));
    action = menu.menuAction();
  } else {
    action = new QAction(&container);  // owned by the menu bar or its menu
    QObject::connect(action, &QAction::triggered, receiver_.get(),
                     [item = &item, window = &window_] { ChooseItem(item, window); });
  }
  action->setSeparator(item.IsSeparator());
  action->setText(item.IsSeparator() ? QString() : Caption(item));  // a separator is only a line
  action->setShortcut(QKeySequence::fromString(QString::fromStdString(item.PortableShortcut()),
                                               QKeySequence::PortableText));
  action->setVisible(item.Visible());
  container.addAction(action);
  actions_[&item] = action;
}

// The items of a menu are made available as it is about to show, as the toolkit's own context
// menus do: opening a menu, or performing a command, is all that asks anything of the clipboard.
QMenu& QtMenuRenderer::NewMenu(QWidget& parent, const MenuItem& item) {
  auto* menu = new QMenu(&parent);  // owned by the menu bar or its parent menu
  QObject::connect(menu, &QMenu::aboutToShow, receiver_.get(),
                   [this, &item] { ShowEnabling(item, true); });
  QObject::connect(menu, &QMenu::aboutToHide, receiver_.get(),
                   [this, &item] { ShowEnabling(item, false); });
  return *menu;
}

// The menu bar takes the keyboard focus after Alt, or after Escape from an open menu; the
// editor that had it stays the one the Edit items act on, and gets the focus back on Escape.
// The bar remembers the widget it took the focus from, and none when it took it from no widget
// of this window: an editor that had the focus earlier is not the user's any more.
void QtMenuRenderer::FollowFocus(QWidget* previous, QWidget* now) {
  if (now != &bar_) return;
  focusBeforeBar_ = previous && previous->window() == bar_.window() ? previous : nullptr;
}

QWidget* QtMenuRenderer::EditFocus() const {
  QWidget* focus = bar_.window()->focusWidget();
  return focus == &bar_ ? focusBeforeBar_.data() : focus;
}

// While its menu is open, an Edit item that enables itself shows whether its command can act on
// the editor; any other item stays enabled. Once the menu closes, every item is enabled again:
// what the menu showed must not decide a shortcut pressed later.
void QtMenuRenderer::ShowEnabling(const MenuItem& menu, bool open) {
  QWidget* focus = open ? EditFocus() : nullptr;
  for (std::int64_t i = 0; i < menu.Count(); ++i) {
    const Ref<MenuItem> item = menu.Item(i);
    QAction* action = ActionOf(*item);
    std::optional<EditCommand> command = EditCommandForItemName(item->Name().Bytes());
    if (action && command) {
      action->setEnabled(!open || !item->AutoEnable() || EditCommandAvailable(*command, focus));
    }
  }
}

}  // namespace framework
