#include "ui/controls/CommandBar.h"

#include <QAction>
#include <QHBoxLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QToolBar>

#include "ui/CheckPicksTexts.h"
#include "ui/art/Icons.h"

namespace numora {

namespace {

constexpr char kLotteryMenu[] = "Lottery";
constexpr char kErasePicks[] = "Erase Picks";
constexpr char kAddLotteryType[] = "Add Lottery Type";
constexpr char kPastDraws[] = "Past Draws";
constexpr char kExportPicks[] = "Export Picks";
constexpr char kAdvanced[] = "Advanced";
constexpr char kHelp[] = "Help";
// The handheld's command bar is this tall.
constexpr int kBarHeight = 26;

QAction* makeAction(QObject* parent, const char* objectName, const char* text) {
    auto* action = new QAction(QString::fromLatin1(text), parent);
    action->setObjectName(QString::fromLatin1(objectName));
    return action;
}

QAction* toolAction(QObject* parent, const char* objectName, const char* text, art::ToolbarImage image) {
    QAction* action = makeAction(parent, objectName, text);
    action->setIcon(art::toolbarIcon(image));
    action->setIconVisibleInMenu(false);
    return action;
}

}  // namespace

CommandBar::CommandBar(QWidget* parent)
    : QWidget(parent),
      menuBar_(new QMenuBar(this)),
      toolBar_(new QToolBar(this)),
      erasePicks_(toolAction(this, "erasePicksAction", kErasePicks, art::ToolbarImage::ErasePicks)),
      addLotteryType_(
          toolAction(this, "addLotteryTypeAction", kAddLotteryType, art::ToolbarImage::AddLotteryType)),
      pastDraws_(makeAction(this, "pastDrawsAction", kPastDraws)),
      exportPicks_(toolAction(this, "exportPicksAction", kExportPicks, art::ToolbarImage::ExportPicks)),
      checkPicks_(makeAction(this, "checkPicksAction", checkpicks::kCommand)),
      advanced_(toolAction(this, "advancedAction", kAdvanced, art::ToolbarImage::Advanced)),
      help_(toolAction(this, "helpAction", kHelp, art::ToolbarImage::Help)) {
    setObjectName(QStringLiteral("commandBar"));
    // The bar keeps the button colour whatever colour the window has.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Button));
    setPalette(colours);
    setAutoFillBackground(true);

    menuBar_->setObjectName(QStringLiteral("menuBar"));
    menuBar_->setNativeMenuBar(false);
    // The menu title sits on the bar itself, without a menu bar's own edge.
    menuBar_->setStyleSheet(QStringLiteral("QMenuBar { background: transparent; border: none; }"));
    QMenu* lottery = menuBar_->addMenu(QString::fromLatin1(kLotteryMenu));
    lottery->setObjectName(QStringLiteral("lotteryMenu"));
    lottery->addActions({erasePicks_, addLotteryType_, pastDraws_, exportPicks_});
    lottery->addSeparator();
    lottery->addAction(checkPicks_);

    toolBar_->setObjectName(QStringLiteral("toolBar"));
    toolBar_->setIconSize(art::toolbarImageSize());
    toolBar_->setStyleSheet(QStringLiteral("QToolBar { border: none; padding: 0px; spacing: 1px; }"));
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->addActions({exportPicks_, addLotteryType_, advanced_, erasePicks_, help_});

    setFixedHeight(kBarHeight);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 1, 0, 0);
    row->setSpacing(0);
    row->addWidget(menuBar_, 0, Qt::AlignVCenter);
    row->addWidget(toolBar_, 0, Qt::AlignVCenter);
    row->addStretch(1);
}

}  // namespace numora

namespace numora {

void CommandBar::paintEvent(QPaintEvent*) {
    // A line along the top sets the bar off from the window above it.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, width() - 1, 0);
}

}  // namespace numora
