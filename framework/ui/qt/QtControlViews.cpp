#include "framework/ui/qt/QtControlViews.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QMenuBar>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextCursor>

#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"

namespace framework {

namespace {

void SetPaletteColor(QWidget& widget, QPalette::ColorRole role, Color color) {
  QPalette palette = widget.palette();
  palette.setColor(role, ToQColor(color));
  widget.setPalette(palette);
}

}  // namespace

QWidget* WidgetOfView(const ControlView* view) noexcept {
  const auto* holder = dynamic_cast<const QtWidgetHolder*>(view);
  return holder ? holder->Widget() : nullptr;
}

// --- QtListView ------------------------------------------------------------------------------

void QtComboBox::showPopup() {
  QAbstractItemView* rows = view();
  rows->setTextElideMode(Qt::ElideNone);
  const int scrollBar = rows->verticalScrollBar()->sizeHint().width();
  rows->setMinimumWidth(rows->sizeHintForColumn(0) + 2 * rows->frameWidth() + scrollBar);
  QComboBox::showPopup();
}

void QtListEntry::focusOutEvent(QFocusEvent* event) {
  if (event->reason() != Qt::MenuBarFocusReason) return QLineEdit::focusOutEvent(event);
  // Lost to the menu bar as to a popup: all else the entry does on focus loss stays the same.
  QFocusEvent toBar(QEvent::FocusOut, Qt::PopupFocusReason);
  QLineEdit::focusOutEvent(&toBar);
  disconnect(focusWatch_);
  focusWatch_ = connect(qApp, &QApplication::focusChanged, this,
                        [this](QWidget*, QWidget* now) { FocusMovedOn(now); });
}

// The bar hands the focus back (to the combo box, the entry's focus proxy) or on to another
// control of the window; leaving the window, or a bar taking it again, decides nothing yet.
void QtListEntry::FocusMovedOn(QWidget* now) {
  if (!now || now->window() != window() || qobject_cast<QMenuBar*>(now)) return;
  disconnect(focusWatch_);
  if (now != this && now != focusProxy()) deselect();
}

QtListView::QtListView(PopupMenu& model, QWidget& parent) : QtControlView(parent), model_(model) {
  // An entry of its own, without the drop-down's container, which the list builds when it first
  // opens. The entry comes with an empty completer so that the combo box makes none over its
  // rows: typed text is not completed, and is never added as a new row either.
  auto* entry = new QtListEntry(widget_);      // owned by the combo box
  entry->setCompleter(new QCompleter(entry));  // owned by the entry
  widget_->setLineEdit(entry);
  widget_->setInsertPolicy(QComboBox::NoInsert);
  QObject::connect(widget_, &QComboBox::editTextChanged, receiver_.get(),
                   [this] { ReportUserChange(); });
  QObject::connect(widget_, &QComboBox::activated, receiver_.get(), [this] { ShowTextStart(); });
  QObject::connect(widget_, &QComboBox::currentIndexChanged, receiver_.get(),
                   [this] { ReportUserChange(); });
}

void QtListView::ReportUserChange() {
  // The last thing the view does: the model's Change handler may end this view.
  model_.UserChanged(widget_->currentIndex(), FromQString(widget_->currentText()));
}

void QtListView::SetRows(std::span<const String> rows) {
  QStringList shown;
  shown.reserve(static_cast<qsizetype>(rows.size()));
  for (const String& row : rows) shown.append(ToQString(row));
  QSignalBlocker block(widget_.data());
  widget_->clear();
  widget_->addItems(shown);  // one insertion: the list model and view update once
}

void QtListView::SetSelection(std::int64_t row, const String& text) {
  QSignalBlocker block(widget_.data());
  widget_->setCurrentIndex(static_cast<int>(row));
  widget_->setEditText(ToQString(text));
  ShowTextStart();
}

void QtListView::ShowCurrentRow(std::int64_t row) {
  QSignalBlocker block(widget_.data());
  widget_->setCurrentIndex(static_cast<int>(row));  // the entry already shows the row's text
}

// A row longer than the entry shows its start (its number and first words), not its end.
void QtListView::ShowTextStart() {
  widget_->lineEdit()->setCursorPosition(0);
}

// --- QtTextView ------------------------------------------------------------------------------

QVariant QtPlainTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled) return false;
  return QPlainTextEdit::inputMethodQuery(query);
}

void QtPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  event->ignore();
}

QtTextView::QtTextView(QWidget& parent) : QtControlView(parent) {
  widget_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  widget_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

// Setting a text lays it out anew and puts the cursor, the selection and the scrolling back to
// the start. An editor that shows this very text that way already is left as it is. (The lines
// wrap at the editor's width, so it never scrolls sideways.)
bool QtTextView::ShowsAsSet(const QString& shown) const {
  if (shown != shown_) return false;
  const QTextCursor cursor = widget_->textCursor();
  return cursor.position() == 0 && cursor.anchor() == 0 &&
         widget_->verticalScrollBar()->value() == 0;
}

void QtTextView::SetText(const String& text) {
  QString shown = DisplayText(text);
  if (ShowsAsSet(shown)) return;
  {
    QSignalBlocker block(widget_.data());
    widget_->setPlainText(shown);
  }
  shown_ = std::move(shown);
}

void QtTextView::SetColors(Color text, Color back) {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Text, ToQColor(text));
  palette.setColor(QPalette::Base, ToQColor(back));
  widget_->setPalette(palette);
}

// --- QtLabelView -----------------------------------------------------------------------------

QtLabelView::QtLabelView(QWidget& parent) : QtControlView(parent) {
  widget_->setTextFormat(Qt::PlainText);
  widget_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  widget_->setTextInteractionFlags(Qt::NoTextInteraction);
}

// On one line: a CR shows as a blank.
void QtLabelView::SetText(const String& text) {
  widget_->setText(DisplayText(text).replace(QLatin1Char('\n'), QLatin1Char(' ')));
}

void QtLabelView::SetTextColor(Color color) {
  SetPaletteColor(*widget_, QPalette::WindowText, color);
}

// --- QtButtonView ----------------------------------------------------------------------------

QtButtonView::QtButtonView(BevelButton& model, QWidget& parent) : QtControlView(parent) {
  QObject::connect(widget_, &QPushButton::clicked, receiver_.get(),
                   [&model] { model.UserPressed(); });
}

void QtButtonView::SetCaption(const String& caption) {
  widget_->setText(ToQString(caption));
}

// Only the text colour is the button's own: it takes the others from the window.
void QtButtonView::SetTextColor(Color color) {
  SetPaletteColor(*widget_, QPalette::ButtonText, color);
}

}  // namespace framework
