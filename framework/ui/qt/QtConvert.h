#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "framework/runtime/String.h"
#include "framework/runtime/Value.h"
#include "framework/ui/View.h"

namespace framework {

// Framework strings are UTF-8 bytes; bytes that are no UTF-8 show as replacement characters.
inline QString ToQString(const String& text) {
  std::string_view bytes = text.Bytes();
  return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline String FromQString(const QString& text) {
  QByteArray bytes = text.toUtf8();
  return String(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// The text as shown: CR LF and CR become line breaks. The framework keeps the original bytes.
QString DisplayText(const String& text);

// 0xTTRRGGBB, TT the transparency (0 opaque).
inline QColor ToQColor(Color color) {
  return QColor(static_cast<int>((color.value >> 16) & 0xFF),
                static_cast<int>((color.value >> 8) & 0xFF), static_cast<int>(color.value & 0xFF),
                255 - static_cast<int>((color.value >> 24) & 0xFF));
}

// The desktop's user-interface font at a size in points; size 0 is its default size.
QFont SystemFont(float points);

// A framework coordinate or size as a widget coordinate.
inline int ToWidgetUnits(std::int64_t value) {
  constexpr std::int64_t kLimit = 16777215;  // the toolkit's largest widget size
  return static_cast<int>(std::clamp<std::int64_t>(value, -kLimit, kLimit));
}

// Deletes a Qt object at the next turn of the event loop: safe from inside its own signals.
struct DeleteLater {
  void operator()(QObject* object) const {
    if (object) object->deleteLater();
  }
};

}  // namespace framework
