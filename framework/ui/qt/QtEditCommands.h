#pragma once

#include <QWidget>

#include "framework/ui/EditCommand.h"

namespace framework {

// The standard Edit commands on the focused text widget: a line edit (a combo box's entry
// included) or a plain-text editor. Each applies only while it can act, as the editor's own
// context menu has it: Undo with something to undo, Cut, Copy and Delete with a selection,
// Paste with text on the clipboard, Select All always; on a read-only widget only Copy and
// Select All apply; with no text widget focused none does.
bool EditCommandAvailable(EditCommand command, QWidget* focus);
// Performs the command; false when it is not available.
bool PerformEditCommand(EditCommand command, QWidget* focus);

}  // namespace framework
