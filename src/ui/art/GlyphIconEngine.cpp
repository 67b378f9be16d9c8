#include "ui/art/GlyphIconEngine.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <utility>

namespace numora::art {

QImage glyphImage(Glyph glyph, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(pixels.width() / kGlyphGrid, pixels.height() / kGlyphGrid);
    glyph(painter);
    return image;
}

GlyphIconEngine::GlyphIconEngine(Glyph glyph, QList<QSize> sizes) : glyph_(glyph), sizes_(std::move(sizes)) {}

QPixmap GlyphIconEngine::draw(QSize pixels, QIcon::Mode mode) const {
    QPixmap pixmap = QPixmap::fromImage(glyphImage(glyph_, pixels));
    if (mode != QIcon::Disabled || !qobject_cast<QApplication*>(QCoreApplication::instance())) return pixmap;
    const QStyleOption option;
    return QApplication::style()->generatedIconPixmap(QIcon::Disabled, pixmap, &option);
}

void GlyphIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) {
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap pixmap = draw((QSizeF(rect.size()) * ratio).toSize(), mode);
    pixmap.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect.topLeft(), pixmap);
}

QPixmap GlyphIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) { return draw(size, mode); }

QPixmap GlyphIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State, qreal) {
    return draw(size, mode);
}

QList<QSize> GlyphIconEngine::availableSizes(QIcon::Mode, QIcon::State) { return sizes_; }

QString GlyphIconEngine::key() const { return QStringLiteral("numora-glyph"); }

QIconEngine* GlyphIconEngine::clone() const { return new GlyphIconEngine(*this); }

}  // namespace numora::art
