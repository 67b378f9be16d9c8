#pragma once

#include <QPixmap>
#include <QSize>

namespace numora::art {

// The small pictures beside the draw list's headings, each its own: a
// numbered blue ball for B1 to B7, a gold ball with a star for Bonus, a red
// ball marked P for PowerBall and a calendar page for DATE.
inline QSize headingIconSize() { return {16, 16}; }
// The icon of a column of the draw list (0 to 8); the bonus column shows the
// PowerBall icon when asked. A null pixmap for any other column.
QPixmap drawHeadingIcon(int column, bool powerBall);

}  // namespace numora::art
