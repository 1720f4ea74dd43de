#pragma once

#include <QWidget>
#include <functional>

#include "framework/ui/EditCommand.h"

namespace framework {

// The standard Edit commands on the focused text widget: a line edit (a combo box's entry
// included) or a plain-text editor. Copy and Cut apply while text is selected; on a read-only
// widget only Copy and Select All apply; with no text widget focused none does.
bool EditCommandAvailable(EditCommand command, QWidget* focus);
// Calls `changed` whenever the selection of the focused text widget changes, until the returned
// connection is broken or `receiver` ends; no connection when no text widget has the focus.
QMetaObject::Connection WatchSelection(QWidget* focus, QObject& receiver,
                                       const std::function<void()>& changed);
// Performs the command; false when it is not available.
bool PerformEditCommand(EditCommand command, QWidget* focus);

}  // namespace framework
