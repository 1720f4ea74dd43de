#include "framework/ui/qt/QtConvert.h"

#include <QFontDatabase>

namespace framework {

QString DisplayText(const String& text) {
  QString shown = ToQString(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

String TextFromDisplay(const QString& shown) {
  QString text = shown;
  text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
  text.replace(QLatin1Char('\n'), QLatin1Char('\r'));
  return FromQString(text);
}

QFont ToQFont(const FontSpec& font) {
  QFont qfont = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  if (!font.family.empty()) qfont.setFamilies({QString::fromStdString(font.family)});
  if (font.pointSize > 0.0F) qfont.setPointSizeF(static_cast<qreal>(font.pointSize));
  qfont.setBold(font.bold);
  qfont.setItalic(font.italic);
  qfont.setUnderline(font.underline);
  return qfont;
}

}  // namespace framework
