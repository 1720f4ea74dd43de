#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "framework/ui/qt/QtControlView.h"

namespace framework {

class BevelButton;
class PopupMenu;

// A combo box whose drop-down is at least as wide as its widest row, so that no row is cut
// short there; the box itself keeps its size and place.
class QtComboBox final : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override;
};

// A read-only plain-text editor that takes no text in any form. The toolkit's editor refuses
// typed keys, pastes and drops when read-only, but still takes an input method's commit and
// pre-edit text while its text is selectable by keyboard: a dead key or a compose sequence would
// replace the selection.
class QtPlainTextEdit final : public QPlainTextEdit {
 public:
  using QPlainTextEdit::QPlainTextEdit;
  QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  void inputMethodEvent(QInputMethodEvent* event) override;
};

// A combo box's entry that keeps its selection while the menu bar has the keyboard focus, so
// that the Edit items and their shortcuts act on it there; when the focus moves on from the bar
// to another control, the entry drops its selection as on any focus loss. (The toolkit's line
// edit drops it on any focus loss but to a popup or another window, the bar included.)
class QtListEntry final : public QLineEdit {
 public:
  using QLineEdit::QLineEdit;

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void FocusMovedOn(QWidget* now);
  QMetaObject::Connection focusWatch_;  // while the bar has the focus it took from the entry
};

// An editable combo box that neither completes typed text nor adds it as a row. Programmatic
// changes block the widget's signals, so only the user's changes reach the model. A chosen row
// shows from its start.
class QtListView final : public QtControlView<ListView, QtComboBox> {
 public:
  QtListView(PopupMenu& model, QWidget& parent);
  void SetRows(std::span<const String> rows) override;
  void SetSelection(std::int64_t row, const String& text) override;
  void ShowCurrentRow(std::int64_t row) override;

 private:
  void ReportUserChange();
  void ShowTextStart();
  PopupMenu& model_;
};

// A read-only, selectable plain-text editor that shows CRs as line breaks and wraps at its width.
class QtTextView final : public QtControlView<TextView, QtPlainTextEdit> {
 public:
  explicit QtTextView(QWidget& parent);
  void SetText(const String& text) override;
  void SetColors(Color text, Color back) override;

 private:
  bool ShowsAsSet(const QString& shown) const;
  QString shown_;  // the text last set
};

class QtLabelView final : public QtControlView<LabelView, QLabel> {
 public:
  explicit QtLabelView(QWidget& parent);
  void SetText(const String& text) override;
  void SetTextColor(Color color) override;
};

class QtButtonView final : public QtControlView<ButtonView, QPushButton> {
 public:
  QtButtonView(BevelButton& model, QWidget& parent);
  void SetCaption(const String& caption) override;
  void SetTextColor(Color color) override;
};

}  // namespace framework
