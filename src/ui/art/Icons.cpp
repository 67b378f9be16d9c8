#include "ui/art/Icons.h"

#include <QPainter>

#include "ui/art/ArtStyle.h"
#include "ui/art/GlyphIconEngine.h"

namespace numora::art {

namespace {

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

// The sizes a window icon offers the desktop.
const QList<QSize> kIconSizes = {{16, 16}, {24, 24}, {32, 32}, {48, 48}};

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

}  // namespace

QImage iconImage(int number, QSize pixels) {
    const Glyph glyph = glyphFor(number);
    return glyph ? glyphImage(glyph, pixels) : QImage();
}

QPixmap iconPixmap(int number, QSize size) {
    const Glyph glyph = glyphFor(number);
    if (!glyph) return QPixmap();
    return paintedPixmap(size, [glyph, size](QPainter& painter) {
        painter.scale(size.width() / kGlyphGrid, size.height() / kGlyphGrid);
        glyph(painter);
    });
}

QIcon iconByNumber(int number) {
    const Glyph glyph = glyphFor(number);
    return glyph ? QIcon(new GlyphIconEngine(glyph, kIconSizes)) : QIcon();
}

QIcon toolbarIcon(ToolbarImage image) { return QIcon(new GlyphIconEngine(glyphFor(image), {toolbarImageSize()})); }

}  // namespace numora::art
