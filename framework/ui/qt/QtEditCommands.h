#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "framework/ui/EditCommand.h"

namespace framework {

// The standard Edit commands on the focused text widget: a line edit (a combo box's entry
// included) or a plain-text editor. Each applies only while it can act, as the editor's own
// context menu has it: Undo with something to undo, Cut, Copy and Delete with a selection,
// Paste with text on the clipboard, Select All always; on a read-only widget only Copy and
// Select All apply; with no text widget focused none does.
bool EditCommandAvailable(EditCommand command, QWidget* focus);
// Calls `changed` whenever the focused text widget's selection, text or undo state changes,
// until the returned connections are broken or `receiver` ends; none when no text widget has
// the focus.
std::vector<QMetaObject::Connection> WatchEditorState(QWidget* focus, QObject& receiver,
                                                      const std::function<void()>& changed);
// Performs the command; false when it is not available.
bool PerformEditCommand(EditCommand command, QWidget* focus);

}  // namespace framework
