#include <QAction>
#include <QDateEdit>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include "ui/support/PastDrawsFixture.h"

namespace numora {
namespace {

TEST_F(PastDrawsWindowTest, eachLayoutHoldsEveryControlInsideTheWindowWithItsLabels) {
    const struct {
        ScreenSize screen;
        QSize size;
        const char* pastDrawsFor;  // the label's text, or none
        const char* oldestFirst;
    } layouts[] = {{{240, 320}, {240, 294}, "Past draws for", nullptr},
                   {{320, 240}, {320, 214}, nullptr, "Enter oldest draws first.  "},
                   {{240, 240}, {240, 214}, nullptr, nullptr}};
    state.current.name = "Lotto Max Extra Plus";  // the longest a name can be
    for (const auto& layout : layouts) {
        SCOPED_TRACE(layout.screen.height);
        PastDrawsWindow& shown = open(layout.screen);
        EXPECT_EQ(shown.size(), layout.size);
        EXPECT_EQ(shown.windowTitle(), QStringLiteral("Past Draws"));
        expectEveryControlInside(shown);
        // The info line has a row of its own under the buttons, wide enough to read.
        const QRect infoLine = control<QLineEdit>(QStringLiteral("infoLine")).geometry();
        EXPECT_GT(infoLine.top(), control<QPushButton>(QStringLiteral("addButton")).geometry().bottom());
        EXPECT_GE(infoLine.width(), shown.width() / 2);
        for (const auto& [name, text] : {std::pair("pastDrawsForLabel", layout.pastDrawsFor),
                                         std::pair("oldestFirstLabel", layout.oldestFirst)}) {
            const auto* label = shown.findChild<QLabel*>(QString::fromLatin1(name));
            EXPECT_EQ(label ? label->text() : QString(), QString::fromLatin1(text ? text : "")) << name;
        }
    }
}

TEST_F(PastDrawsWindowTest, openingShowsTheDrawsInListOrderTheLotterysBoxesAndTheFocusInBallOne) {
    writeDraws(kThreeDraws);
    open();
    EXPECT_EQ(control<QLabel>(QStringLiteral("lotteryName")).text(), QStringLiteral("Lotto"));
    EXPECT_EQ(column(0), (std::vector<std::string>{"03", "09", "01"}));
    EXPECT_EQ(column(7), (std::vector<std::string>{"   07", "   02", " "}));
    EXPECT_EQ(column(8), (std::vector<std::string>{"1/4/2006", "1/11/2006", "1/18/2006"}));
    EXPECT_EQ(list().model()->headerData(8, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("DATE"));
    for (int number = 1; number <= 8; ++number) {
        EXPECT_EQ(box(number).isEnabled(), number != 7) << number;
        EXPECT_EQ(box(number).text(), QStringLiteral("0"));
    }
    EXPECT_TRUE(box(1).hasFocus());
    EXPECT_EQ(box(1).selectedText(), QStringLiteral("0"));
    EXPECT_FALSE(control<QPushButton>(QStringLiteral("insertButton")).isEnabled());
    EXPECT_EQ(control<QDateEdit>(QStringLiteral("drawDate")).date(), QDate(2026, 12, 6));
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(modalOpenedBy([this] { trigger("helpAction"); }), "pastHelpScreen");

    // No draw file: no rows and no message. Four balls, no bonus, PowerBall.
    state.current = {"Small", 4, 1, 20, 0, false, false, true, false};
    open();
    EXPECT_EQ(list().model()->rowCount(), 0);
    EXPECT_EQ(list().model()->headerData(7, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("PowerBall"));
    for (int number = 1; number <= 8; ++number) EXPECT_EQ(box(number).isEnabled(), number <= 4) << number;
    window->reject();
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(PastDrawsWindowTest, aRefusedDrawIsToldWithItsBoxFocusedAndAnAcceptedOneIsAddedAndSavedAtOnce) {
    open();
    const struct {
        std::vector<QString> typed;
        std::string message;
        int focus;
        QString shownAfter;
    } refused[] = {
        {{"1", "2", "", "4", "5", "6", "0", "7"}, "Ball 3 must be a whole number.", 3, ""},
        {{"5", "3", "7", "8", "9", "10", "0", "7"},
         "Invalid entry, enter a number that is higher then ball 1.", 2, "0"},
        {{"1", "2", "3", "4", "5", "6", "0", "3"}, "Invalid entry, That number was already drawn", 8, "3"},
    };
    for (const auto& [typed, message, focus, shownAfter] : refused) {
        enter(typed);
        box(1).setFocus();
        click("addButton");
        EXPECT_EQ(prompter.texts().back(), message);
        EXPECT_TRUE(box(focus).hasFocus()) << message;
        EXPECT_EQ(box(focus).text(), shownAfter) << message;
    }
    EXPECT_EQ(list().model()->rowCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(drawFile()));

    enter(std::array<int, 8>{1, 2, 3, 4, 5, 6, 0, 7});
    control<QDateEdit>(QStringLiteral("drawDate")).setDate(QDate(2006, 1, 4));
    click("addButton");
    EXPECT_EQ(prompter.messages.size(), 3u);
    // The date as picked, at the time of day the program started.
    const DrawRecord added{time.toSeconds({2006, 1, 4, 10, 30, 0}), 1, 2, 3, 4, 5, 6, 0, 7};
    EXPECT_EQ(storedDraws(), DrawList{added});
    EXPECT_EQ(column(0), std::vector<std::string>{"01"});
    for (int number = 1; number <= 8; ++number) EXPECT_EQ(box(number).text(), QStringLiteral("0"));
    EXPECT_TRUE(box(1).hasFocus());
    EXPECT_EQ(control<QDateEdit>(QStringLiteral("drawDate")).date(), QDate(2006, 1, 4));
    window->reject();  // saved already: nothing to ask
    EXPECT_EQ(prompter.messages.size(), 3u);
}

TEST_F(PastDrawsWindowTest, insertGoesAboveTheSelectedRowAndBeforeItsDrawAndIsSavedOnlyWhenClosingSaysYes) {
    writeDraws(kThreeDraws);
    open();
    const DrawRecord first = drawOn(2006, 1, 1, {1, 2, 3, 4, 5, 6, 9});
    enter(std::array<int, 8>{1, 2, 3, 4, 5, 6, 0, 9});
    click("insertButton");  // disabled until a tap in the list
    EXPECT_EQ(list().model()->rowCount(), 3);

    QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, QPoint(5, list().viewport()->height() - 2));
    EXPECT_TRUE(control<QPushButton>(QStringLiteral("insertButton")).isEnabled());
    click("insertButton");  // a tap below the rows selects none
    EXPECT_EQ(list().model()->rowCount(), 3);
    tapRow(0);
    click("insertButton");
    tapRow(2);
    enter(std::array<int, 8>{7, 8, 9, 10, 11, 12, 0, 20});
    click("insertButton");
    EXPECT_EQ(column(0), (std::vector<std::string>{"01", "03", "07", "09", "01"}));
    EXPECT_EQ(box(1).text(), QStringLiteral("7"));  // the boxes stay
    EXPECT_EQ(storedDraws(), kThreeDraws);
    prompter.answers = {false};
    window->reject();
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Save changes?"});
    EXPECT_EQ(storedDraws(), kThreeDraws);

    // In a list sorted by date, newest first, the draw goes above the row
    // tapped and, in the draws, just before that row's draw.
    open();
    tapHeading(8);
    tapHeading(8);
    EXPECT_EQ(column(0), (std::vector<std::string>{"01", "09", "03"}));
    tapRow(1);
    enter(std::array<int, 8>{1, 2, 3, 4, 5, 6, 0, 9});
    control<QDateEdit>(QStringLiteral("drawDate")).setDate(QDate(2006, 1, 1));
    click("insertButton");
    EXPECT_EQ(column(0), (std::vector<std::string>{"01", "01", "09", "03"}));
    prompter.answers = {true};
    window->reject();
    DrawRecord inserted = first;
    inserted.date = time.toSeconds({2006, 1, 1, 10, 30, 0});
    EXPECT_EQ(storedDraws(), (DrawList{kThreeDraws.at(0), inserted, kThreeDraws.at(1), kThreeDraws.at(2)}));
}

TEST_F(PastDrawsWindowTest, aDoubleTapOnARowAsksToDeleteThatRowsDrawAndATapBelowTheRowsAsksNothing) {
    writeDraws(kThreeDraws);
    open();
    tapRow(0);
    doubleTap(QPoint(5, list().viewport()->height() - 2));
    EXPECT_TRUE(prompter.messages.empty());
    prompter.answers = {false, true};
    doubleTap(rowCentre(1));
    EXPECT_EQ(list().model()->rowCount(), 3);
    doubleTap(rowCentre(1));
    EXPECT_EQ(prompter.texts(), std::vector<std::string>(2, "Delete this draw?\nARE YOU SURE?"));
    EXPECT_EQ(column(0), (std::vector<std::string>{"03", "01"}));
    EXPECT_EQ(storedDraws(), kThreeDraws);

    prompter.answers = {true, true, true};
    doubleTap(rowCentre(0));
    doubleTap(rowCentre(0));
    window->reject();
    EXPECT_EQ(prompter.texts().back(), "Save changes?");
    EXPECT_EQ(testing::readBytes(drawFile()), std::string(2, '\0'));
}

TEST_F(PastDrawsWindowTest, aDrawFileThatCannotBeWrittenKeepsTheAddedDrawAndSaysSoAfterTheSavesOwnMessage) {
    std::filesystem::create_directories(drawFile().string() + ".tmp");  // nothing can be written beside it
    std::filesystem::remove_all(drawFile().parent_path());
    open();
    enter(std::array<int, 8>{1, 2, 3, 4, 5, 6, 0, 7});
    click("addButton");
    const std::string cannotCreate =
        "ERROR 101\nUnable to Open or Create \\Program Files\\Numora\\Lotto.dat\n(its folder does not exist)";
    EXPECT_EQ(prompter.texts(),
              (std::vector<std::string>{cannotCreate, "ERROR 2006:\nUnable to save past draw data!"}));
    EXPECT_EQ(list().model()->rowCount(), 1);
    prompter.answers = {true};
    window->reject();
    EXPECT_EQ(prompter.texts().back(), cannotCreate);
}

TEST_F(PastDrawsWindowTest, aDrawFileReadOnlyInPartIsToldOnceShownAsReadAndNeverSavedOver) {
    writeDraws(kThreeDraws);
    const std::string whole = testing::readBytes(drawFile());
    const std::string damaged = whole.substr(0, whole.size() - 1);
    testing::writeBytes(drawFile(), damaged);
    open();
    const std::string reason =
        "The draw file \\Program Files\\Numora\\Lotto.dat is damaged: only its first 2 draws could be read.";
    const std::string refusal =
        "The draw file \\Program Files\\Numora\\Lotto.dat could not be read whole, so Numora does not save over "
        "it.\nExport Draws can keep a copy of the draws shown.";
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{reason});
    EXPECT_EQ(column(0), (std::vector<std::string>{"03", "09"}));

    enter(std::array<int, 8>{1, 2, 3, 4, 5, 6, 0, 7});
    click("addButton");
    chosenFile = "\\My Documents\\any.csv";
    trigger("importDrawsAction");
    EXPECT_TRUE(filters.empty());
    // Insert and Delete are refused as Add is, before anything changes; closing asks nothing.
    tapRow(0);
    click("insertButton");
    doubleTap(rowCentre(1));
    EXPECT_EQ(list().model()->rowCount(), 2);
    window->reject();
    EXPECT_EQ(prompter.texts(), (std::vector<std::string>{reason, refusal, refusal, refusal, refusal}));
    EXPECT_EQ(testing::readBytes(drawFile()), damaged);

    // A file that is there but cannot be read at all.
    std::filesystem::remove(drawFile());
    std::filesystem::create_directories(drawFile());
    prompter.messages.clear();
    open();
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"The draw file \\Program Files\\Numora\\Lotto.dat is not a regular file; "
                                       "Numora leaves it as it is."});
    EXPECT_EQ(list().model()->rowCount(), 0);
}

TEST_F(PastDrawsWindowTest, sortingByAHeadingOrdersTheRowsByTextOrDayTurningTheDirectionAtEachTap) {
    writeDraws({drawOn(2006, 1, 4, {10, 11, 12, 13, 14, 15, 1}), drawOn(2005, 12, 31, {9, 11, 12, 13, 14, 15, 1}),
                drawOn(2006, 1, 2, {1, 11, 12, 13, 14, 15, 1})});
    open();
    tapRow(1);
    tapHeading(0);
    EXPECT_EQ(column(0), (std::vector<std::string>{"01", "10", "09"}));
    EXPECT_EQ(list().selectedRow(), 2);  // the selection stays with its draw
    tapHeading(0);
    EXPECT_EQ(column(0), (std::vector<std::string>{"09", "10", "01"}));
    tapHeading(8);
    EXPECT_EQ(column(8), (std::vector<std::string>{"12/31/2005", "1/2/2006", "1/4/2006"}));
    // An Add fills the list again in the draws' order.
    enter(std::array<int, 8>{20, 21, 22, 23, 24, 25, 0, 1});
    click("addButton");
    EXPECT_EQ(column(0), (std::vector<std::string>{"10", "09", "01", "20"}));
}

TEST_F(PastDrawsWindowTest, importShowsItsProgressOnTheMovingInfoLineThenTheSummaryAndSavesWithoutAQuestion) {
    writeDraws({kThreeDraws.at(0)});
    testing::writeBytes(host("\\My Documents\\draws.csv"), "\n01,02,03,04,05,06,07,1/2/2006\n");
    open();
    box(1).setText(QStringLiteral("5"));  // typed, not taken: the import shows the fields again
    QSignalSpy shown(&control<QLineEdit>(QStringLiteral("infoLine")), &QLineEdit::textChanged);
    int rowsWhileImporting = -1;
    QTimer::singleShot(0, [&] { rowsWhileImporting = list().model()->rowCount(); });
    chosenFile = "\\My Documents\\draws.csv";
    trigger("importDrawsAction");
    EXPECT_EQ(filters, std::vector<std::string>{"*.csv"});
    EXPECT_EQ(rowsWhileImporting, 0);  // the window took its turn of events, with its list emptied
    // The info line shows the latest text at each turn of events: the first
    // and the last, and some of those between, in their order.
    const QStringList texts{"Preparing to Import", "\n", "01,02,03,04,05,06,07,1/2/2006\n",
                            "Reading:1 Draws", "", "Import Complete"};
    qsizetype next = 0;
    for (const QList<QVariant>& change : shown) {
        const qsizetype at = texts.indexOf(change.front().toString(), next);
        EXPECT_GE(at, next) << change.front().toString().toStdString();
        next = at + 1;
    }
    EXPECT_EQ(shown.first().front().toString(), texts.first());
    EXPECT_EQ(info(), texts.last());
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Imported 1 lines into past draw file.\nRecorded 0 repeat "
                                                         "draw dates.\nSkipped 0 lines."});
    EXPECT_EQ(column(0), (std::vector<std::string>{"01", "03"}));
    EXPECT_EQ(box(1).text(), QStringLiteral("0"));
    EXPECT_EQ(storedDraws().size(), 2u);

    // A host path is taken as it is; a file that cannot be opened is told and
    // the list shows the draws again; a cancelled choice does nothing.
    prompter.messages.clear();
    chosenFile = host("\\My Documents\\draws.csv").string();
    trigger("importDrawsAction");
    EXPECT_EQ(prompter.texts().back(),
              "Imported 0 lines into past draw file.\nRecorded 0 repeat draw dates.\nSkipped 1 lines.");
    for (const char* unopenable : {"\\My Documents\\none.csv", "\\..\\outside.csv"}) {
        chosenFile = unopenable;
        trigger("importDrawsAction");
        EXPECT_EQ(prompter.texts().back(), "Error 201, CSV file read error\nUnable to open.\n(no such file or directory)");
        EXPECT_EQ(list().model()->rowCount(), 2);
    }
    chosenFile.reset();
    trigger("importDrawsAction");
    EXPECT_EQ(prompter.messages.size(), 3u);
    window->reject();
    EXPECT_EQ(prompter.messages.size(), 3u);
}

TEST_F(PastDrawsWindowTest, exportWritesTheDrawsInListOrderWhateverTheSortAndTellsWhereTheFileIs) {
    writeDraws(kThreeDraws);
    open();
    tapHeading(0);
    trigger("exportDrawsAction");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Export Complete!\nFile is located in your\nMy Documents folder."});
    EXPECT_EQ(testing::readBytes(host("\\My Documents\\Lotto Export.csv")),
              testing::utf16Bytes(u"03,10,22,31,40,45,07\n09,12,23,34,41,46,02\n01,02,24,35,42,47,00\n"));

    std::filesystem::remove_all(host("\\My Documents"));
    testing::writeBytes(host("\\My Documents"), "a file where the folder belongs");
    trigger("exportDrawsAction");
    EXPECT_EQ(prompter.texts().back(), "Error 208, Data File creation Error\n(a file stands where its folder belongs)");
}

}  // namespace
}  // namespace numora
