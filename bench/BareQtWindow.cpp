#include "bench/BareQtWindow.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <string_view>

#include "app/WindowDesign.h"
#include "conjugation_table/Words.h"
#include "framework/runtime/Array.h"

namespace bench {

namespace {

using app::ControlDesign;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont SystemFont(qreal pointSize) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (pointSize > 0) font.setPointSizeF(pointSize);
  return font;
}

void SetColor(QWidget& widget, QPalette::ColorRole role, const QColor& color) {
  QPalette palette = widget.palette();
  palette.setColor(role, color);
  widget.setPalette(palette);
}

void Place(QWidget& widget, const ControlDesign& design) {
  widget.setGeometry(static_cast<int>(design.left), static_cast<int>(design.top),
                     static_cast<int>(design.width), static_cast<int>(design.height));
}

// The rows are the design's text split at CR; a trailing CR ends the last row.
QStringList Rows(std::string_view content) {
  QStringList rows = FromUtf8(content).split(QLatin1Char('\r'));
  if (!rows.isEmpty() && rows.last().isEmpty()) rows.removeLast();
  return rows;
}

QWidget* AddComboBox(QWidget& content, const ControlDesign& design) {
  auto* combo = new QComboBox(&content);
  // The plain way a hand-written window makes it editable. The framework's rendering gives the
  // combo box its entry without the drop-down's container (built when it first opens) and
  // without the default completer that it would remove again, which costs less.
  combo->setEditable(true);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setFont(SystemFont(16));
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->addItems(Rows(design.content));
  return combo;
}

QWidget* AddTextField(QWidget& content, const QString& text) {
  auto* field = new QPlainTextEdit(&content);
  field->setReadOnly(true);
  field->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  QPalette palette = field->palette();
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  field->setPalette(palette);
  field->setFont(SystemFont(16));
  field->setFocusPolicy(Qt::StrongFocus);
  field->setPlainText(text);
  return field;
}

QWidget* AddLabel(QWidget& content, const ControlDesign& design) {
  auto* label = new QLabel(&content);
  label->setTextFormat(Qt::PlainText);
  label->setFont(SystemFont(14));
  SetColor(*label, QPalette::WindowText, Qt::black);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->setText(FromUtf8(design.content));
  return label;
}

// The random buttons are hidden and disabled.
QWidget* AddButton(QWidget& content, const ControlDesign& design) {
  auto* button = new QPushButton(&content);
  button->hide();
  button->setEnabled(false);
  button->setFont(SystemFont(0));
  SetColor(*button, QPalette::ButtonText, Qt::black);
  button->setFocusPolicy(Qt::NoFocus);
  button->setText(FromUtf8(design.content));
  return button;
}

void AddControls(QWidget& content, const QString& fieldText) {
  QWidget* previous = nullptr;
  for (const ControlDesign& design : app::ControlDesigns()) {
    QWidget* widget = nullptr;
    if (design.kind == app::ControlKind::ComboBox) {
      widget = AddComboBox(content, design);
    } else if (design.kind == app::ControlKind::TextField) {
      widget = AddTextField(content, fieldText);
    } else if (design.kind == app::ControlKind::Label) {
      widget = AddLabel(content, design);
    } else {
      widget = AddButton(content, design);
    }
    Place(*widget, design);
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    if (previous) QWidget::setTabOrder(previous, widget);  // the designs are in tab order
    previous = widget;
  }
}

// File: Quit. Edit: the standard items, disabled while no text widget has focus.
void AddMenus(QMainWindow& window) {
  QMenuBar* bar = window.menuBar();
  QMenu* file = bar->addMenu(QStringLiteral("ファイル"));
  file->addAction(QStringLiteral("終了"), QKeySequence(QStringLiteral("Ctrl+Q")));
  QMenu* edit = bar->addMenu(QStringLiteral("編集"));
  const struct {
    const char16_t* text;
    const char* shortcut;
  } items[] = {{u"元に戻す", "Ctrl+Z"},
               {u"-", ""},
               {u"カット", "Ctrl+X"},
               {u"コピー", "Ctrl+C"},
               {u"貼り付け", "Ctrl+V"},
               {u"削除", ""},
               {u"-", ""},
               {u"すべてを選択", "Ctrl+A"}};
  for (const auto& item : items) {
    const QString text = QString::fromUtf16(item.text);
    if (text == QStringLiteral("-")) {
      edit->addSeparator();
      continue;
    }
    QAction* action = edit->addAction(text, QKeySequence(QString::fromLatin1(item.shortcut)));
    action->setEnabled(false);
  }
}

}  // namespace

std::unique_ptr<QMainWindow> BuildBareWindow(const QString& fieldText) {
  auto window = std::make_unique<QMainWindow>();
  window->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowMinimizeButtonHint);
  window->setWindowTitle(QStringLiteral("ヴェルボリカ"));
  auto* content = new QWidget;  // owned by the window from the next line on
  window->setCentralWidget(content);
  content->setMinimumSize(64, 64);
  SetColor(*content, QPalette::Window, QColor(0xFF, 0x2E, 0x62));
  content->setAutoFillBackground(true);
  AddMenus(*window);
  AddControls(*content, fieldText);
  window->resize(600, 400 + window->menuBar()->sizeHint().height());
  window->show();
  return window;
}

QString FirstCellText() {
  framework::Ref<framework::Array> words = conjugation_table::CreateWords();
  conjugation_table::FillWords(words.get());
  const framework::String cell = framework::ArrayElementGet(words.get(), 0, 0, 0);
  QString text = FromUtf8(cell.Bytes());
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

}  // namespace bench
