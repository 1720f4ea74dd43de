#pragma once

#include <QWidget>

#include "framework/ui/EditCommand.h"

namespace framework {

// The standard Edit commands on the focused text widget: a list's entry or the read-only field.
// Each applies only while it can act, as the editor's own context menu has it: Undo with
// something to undo, Cut, Copy and Delete with a selection, Paste with text on the clipboard,
// Select All always; on the read-only field only Copy and Select All apply; with no text widget
// focused none does.
bool EditCommandAvailable(EditCommand command, QWidget* focus);
// Performs the command when it is available.
void PerformEditCommand(EditCommand command, QWidget* focus);

}  // namespace framework
