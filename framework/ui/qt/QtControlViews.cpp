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
#include <QTextDocument>
#include <QTextOption>

#include "framework/ui/BevelButton.h"
#include "framework/ui/ComboBox.h"
#include "framework/ui/TextField.h"

namespace framework {

namespace {

// Alignment values: 0 the default (left), 1 left, 2 centre, 3 right.
Qt::Alignment HorizontalAlignment(std::int64_t alignment) {
  switch (alignment) {
    case 2:
      return Qt::AlignHCenter;
    case 3:
      return Qt::AlignRight;
    default:
      return Qt::AlignLeft;
  }
}

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

QtListView::QtListView(PopupMenu& model, QWidget& parent, bool editable)
    : QtControlView(parent), model_(model), editable_(editable) {
  if (editable) {
    // An entry of its own, without the drop-down's container, which the list builds when it
    // first opens. The entry comes with an empty completer so that the combo box makes none
    // over its rows: typed text is not completed, and is never added as a new row either.
    auto* entry = new QtListEntry(widget_);      // owned by the combo box
    entry->setCompleter(new QCompleter(entry));  // owned by the entry
    widget_->setLineEdit(entry);
    widget_->setCompleter(nullptr);
    widget_->setInsertPolicy(QComboBox::NoInsert);
    QObject::connect(widget_, &QComboBox::editTextChanged, receiver_.get(),
                     [this] { ReportUserChange(); });
    QObject::connect(widget_, &QComboBox::activated, receiver_.get(), [this] { ShowTextStart(); });
  }
  QObject::connect(widget_, &QComboBox::currentIndexChanged, receiver_.get(),
                   [this] { ReportUserChange(); });
}

void QtListView::ReportUserChange() {
  String text = editable_ ? FromQString(widget_->currentText()) : String();
  // The last thing the view does: the model's Change handler may end this view.
  model_.UserChanged(widget_->currentIndex(), text);
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
  if (editable_) {
    widget_->setEditText(ToQString(text));
    ShowTextStart();
  }
}

void QtListView::ShowCurrentRow(std::int64_t row) {
  QSignalBlocker block(widget_.data());
  widget_->setCurrentIndex(static_cast<int>(row));  // the entry already shows the row's text
}

// A row longer than the entry shows its start (its number and first words), not its end.
void QtListView::ShowTextStart() {
  widget_->lineEdit()->setCursorPosition(0);
}

void QtListView::SetAutoComplete(bool enabled) {
  if (!editable_) return;
  QSignalBlocker block(widget_.data());
  if (!enabled) {
    widget_->setCompleter(nullptr);
    return;
  }
  if (widget_->completer()) return;
  auto* completer = new QCompleter(widget_->model(), widget_.data());  // owned by the widget
  completer->setCompletionMode(QCompleter::InlineCompletion);
  completer->setCaseSensitivity(Qt::CaseInsensitive);
  widget_->setCompleter(completer);
}

// --- QtTextView ------------------------------------------------------------------------------

QVariant QtPlainTextEdit::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled && isReadOnly()) return false;
  return QPlainTextEdit::inputMethodQuery(query);
}

void QtPlainTextEdit::inputMethodEvent(QInputMethodEvent* event) {
  if (isReadOnly()) {
    event->ignore();
    return;
  }
  QPlainTextEdit::inputMethodEvent(event);
}

QtTextView::QtTextView(TextEdit& model, QWidget& parent) : QtControlView(parent) {
  widget_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  QObject::connect(widget_, &QPlainTextEdit::textChanged, receiver_.get(), [this, &model] {
    edited_ = true;
    model.UserEditedText(TextFromDisplay(widget_->toPlainText()));
  });
}

// Setting a text lays it out anew and puts the cursor, the selection and the scrolling back to
// the start. A read-only editor that shows this very text that way already is left as it is.
bool QtTextView::ShowsAsSet(const QString& shown) const {
  if (edited_ || !widget_->isReadOnly() || shown != shown_) return false;
  const QTextCursor cursor = widget_->textCursor();
  return cursor.position() == 0 && cursor.anchor() == 0 &&
         widget_->verticalScrollBar()->value() == 0 && widget_->horizontalScrollBar()->value() == 0;
}

void QtTextView::SetText(const String& text) {
  QString shown = DisplayText(text);
  if (ShowsAsSet(shown)) return;
  {
    QSignalBlocker block(widget_.data());
    widget_->setPlainText(shown);
  }
  shown_ = std::move(shown);
  edited_ = false;
}

void QtTextView::SetReadOnly(bool readOnly) {
  widget_->setReadOnly(readOnly);
  if (readOnly) {
    widget_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  }
}

void QtTextView::SetColors(Color text, Color back) {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::Text, ToQColor(text));
  palette.setColor(QPalette::Base, ToQColor(back));
  widget_->setPalette(palette);
}

void QtTextView::SetBorder(bool border) {
  widget_->setFrameShape(border ? QFrame::StyledPanel : QFrame::NoFrame);
}

void QtTextView::SetAlignment(std::int64_t alignment) {
  QTextOption option = widget_->document()->defaultTextOption();
  option.setAlignment(HorizontalAlignment(alignment));
  widget_->document()->setDefaultTextOption(option);
}

// --- QtLabelView -----------------------------------------------------------------------------

QtLabelView::QtLabelView(QWidget& parent) : QtControlView(parent) {
  widget_->setTextFormat(Qt::PlainText);
}

void QtLabelView::SetText(const String& text, bool multiLine) {
  QString shown = DisplayText(text);
  if (!multiLine) shown.replace(QLatin1Char('\n'), QLatin1Char(' '));
  widget_->setWordWrap(multiLine);
  widget_->setText(shown);
}

void QtLabelView::SetTextColor(Color color) {
  SetPaletteColor(*widget_, QPalette::WindowText, color);
}

void QtLabelView::SetAlignment(std::int64_t alignment) {
  widget_->setAlignment(HorizontalAlignment(alignment) | Qt::AlignVCenter);
}

void QtLabelView::SetSelectable(bool selectable) {
  widget_->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
}

// --- QtButtonView ----------------------------------------------------------------------------

QtButtonView::QtButtonView(BevelButton& model, QWidget& parent) : QtControlView(parent) {
  QObject::connect(widget_, &QPushButton::clicked, receiver_.get(),
                   [&model] { model.UserPressed(); });
}

void QtButtonView::SetCaption(const String& caption) {
  widget_->setText(ToQString(caption));
}

// Only the button's own colours are set, so that it goes on taking the others from the window.
void QtButtonView::SetColors(Color text, bool hasBackColor, Color back) {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::ButtonText, ToQColor(text));
  const QWidget* parent = widget_->parentWidget();
  palette.setColor(QPalette::Button, hasBackColor ? ToQColor(back)
                                     : parent     ? parent->palette().color(QPalette::Button)
                                                  : QPalette().color(QPalette::Button));
  widget_->setPalette(palette);
}

}  // namespace framework
