#pragma once

#include <QPixmap>
#include <QSize>

#include "settings/LotteryProfile.h"

namespace numora::art {

// The small pictures beside the draw list's headings, each its own: a
// numbered blue ball for B1 to B7, a numbered ball of the second drum's
// colour for S1 to S3, a gold ball with a star for Bonus, a red ball marked P
// for PowerBall and a calendar page for DATE.
inline QSize headingIconSize() { return {16, 16}; }
// The icon of a column of the draw list (0 to 8) for the lottery: the columns
// of its second drum's numbers show theirs, the bonus column the PowerBall
// icon for a PowerBall lottery. A null pixmap for any other column.
QPixmap drawHeadingIcon(int column, const LotteryProfile& lottery);

}  // namespace numora::art
