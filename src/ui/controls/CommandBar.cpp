#include "ui/controls/CommandBar.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "ui/check/CheckPicksTexts.h"
#include "ui/wheel/WheelWindowTexts.h"
#include "ui/rules/PickRulesTexts.h"
#include "ui/tickets/TicketsTexts.h"
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

}  // namespace

CommandBar::CommandBar(QWidget* parent)
    : WindowBar(parent),
      erasePicks_(makeAction("erasePicksAction", kErasePicks, art::toolbarIcon(art::ToolbarImage::ErasePicks))),
      addLotteryType_(makeAction("addLotteryTypeAction", kAddLotteryType,
                                 art::toolbarIcon(art::ToolbarImage::AddLotteryType))),
      pastDraws_(makeAction("pastDrawsAction", kPastDraws)),
      exportPicks_(makeAction("exportPicksAction", kExportPicks, art::toolbarIcon(art::ToolbarImage::ExportPicks))),
      checkPicks_(makeAction("checkPicksAction", checkpicks::kCommand)),
      wheel_(makeAction("wheelAction", wheelwindow::kCommand)),
      pickRules_(makeAction("pickRulesAction", pickrules::kCommand)),
      playPicks_(makeAction("playPicksAction", tickets::kPlayPicksCommand)),
      tickets_(makeAction("ticketsAction", tickets::kTicketsCommand)),
      advanced_(makeAction("advancedAction", kAdvanced, art::toolbarIcon(art::ToolbarImage::Advanced))),
      help_(makeAction("helpAction", kHelp, art::toolbarIcon(art::ToolbarImage::Help))) {
    setObjectName(QStringLiteral("commandBar"));
    QMenu* lottery = addMenu("lotteryMenu", kLotteryMenu);
    lottery->addActions({erasePicks_, addLotteryType_, pastDraws_, exportPicks_});
    lottery->addSeparator();
    lottery->addAction(checkPicks_);
    lottery->addAction(wheel_);
    lottery->addAction(pickRules_);
    lottery->addAction(playPicks_);
    lottery->addAction(tickets_);
    toolBar()->addActions({exportPicks_, addLotteryType_, advanced_, erasePicks_, help_});
}

}  // namespace numora
