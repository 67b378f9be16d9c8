#pragma once

#include <QPixmap>
#include <QSize>

namespace numora::art {

// The logo above the balls, the same for every lottery: three small balls and
// the program's name. It is copied unscaled at the logo placeholder.
inline QSize logoSize() { return {150, 30}; }
QPixmap logoPicture();

// Picture 172 of the main window: a four-leaf clover for luck.
inline constexpr int kCloverPictureNumber = 172;
inline QSize cloverSize() { return {36, 36}; }
QPixmap cloverPicture();

}  // namespace numora::art
