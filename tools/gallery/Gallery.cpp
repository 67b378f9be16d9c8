#include "Gallery.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>
#include <QWidget>

namespace numora::gallery {

namespace {

constexpr int kSheetMargin = 8;
constexpr int kHeadingHeight = 20;
constexpr int kLabelHeight = 14;

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

}  // namespace

Gallery::Gallery(const QDir& outDir, const DevicePaths& device, AppState& state)
    : outDir_(outDir), device_(device), state_(state) {}

void Gallery::save(const QString& name, const QPixmap& picture) {
    const QString file = outDir_.filePath(name + QStringLiteral(".png"));
    if (picture.isNull() || !picture.save(file)) {
        ++failures_;
        return;
    }
    written_ << file;
}

void Gallery::saveWidget(const QString& name, QWidget& widget) {
    widget.show();
    settle();
    save(name, widget.grab());
    widget.hide();
}

void Gallery::saveModal(const QString& name, const std::function<void()>& open, QWidget* over) {
    QTimer::singleShot(0, [this, name, over] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) {
            ++failures_;
            return;
        }
        settle();
        if (over) {
            // Where the window shows over the other, in the middle.
            QPixmap picture = over->grab();
            const QPoint corner((over->width() - modal->width()) / 2, (over->height() - modal->height()) / 2);
            QPainter painter(&picture);
            painter.drawPixmap(corner, modal->grab());
            painter.setPen(Qt::black);
            painter.drawRect(QRect(corner, modal->size()).adjusted(-1, -1, 0, 0));
            save(name, picture);
        } else {
            save(name, modal->grab());
        }
        modal->close();
    });
    open();
}

Sheet::Sheet(int columns, int cellWidth, int cellHeight)
    : columns_(columns), cellWidth_(cellWidth), cellHeight_(cellHeight) {}

void Sheet::add(const QPixmap& picture, const QString& label) {
    if (column_ == columns_) {
        column_ = 0;
        ++row_;
    }
    cells_.append({picture, label, row_, column_++});
}

void Sheet::newRow(const QString& heading) {
    if (!cells_.isEmpty() || column_ > 0) ++row_;
    column_ = 0;
    headings_.append({row_, heading});
}

QPixmap Sheet::render() const {
    const int rows = row_ + 1;
    const int rowHeight = cellHeight_ + kLabelHeight;
    const auto rowTop = [&](int row) {
        int headingsAbove = 0;
        for (const auto& heading : headings_)
            if (heading.first <= row) ++headingsAbove;
        return kSheetMargin + row * rowHeight + headingsAbove * kHeadingHeight;
    };
    QPixmap sheet(2 * kSheetMargin + columns_ * cellWidth_, rowTop(rows) + kSheetMargin);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont small = painter.font();
    small.setPixelSize(10);
    for (const auto& heading : headings_) {
        QFont bold = small;
        bold.setBold(true);
        bold.setPixelSize(12);
        painter.setFont(bold);
        painter.setPen(Qt::black);
        painter.drawText(QRect(kSheetMargin, rowTop(heading.first) - kHeadingHeight,
                               sheet.width(), kHeadingHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, heading.second);
    }
    painter.setFont(small);
    painter.setPen(Qt::darkGray);
    for (const Cell& cell : cells_) {
        const QRect area(kSheetMargin + cell.column * cellWidth_, rowTop(cell.row), cellWidth_,
                         cellHeight_);
        painter.drawPixmap(area.left() + (cellWidth_ - cell.picture.width()) / 2,
                           area.top() + (cellHeight_ - cell.picture.height()) / 2, cell.picture);
        painter.drawText(QRect(area.left(), area.bottom() + 1, cellWidth_, kLabelHeight),
                         Qt::AlignHCenter | Qt::AlignTop, cell.label);
    }
    return sheet;
}

}  // namespace numora::gallery
