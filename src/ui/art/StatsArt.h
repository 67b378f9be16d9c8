#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace numora::art {

// The Draw Stats window's header: a row of balls and the words "Number
// Frequency" on a band, copied unscaled at the header's place.
inline QSize statsHeaderSize() { return {180, 26}; }
QPixmap statsHeaderPicture();

// The Draw Stats window's decorative picture: balls on top of the bars of a chart.
inline QSize statsPictureSize() { return {44, 44}; }
QPixmap statsPicture();

// The toolbar button that closes a window: a red square with a white cross.
QIcon closeToolbarIcon();

}  // namespace numora::art
