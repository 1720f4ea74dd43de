#include "framework/ui/qt/QtEditCommands.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <variant>

namespace framework {

namespace {

// The focused text widget: a list's entry or the read-only field. Nil when there is none.
using EditTarget = std::variant<QLineEdit*, QPlainTextEdit*>;

EditTarget TargetOf(QWidget* focus) {
  // Focus may sit on a combo box, on its entry, or on an editor's viewport.
  for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->lineEdit();
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line;
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) return plain;
    if (widget->isWindow()) break;
  }
  return {};
}

// Asks only for the clipboard's formats, not for its data. With another program owning the
// clipboard that is still a round trip to it, which waits out a program that hangs.
bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

// A list's entry: each command applies while it can act, as the entry's own context menu has it.
bool Available(EditCommand command, const QLineEdit& line) {
  switch (command) {
    case EditCommand::Undo:
      return line.isUndoAvailable();
    case EditCommand::Cut:
    case EditCommand::Copy:
    case EditCommand::Clear:
      return line.hasSelectedText();
    case EditCommand::Paste:
      return ClipboardHasText();
    case EditCommand::SelectAll:
      return true;
  }
  return false;
}

void Perform(EditCommand command, QLineEdit& line) {
  switch (command) {
    case EditCommand::Undo:
      return line.undo();
    case EditCommand::Cut:
      return line.cut();
    case EditCommand::Copy:
      return line.copy();
    case EditCommand::Paste:
      return line.paste();
    case EditCommand::Clear:
      return line.del();
    case EditCommand::SelectAll:
      return line.selectAll();
  }
}

// The field is read-only: its text can be selected and copied, never changed.
bool Available(EditCommand command, const QPlainTextEdit& field) {
  return command == EditCommand::SelectAll ||
         (command == EditCommand::Copy && field.textCursor().hasSelection());
}

void Perform(EditCommand command, QPlainTextEdit& field) {
  if (command == EditCommand::Copy) return field.copy();
  field.selectAll();
}

}  // namespace

bool EditCommandAvailable(EditCommand command, QWidget* focus) {
  return std::visit([command](auto* editor) { return editor && Available(command, *editor); },
                    TargetOf(focus));
}

void PerformEditCommand(EditCommand command, QWidget* focus) {
  std::visit(
      [command](auto* editor) {
        if (editor && Available(command, *editor)) Perform(command, *editor);
      },
      TargetOf(focus));
}

}  // namespace framework
