#include "ui/art/ChooserIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygonF>

#include "ui/art/ArtStyle.h"

namespace numora::art {

namespace {

constexpr int kSides[] = {16, 32};
constexpr qreal kGrid = 16.0;

QPen ink(qreal width = 1.0) { return QPen(Colors::ink(), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void tick(QPainter& p) {
    p.setPen(QPen(Colors::green(), 2.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF{{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}});
}

void cross(QPainter& p) {
    p.setPen(QPen(Colors::red(), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
}

// A small folder tree: a folder with two branches.
void tree(QPainter& p, qreal top, qreal bottom) {
    p.setPen(ink(0.8));
    p.drawLine(QPointF(3.5, top + 3), QPointF(3.5, bottom - 1.5));
    for (qreal y = top + 4.5; y < bottom; y += 3.5) p.drawLine(QPointF(3.5, y), QPointF(7, y));
    p.setBrush(Colors::gold());
    p.drawRect(QRectF(1.5, top + 0.5, 4, 2.5));
    for (qreal y = top + 3.5; y < bottom; y += 3.5) p.drawRect(QRectF(7.5, y, 4, 2.2));
}

// Lines of a file list.
void list(QPainter& p, qreal top, qreal bottom) {
    p.setPen(Qt::NoPen);
    p.setBrush(Colors::blue());
    for (qreal y = top + 0.5; y + 1.5 <= bottom; y += 3) {
        p.drawRect(QRectF(1.5, y, 2, 1.6));
        p.drawRect(QRectF(5, y, 9.5, 1.6));
    }
}

void treeAndList(QPainter& p) {
    tree(p, 0.5, 8.5);
    p.setPen(ink(0.8));
    p.drawLine(QPointF(0.5, 9.5), QPointF(15.5, 9.5));
    list(p, 10.5, 15.5);
}

void treeOnly(QPainter& p) { tree(p, 1.5, 15); }

void listOnly(QPainter& p) { list(p, 1.5, 15.5); }

// A desktop computer's screen on its stand.
void desktopFile(QPainter& p) {
    p.setPen(ink());
    p.setBrush(Colors::silver());
    p.drawRoundedRect(QRectF(1.5, 2.5, 13, 9), 1, 1);
    p.setBrush(Colors::blue().lighter(140));
    p.drawRect(QRectF(3, 4, 10, 6));
    p.setBrush(Colors::silver());
    p.drawRect(QRectF(6.5, 11.5, 3, 2));
    p.drawLine(QPointF(4, 14.5), QPointF(12, 14.5));
}

using Glyph = void (*)(QPainter&);

Glyph glyphFor(ChooserTool tool) {
    switch (tool) {
    case ChooserTool::Ok: return tick;
    case ChooserTool::Cancel: return cross;
    case ChooserTool::TreeAndList: return treeAndList;
    case ChooserTool::TreeOnly: return treeOnly;
    case ChooserTool::ListOnly: return listOnly;
    case ChooserTool::DesktopFile: return desktopFile;
    }
    return nullptr;
}

}  // namespace

QIcon chooserToolIcon(ChooserTool tool) {
    const Glyph glyph = glyphFor(tool);
    QIcon icon;
    for (const int side : kSides) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(side / kGrid, side / kGrid);
        glyph(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace numora::art
