#include "framework/ui/qt/QtEditCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>
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
  switch (command) {
    case EditCommand::Copy:
      return HasSelection(editor);
    case EditCommand::Cut:
      return !editor.isReadOnly() && HasSelection(editor);
    case EditCommand::SelectAll:
      return true;
    case EditCommand::Undo:
    case EditCommand::Paste:
    case EditCommand::Clear:
      return !editor.isReadOnly();
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
  if (!EditCommandAvailable(command, focus)) return false;
  std::visit(
      [command](auto* editor) {
        if (editor) Perform(command, *editor);
      },
      TargetOf(focus));
  return true;
}

QMetaObject::Connection WatchSelection(QWidget* focus, QObject& receiver,
                                       const std::function<void()>& changed) {
  return std::visit(
      [&](auto* editor) -> QMetaObject::Connection {
        if (!editor) return {};
        using Editor = std::remove_pointer_t<decltype(editor)>;
        return QObject::connect(editor, &Editor::selectionChanged, &receiver, changed);
      },
      TargetOf(focus));
}

}  // namespace framework
