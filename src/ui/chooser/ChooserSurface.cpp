#include "ui/chooser/ChooserSurface.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace numora {

namespace {

constexpr int kTitleLeft = 8;
constexpr int kTitlePixelSize = 11;
constexpr char kTitleFamily[] = "Tahoma";
QColor titleColor() { return {0, 0, 156}; }

}  // namespace

ChooserSurface::ChooserSurface(QString title, QWidget& tree, QWidget& list, QWidget* parent)
    : QWidget(parent), title_(std::move(title)), tree_(tree), list_(list) {
    setObjectName(QStringLiteral("chooserSurface"));
    tree_.setParent(this);
    list_.setParent(this);
    setMouseTracking(true);
}

void ChooserSurface::setView(ChooserView view) {
    view_ = view;
    placeControls();
    update();
}

QRect ChooserSurface::treeArea() const { return QRect(0, kTreeTop, width(), split_ - kTreeTop); }

QRect ChooserSurface::listArea() const {
    const int top = split_ + kSplitterGap;
    return QRect(0, top, width(), height() - top);
}

void ChooserSurface::placeControls() {
    // The splitter keeps each control a height of zero or more.
    split_ = std::clamp(split_, kTreeTop, std::max(kTreeTop, height() - kSplitterGap));
    const QRect both(treeArea().topLeft(), listArea().bottomRight());
    tree_.setVisible(view_ != ChooserView::ListOnly);
    list_.setVisible(view_ != ChooserView::TreeOnly);
    switch (view_) {
    case ChooserView::TreeAndList:
        tree_.setGeometry(treeArea());
        list_.setGeometry(listArea());
        break;
    case ChooserView::TreeOnly: tree_.setGeometry(both); break;
    case ChooserView::ListOnly: list_.setGeometry(both); break;
    }
}

bool ChooserSurface::onSplitter(int y) const {
    return view_ == ChooserView::TreeAndList && y >= split_ && y < split_ + kSplitterGap;
}

void ChooserSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!title_.isEmpty()) {
        QFont font(QString::fromLatin1(kTitleFamily));
        font.setStyleHint(QFont::SansSerif);
        font.setPixelSize(kTitlePixelSize);
        font.setWeight(QFont::Bold);
        painter.setFont(font);
        painter.setPen(titleColor());
        painter.drawText(QRect(kTitleLeft, 0, width() - kTitleLeft, kTitleHeight),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, title_);
        painter.setPen(Qt::black);
        painter.drawLine(0, kTitleHeight, width() - 1, kTitleHeight);
    }
    if (view_ == ChooserView::TreeAndList) {
        painter.setPen(Qt::black);
        painter.drawLine(0, split_, width() - 1, split_);
        painter.drawLine(0, split_ + kSplitterGap - 1, width() - 1, split_ + kSplitterGap - 1);
    }
}

void ChooserSurface::resizeEvent(QResizeEvent*) { placeControls(); }

void ChooserSurface::mousePressEvent(QMouseEvent* event) {
    if (view_ != ChooserView::TreeAndList || event->button() != Qt::LeftButton) return;
    dragOffset_ = event->position().toPoint().y() - split_;
}

void ChooserSurface::mouseMoveEvent(QMouseEvent* event) {
    const int y = event->position().toPoint().y();
    if (!dragOffset_) {
        setCursor(onSplitter(y) ? Qt::SplitVCursor : Qt::ArrowCursor);
        return;
    }
    split_ = y - *dragOffset_;
    placeControls();
    repaint();
}

void ChooserSurface::mouseReleaseEvent(QMouseEvent*) {
    if (!dragOffset_) return;
    dragOffset_.reset();
    update();
}

}  // namespace numora
