#pragma once

#include <QMainWindow>
#include <QString>
#include <memory>

namespace bench {

// A main window written directly against Qt Widgets, as a Qt developer would write the program's
// window by hand: the same size, title, background, menus and shortcuts, and the same kinds of
// widgets with the same contents, fonts, colours, geometry, visibility and focus policies. Each
// widget gets its font and colours before its contents, so that no contents are laid out twice.
// It is the yardstick for the framework's start-up and memory.
std::unique_ptr<QMainWindow> BuildBareWindow(const QString& fieldText);

// What the program's text field shows after start-up (the first cell of the table), as shown.
QString FirstCellText();

}  // namespace bench
