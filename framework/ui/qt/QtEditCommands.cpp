#include "framework/ui/qt/QtEditCommands.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

namespace framework {

namespace {

struct EditTarget {
  QLineEdit* line = nullptr;
  QPlainTextEdit* plain = nullptr;

  bool Exists() const { return line || plain; }
  bool ReadOnly() const { return line ? line->isReadOnly() : plain->isReadOnly(); }
  // As the editor itself reports it (what its own context menu goes by).
  bool HasSelection() const {
    return line ? line->hasSelectedText() : plain->textCursor().hasSelection();
  }
};

EditTarget TargetOf(QWidget* focus) {
  // Focus may sit on a combo box, on its entry, or on an editor's viewport.
  for (QWidget* widget = focus; widget; widget = widget->parentWidget()) {
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return {combo->lineEdit(), nullptr};
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return {line, nullptr};
    if (auto* plain = qobject_cast<QPlainTextEdit*>(widget)) return {nullptr, plain};
    if (widget->isWindow()) break;
  }
  return {};
}

void PerformOnLine(EditCommand command, QLineEdit& line) {
  switch (command) {
    case EditCommand::Undo:
      line.undo();
      break;
    case EditCommand::Cut:
      line.cut();
      break;
    case EditCommand::Copy:
      line.copy();
      break;
    case EditCommand::Paste:
      line.paste();
      break;
    case EditCommand::Clear:
      if (line.hasSelectedText()) line.del();
      break;
    case EditCommand::SelectAll:
      line.selectAll();
      break;
  }
}

void PerformOnPlain(EditCommand command, QPlainTextEdit& plain) {
  switch (command) {
    case EditCommand::Undo:
      plain.undo();
      break;
    case EditCommand::Cut:
      plain.cut();
      break;
    case EditCommand::Copy:
      plain.copy();
      break;
    case EditCommand::Paste:
      plain.paste();
      break;
    case EditCommand::Clear: {
      QTextCursor cursor = plain.textCursor();
      cursor.removeSelectedText();
      plain.setTextCursor(cursor);
      break;
    }
    case EditCommand::SelectAll:
      plain.selectAll();
      break;
  }
}

}  // namespace

bool EditCommandAvailable(EditCommand command, QWidget* focus) {
  EditTarget target = TargetOf(focus);
  if (!target.Exists()) return false;
  switch (command) {
    case EditCommand::Copy:
      return target.HasSelection();
    case EditCommand::Cut:
      return !target.ReadOnly() && target.HasSelection();
    case EditCommand::SelectAll:
      return true;
    case EditCommand::Undo:
    case EditCommand::Paste:
    case EditCommand::Clear:
      return !target.ReadOnly();
  }
  return false;
}

QMetaObject::Connection WatchSelection(QWidget* focus, QObject& receiver,
                                       const std::function<void()>& changed) {
  EditTarget target = TargetOf(focus);
  if (target.line)
    return QObject::connect(target.line, &QLineEdit::selectionChanged, &receiver, changed);
  if (target.plain) {
    return QObject::connect(target.plain, &QPlainTextEdit::selectionChanged, &receiver, changed);
  }
  return {};
}

bool PerformEditCommand(EditCommand command, QWidget* focus) {
  if (!EditCommandAvailable(command, focus)) return false;
  EditTarget target = TargetOf(focus);
  if (target.line) {
    PerformOnLine(command, *target.line);
  } else {
    PerformOnPlain(command, *target.plain);
  }
  return true;
}

}  // namespace framework
