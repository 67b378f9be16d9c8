#pragma once

#include <QPainter>

namespace numora::art {

// Each glyph paints one icon on a 16 by 16 grid (the painter is scaled to the
// icon's real size): ink outlines one unit wide over the fills of Colors.
using Glyph = void (*)(QPainter&);
inline constexpr qreal kGlyphGrid = 16.0;

}  // namespace numora::art

namespace numora::art::glyphs {

void lotteryBalls(QPainter& p);     // the program: three balls
void pick(QPainter& p);             // a ball with a sparkle
void pastDraws(QPainter& p);        // a calendar page
void drawStats(QPainter& p);        // a bar chart
void exportPicks(QPainter& p);      // a page of numbers with an arrow out
void lotteryProfile(QPainter& p);   // a ball and a pencil
void erasePicks(QPainter& p);       // an eraser
void importDraws(QPainter& p);      // a table with an arrow in
void exportDraws(QPainter& p);      // a table with an arrow out
void browse(QPainter& p);           // an open folder
void sound(QPainter& p);            // a loudspeaker
void advanced(QPainter& p);         // a cog
void help(QPainter& p);             // a question mark

}  // namespace numora::art::glyphs
