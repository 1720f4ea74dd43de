#include "framework/ui/qt/QtEditCommands.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <variant>

namespace framework {

namespace {

// The focused text widget: a line edit (a combo box's entry included) or a plain-text editor;
// the two have the same editing operations but no common interface. Nil when there is none.
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

// As the editor itself reports it (what its own context menu goes by).
bool HasSelection(const QLineEdit& line) {
  return line.hasSelectedText();
}
bool HasSelection(const QPlainTextEdit& plain) {
  return plain.textCursor().hasSelection();
}
bool CanUndo(const QLineEdit& line) {
  return line.isUndoAvailable();
}
bool CanUndo(const QPlainTextEdit& plain) {
  return plain.document()->isUndoAvailable();
}
// Asks only for the clipboard's formats, not for its data. With another program owning the
// clipboard that is still a round trip to it, which waits out a program that hangs.
bool ClipboardHasText() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  return data && data->hasText();
}

void DeleteSelection(QLineEdit& line) {
  if (line.hasSelectedText()) line.del();
}
void DeleteSelection(QPlainTextEdit& plain) {
  QTextCursor cursor = plain.textCursor();
  cursor.removeSelectedText();
  plain.setTextCursor(cursor);
}

template <class Editor>
bool Available(EditCommand command, const Editor& editor) {
  const bool editable = !editor.isReadOnly();
  switch (command) {
    case EditCommand::Undo:
      return editable && CanUndo(editor);
    case EditCommand::Cut:
    case EditCommand::Clear:
      return editable && HasSelection(editor);
    case EditCommand::Copy:
      return HasSelection(editor);
    case EditCommand::Paste:
      return editable && ClipboardHasText();
    case EditCommand::SelectAll:
      return true;
  }
  return false;
}

template <class Editor>
void Perform(EditCommand command, Editor& editor) {
  switch (command) {
    case EditCommand::Undo:
      return editor.undo();
    case EditCommand::Cut:
      return editor.cut();
    case EditCommand::Copy:
      return editor.copy();
    case EditCommand::Paste:
      return editor.paste();
    case EditCommand::Clear:
      return DeleteSelection(editor);
    case EditCommand::SelectAll:
      return editor.selectAll();
  }
}

}  // namespace

bool EditCommandAvailable(EditCommand command, QWidget* focus) {
  return std::visit([command](auto* editor) { return editor && Available(command, *editor); },
                    TargetOf(focus));
}

bool PerformEditCommand(EditCommand command, QWidget* focus) {
  return std::visit(
      [command](auto* editor) {
        if (!editor || !Available(command, *editor)) return false;
        Perform(command, *editor);
        return true;
      },
      TargetOf(focus));
}

}  // namespace framework
