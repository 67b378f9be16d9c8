#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QToolBar>

#include "ui/support/MainWindowFixture.h"

namespace numora {
namespace {

constexpr char kPicksFile[] = "\\Program Files\\Numora\\LottoExport.txt";
constexpr char kExported[] =
    "Your Predicted numbers have been exported to\r \\Program Files\\Numora\\LottoExport.txt on your "
    "Pocket PC., \rGOOD LUCK!";
constexpr char kEraseQuestion[] = "Erase all lucky picks?\nARE YOU SURE?";

std::string picksFileOf(const std::vector<std::string>& lines) {
    std::string bytes = "Your lucky lotto numbers for this draw!\r\n";
    for (const std::string& line : lines) bytes += line + "\r\n";
    return bytes;
}

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) texts << action->text();
    return texts;
}

class MainWindowCommandsTest : public MainWindowTest {};

TEST_F(MainWindowCommandsTest, exportWritesTheListAndEraseAsksFirst) {
    open();
    pick();
    pick();
    const std::vector<std::string> picks = pickList().lines();
    trigger("exportPicksAction");
    EXPECT_EQ(testing::readBytes(hostPath(kPicksFile)), picksFileOf(picks));
    EXPECT_EQ(prompter.messages.back(), (RecordingPrompter::Message{kExported, PromptIcon::Information, false}));

    prompter.answers = {false, true};
    trigger("erasePicksAction");
    EXPECT_EQ(prompter.messages.back(), (RecordingPrompter::Message{kEraseQuestion, PromptIcon::Warning, true}));
    EXPECT_EQ(pickList().lines(), picks);
    EXPECT_FALSE(state.welcomeShown);

    trigger("erasePicksAction");
    EXPECT_EQ(pickList().lines(), std::vector<std::string>{"Select PICK to calculate."});
    EXPECT_TRUE(state.welcomeShown);
    trigger("exportPicksAction");
    EXPECT_EQ(testing::readBytes(hostPath(kPicksFile)), picksFileOf({"Select PICK to calculate."}));

    pick();
    EXPECT_EQ(pickList().topLevelItemCount(), 1);
    EXPECT_EQ(prompter.messages.size(), 4u);
}

TEST_F(MainWindowCommandsTest, anExportThatCannotBeWrittenSaysSoWithoutAnIcon) {
    setOption(kDataFolderOption, "\\No Such Folder");
    open();
    trigger("exportPicksAction");
    const RecordingPrompter::Message failed{"ERROR 1003! Unable to open Export File", PromptIcon::None, false};
    EXPECT_EQ(prompter.messages, std::vector<RecordingPrompter::Message>{failed});
}

TEST_F(MainWindowCommandsTest, helpOpensTheMainHelpScreen) {
    open();
    QString opened;
    QTimer::singleShot(0, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal) return;
        opened = modal->objectName();
        modal->close();
    });
    trigger("helpAction");
    EXPECT_EQ(opened, QStringLiteral("mainHelpScreen"));
}

struct LayoutCase {
    ScreenSize screen;
    ScreenShape shape;
    QSize size;
    const char* pastDraws;
    const char* drawStats;
    bool picture;
};

TEST_F(MainWindowCommandsTest, eachLayoutHoldsEveryControlWithItsLabelsInsideTheWindow) {
    const LayoutCase cases[] = {
        {{240, 320}, ScreenShape::Portrait, {240, 294}, "Past Draws", "Draw Stats", true},
        {{320, 240}, ScreenShape::Landscape, {320, 214}, "PastDraws", "Stats", true},
        {{240, 240}, ScreenShape::Square, {240, 214}, "Draws", "Stats", false},
    };
    for (const LayoutCase& layout : cases) {
        SCOPED_TRACE(layout.pastDraws);
        MainWindow& shown = open(layout.screen);
        EXPECT_EQ(shown.shape(), layout.shape);
        EXPECT_EQ(shown.size(), layout.size);
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Numora"));
        EXPECT_EQ(control<QPushButton>("pickButton").text(), QStringLiteral("Pick"));
        EXPECT_TRUE(control<QPushButton>("pickButton").isDefault());
        EXPECT_EQ(control<QPushButton>("pastDrawsButton").text(), QString::fromLatin1(layout.pastDraws));
        EXPECT_EQ(control<QPushButton>("drawStatsButton").text(), QString::fromLatin1(layout.drawStats));
        EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("picture")) != nullptr, layout.picture);
        EXPECT_EQ(shown.findChild<QLabel*>(QStringLiteral("powerBallLabel")) != nullptr, !layout.picture);
        EXPECT_EQ(shown.findChild<QPushButton*>(QStringLiteral("okButton")) != nullptr,
                  layout.shape == ScreenShape::Landscape);

        for (const char* name : {"lotterySelector", "pickButton", "pastDrawsButton", "drawStatsButton", "statusLine",
                                 "progressBar", "pickList", "ballDisplay", "commandBar"}) {
            const QWidget& widget = control<QWidget>(name);
            const QRect area(widget.mapTo(&shown, QPoint(0, 0)), widget.size());
            EXPECT_TRUE(shown.rect().contains(area)) << name;
        }
        // Captions are never cut, the longest status included.
        control<QLabel>("statusLine").setText(QStringLiteral("RANDOM MODE"));
        for (const char* name : {"pickButton", "pastDrawsButton", "drawStatsButton", "statusLine"}) {
            const QWidget& widget = control<QWidget>(name);
            EXPECT_GE(widget.width(), widget.minimumSizeHint().width()) << name;
        }
        for (const char* name : {"okButton", "cancelButton"}) {
            if (const auto* hidden = shown.findChild<QPushButton*>(QString::fromLatin1(name))) {
                EXPECT_FALSE(shown.rect().intersects(hidden->geometry())) << name;
            }
        }
        EXPECT_TRUE(pickList().isHeaderHidden());
        EXPECT_EQ(pickList().headerItem()->text(0), QStringLiteral("QuickPicks"));
        EXPECT_EQ(pickList().columnWidth(0), pickList().viewport()->width() - 15);
        EXPECT_FALSE(control<QWidget>("progressBar").isEnabled());
    }
}

TEST_F(MainWindowCommandsTest, theMenuAndTheToolbarHoldTheirCommandsInOrder) {
    open();
    const QMenu& menu = control<QMenu>("lotteryMenu");
    EXPECT_EQ(menu.title(), QStringLiteral("Lottery"));
    EXPECT_EQ(actionTexts(menu.actions()),
              (QStringList{"Erase Picks", "Add Lottery Type", "Past Draws", "Export Picks"}));
    const QToolBar& toolBar = control<QToolBar>("toolBar");
    EXPECT_EQ(actionTexts(toolBar.actions()),
              (QStringList{"Export Picks", "Add Lottery Type", "Advanced", "Erase Picks", "Help"}));
    EXPECT_EQ(toolBar.iconSize(), QSize(16, 15));
}

}  // namespace
}  // namespace numora
