#pragma once

#include <QIconEngine>
#include <QImage>
#include <QList>
#include <QSize>

#include "ui/art/IconGlyphs.h"

namespace numora::art {

// The glyph drawn to fill exactly `pixels`, on a transparent background.
QImage glyphImage(Glyph glyph, QSize pixels);

// An icon that draws its glyph afresh for every size and pixel ratio asked
// of it, so it is never an enlarged bitmap: crisp on any desktop scale. A
// disabled icon is the drawn one greyed by the widget style.
class GlyphIconEngine final : public QIconEngine {
public:
    // `sizes`: the sizes the icon names as its own (for window icons).
    GlyphIconEngine(Glyph glyph, QList<QSize> sizes);

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    // `size` is in the device's pixels; the icon sets the pixel ratio.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QString key() const override;
    QIconEngine* clone() const override;

private:
    QPixmap draw(QSize pixels, QIcon::Mode mode) const;

    Glyph glyph_;
    QList<QSize> sizes_;
};

}  // namespace numora::art
