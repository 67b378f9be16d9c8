#include "ui/services/DeviceWindow.h"

#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#include "ui/art/ArtStyle.h"

namespace numora {

namespace {

// The handheld's top bar takes this much of the screen; the window has the rest.
constexpr int kNavigationBarHeight = 26;
constexpr int kFontPixelSize = 11;
constexpr int kOutOfSightLeft = -86;
constexpr QSize kOutOfSightSize(75, 22);

}  // namespace

void applyDeviceLook(QWidget& window) {
    QFont font = window.font();
    font.setPixelSize(kFontPixelSize);
    window.setFont(font);
    // White, as the handheld's dialogs are.
    QPalette colours = window.palette();
    colours.setColor(QPalette::Window, art::Colors::paper());
    window.setPalette(colours);
}

QSize deviceWindowSize(ScreenSize screen) { return {screen.width, screen.height - kNavigationBarHeight}; }

QVBoxLayout* dressDeviceWindow(QWidget& window, int topMargin, int spacing) {
    applyDeviceLook(window);
    auto* column = new QVBoxLayout(&window);
    column->setContentsMargins(0, topMargin, 0, 0);
    column->setSpacing(spacing);
    return column;
}

QHBoxLayout* addMarginRow(QVBoxLayout& column, int sideMargin, int spacing) {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(sideMargin, 0, sideMargin, 0);
    row->setSpacing(spacing);
    column.addLayout(row);
    return row;
}

void fitDeviceWindow(QWidget& window, ScreenSize screen) {
    window.setFixedSize(deviceWindowSize(screen).expandedTo(window.layout()->minimumSize()));
}

QPushButton* outOfSightButton(QWidget& window, const char* objectName, const char* caption, int top) {
    auto* button = new QPushButton(QString::fromLatin1(caption), &window);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setGeometry(QRect(QPoint(kOutOfSightLeft, top), kOutOfSightSize));
    return button;
}

int outOfSightButtonHeight() { return kOutOfSightSize.height(); }

}  // namespace numora
