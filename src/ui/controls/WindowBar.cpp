#include "ui/controls/WindowBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

#include "ui/art/Icons.h"

namespace numora {

namespace {

// The handheld's command bar is this tall.
constexpr int kBarHeight = 26;

}  // namespace

WindowBar::WindowBar(QWidget* parent) : QWidget(parent), menuBar_(new QMenuBar(this)), toolBar_(new QToolBar(this)) {
    // The bar keeps the button colour whatever colour the window has.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);

    menuBar_->setObjectName(QStringLiteral("menuBar"));
    menuBar_->setNativeMenuBar(false);
    // The menu title sits on the bar itself, without a menu bar's own edge.
    menuBar_->setStyleSheet(QStringLiteral("QMenuBar { background: transparent; border: none; }"));
    // A bar without menus shows its toolbar alone.
    menuBar_->hide();

    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(art::toolbarImageSize());
    toolBar_->setStyleSheet(QStringLiteral("QToolBar { border: none; padding: 0px; spacing: 1px; }"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);

    setFixedHeight(kBarHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 0);
    row->setSpacing(0);
    row->addWidget(menuBar_, 0, Qt::AlignVCenter);
    row->addWidget(toolBar_, 0, Qt::AlignVCenter);
    row->addStretch(1);
}

QMenu* WindowBar::addMenu(const char* objectName, const char* title) {
    menuBar_->show();
    QMenu* menu = menuBar_->addMenu(QString::fromLatin1(title));
    menu->setObjectName(QString::fromLatin1(objectName));
    return menu;
}

QAction* WindowBar::makeAction(const char* objectName, const char* text, const QIcon& icon) {
    auto* action = new QAction(icon, QString::fromLatin1(text), this);
    action->setObjectName(QString::fromLatin1(objectName));
    action->setIconVisibleInMenu(false);
    return action;
}

void WindowBar::paintEvent(QPaintEvent*) {
    // A line along the top sets the bar off from the window above it.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
}

}  // namespace numora
