#include "ui/art/Icons.h"

#include <QPainter>

#include "ui/art/IconGlyphs.h"

namespace numora::art {

namespace {

using Glyph = void (*)(QPainter&);

struct NumberedGlyph {
    int number;
    Glyph glyph;
};

constexpr NumberedGlyph kIcons[] = {
    {kProgramIcon, glyphs::lotteryBalls},   {kExportPicksIcon, glyphs::exportPicks},
    {kLotteryProfileIcon, glyphs::lotteryProfile}, {kErasePicksIcon, glyphs::erasePicks},
    {kImportDrawsIcon, glyphs::importDraws}, {kExportDrawsIcon, glyphs::exportDraws},
    {kDrawStatsIcon, glyphs::drawStats},     {kPastDrawsIcon, glyphs::pastDraws},
    {kPickIcon, glyphs::pick},               {kBrowseIcon, glyphs::browse},
    {kSoundIcon, glyphs::sound},
};

constexpr int kIconSides[] = {16, 24, 32, 48};
constexpr qreal kGlyphGrid = 16.0;

Glyph glyphFor(int number) {
    for (const NumberedGlyph& icon : kIcons)
        if (icon.number == number) return icon.glyph;
    return nullptr;
}

Glyph glyphFor(ToolbarImage image) {
    switch (image) {
    case ToolbarImage::ExportPicks: return glyphs::exportPicks;
    case ToolbarImage::AddLotteryType: return glyphs::lotteryProfile;
    case ToolbarImage::Advanced: return glyphs::advanced;
    case ToolbarImage::ErasePicks: return glyphs::erasePicks;
    case ToolbarImage::Help: return glyphs::help;
    }
    return nullptr;
}

QPixmap render(Glyph glyph, QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / kGlyphGrid, size.height() / kGlyphGrid);
    glyph(painter);
    return pixmap;
}

}  // namespace

QPixmap iconPixmap(int number, QSize size) {
    const Glyph glyph = glyphFor(number);
    return glyph ? render(glyph, size) : QPixmap();
}

QIcon iconByNumber(int number) {
    const Glyph glyph = glyphFor(number);
    QIcon icon;
    if (!glyph) return icon;
    for (const int side : kIconSides) icon.addPixmap(render(glyph, QSize(side, side)));
    return icon;
}

QIcon toolbarIcon(ToolbarImage image) {
    return QIcon(render(glyphFor(image), toolbarImageSize()));
}

}  // namespace numora::art
