#pragma once

#include "ui/main/MainWindowLayout.h"

class QBoxLayout;
class QHBoxLayout;
class QVBoxLayout;
class QWidget;

namespace numora {

// The three layouts of the main window. Each places the controls made for it
// into `column`, the window's top-to-bottom layout, which has no side
// margins so that the row of balls can use the full width, and gives the
// buttons their captions.
void arrangePortrait(QDialog& window, MainWindowControls& controls, QVBoxLayout& column);
void arrangeLandscape(QDialog& window, MainWindowControls& controls, QVBoxLayout& column);
void arrangeSquare(QDialog& window, MainWindowControls& controls, QVBoxLayout& column);

// A row with the window's side margins, added to the column.
QHBoxLayout* addMarginRow(QVBoxLayout& column);
// The status line beside the progress bar.
void addStatusRow(QBoxLayout& row, MainWindowControls& controls);
// Picture 172.
QLabel* makePicture(QWidget& window);

}  // namespace numora
