#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

#include "draws/CsvImport.h"
#include "draws/DatedExport.h"
#include "support/RecordingImportObserver.h"
#include "ui/preview/ImportPreviewDialog.h"
#include "ui/support/PastDrawsFixture.h"

namespace numora {
namespace {

// A publisher's file, newest first, with a draw number and a jackpot beside
// the balls: the draws above, and a line with a ball missing.
constexpr char kPublishedFile[] =
    "\"Draw\",\"Date\",\"Ball 1\",\"Ball 2\",\"Ball 3\",\"Ball 4\",\"Ball 5\",\"Ball 6\",\"Bonus\",\"Jackpot\"\n"
    "\"103\",\"2006-01-18\",\"1\",\"2\",\"24\",\"35\",\"42\",\"47\",\"\",\"$1,000,000 \"\n"
    "\"102\",\"2006-01-11\",\"9\",\"12\",\"23\",\"34\",\"41\",\"46\",\"2\",\"$500,000 \"\n"
    "\"101\",\"2006-01-04\",\"3\",\"10\",\"22\",\"31\",\"40\",\"45\",\"7\",\"$250,000 \"\n"
    "\"100\",\"2006-01-02\",\"5\",\"22\",\"31\",\"40\",\"45\",\"\",\"7\",\"$100,000 \"\n";

class PastDrawsImportTest : public PastDrawsWindowTest {
protected:
    // Draws as the merge walk leaves those it visits: a number the lottery
    // does not draw (ball 7, no bonus) is -1 then.
    static DrawList forms(const DrawList& draws) {
        DrawList compared;
        for (const DrawRecord& draw : draws) compared.append(comparedForm(draw, kLotto));
        return compared;
    }

    // Answers the import preview with its "importButton" or "cancelButton"
    // once it shows, keeping its counts and the rows the list showed under it.
    void answerPreview(const char* button) {
        QTimer::singleShot(0, window.get(), [this, button] {
            auto* preview = qobject_cast<ImportPreviewDialog*>(QApplication::activeModalWidget());
            if (!preview) return answerPreview(button);
            ++previews;
            previewCounts = preview->findChild<QLabel*>(QStringLiteral("countsText"))->text().toStdString();
            rowsUnderPreview = list().model()->rowCount();
            preview->findChild<QPushButton*>(QString::fromLatin1(button))->click();
        });
    }
    void importChosen(const char* deviceFile, const char* previewButton) {
        chosenFile = deviceFile;
        answerPreview(previewButton);
        trigger("importDrawsAction");
    }

    int previews = 0;
    std::string previewCounts;
    int rowsUnderPreview = -1;
};

TEST_F(PastDrawsImportTest, aPublishersFileIsPreviewedFirstCancelChangesNothingAndImportMergesAndSaves) {
    writeDraws({kThreeDraws.at(0)});
    const std::string stored = testing::readBytes(drawFile());
    testing::writeBytes(host("\\My Documents\\published.csv"), kPublishedFile);
    open();
    const QString infoBefore = info();

    importChosen("\\My Documents\\published.csv", "cancelButton");
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(previewCounts, "Read: 4  To import: 2  To skip: 1  Rejected: 1");
    EXPECT_EQ(rowsUnderPreview, 1);  // nothing is taken apart before the answer
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(testing::readBytes(drawFile()), stored);
    EXPECT_EQ(column(8), std::vector<std::string>{"1/4/2006"});
    EXPECT_EQ(info(), infoBefore);

    importChosen("\\My Documents\\published.csv", "importButton");
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Imported 2 lines into past draw file.\nRecorded 0 repeat "
                                                         "draw dates.\nSkipped 1 lines.\nRejected 1 lines."});
    EXPECT_EQ(info(), QStringLiteral("Import Complete"));
    EXPECT_EQ(forms(storedDraws()), forms(kThreeDraws));  // in date order, the stored draw kept once
    EXPECT_EQ(column(8), (std::vector<std::string>{"1/4/2006", "1/11/2006", "1/18/2006"}));
    window->reject();  // saved already: nothing to ask
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(PastDrawsImportTest, aFileOfTheLenientReaderIsImportedWithoutAPreviewAndAFileWithoutDrawsIsToldWhy) {
    writeDraws({kThreeDraws.at(0)});
    // The export's own file: UTF-16LE of the lenient reader's characters.
    testing::writeBytes(host("\\My Documents\\exported.csv"), testing::utf16Bytes(u"09,12,23,34,41,46,02\n"));
    open();
    QWidget* modal = nullptr;
    QTimer::singleShot(0, [&] {
        modal = QApplication::activeModalWidget();
        if (modal) modal->close();
    });
    chosenFile = "\\My Documents\\exported.csv";
    trigger("importDrawsAction");
    EXPECT_EQ(modal, nullptr);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"Imported 1 lines into past draw file.\nRecorded 0 repeat "
                                                         "draw dates.\nSkipped 0 lines."});
    EXPECT_EQ(column(0), (std::vector<std::string>{"03", "09"}));

    // Five balls where the lottery draws six: told, with the draws and the
    // info line as they were.
    const std::string stored = testing::readBytes(drawFile());
    testing::writeBytes(host("\\My Documents\\five.csv"), "Date,Numbers\n2006-01-25,1 2 3 4 5\n");
    prompter.messages.clear();
    importChosen("\\My Documents\\five.csv", "importButton");
    EXPECT_EQ(previews, 0);
    EXPECT_EQ(prompter.texts(), std::vector<std::string>{"No columns hold 6 balls from 1 to 49 beside the date."});
    EXPECT_EQ(testing::readBytes(drawFile()), stored);
    EXPECT_EQ(list().model()->rowCount(), 2);
    EXPECT_EQ(info(), QStringLiteral("Import Complete"));
}

TEST_F(PastDrawsImportTest, aCsvFileDroppedOnTheWindowIsPreviewedAndImportedAndOtherFilesAreNotTaken) {
    testing::writeBytes(host("\\My Documents\\published.CSV"), kPublishedFile);
    testing::writeBytes(host("\\My Documents\\notes.txt"), "01,02,03,04,05,06,07,1/3/2006\n");
    open();
    answerPreview("importButton");
    for (const char* name : {"notes.txt", "published.CSV"}) {
        QMimeData dropped;
        dropped.setUrls({QUrl::fromLocalFile(QString::fromStdString(host(std::string("\\My Documents\\") + name)))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), std::string(name) == "published.CSV") << name;
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &drop);
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !prompter.messages.empty(); }));
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(forms(storedDraws()), forms(kThreeDraws));
}

TEST_F(PastDrawsImportTest, exportWithDatesFollowsTheToolsMenusEntriesAndItsFileRestoresTheDrawsWithTheirDates) {
    writeDraws(kThreeDraws);
    open();
    QStringList entries;
    for (const QAction* action : control<QMenu>(QStringLiteral("toolsMenu")).actions()) entries << action->text();
    EXPECT_EQ(entries, QStringList({"Import Draws", "Export Draws", "Export Draws with Dates"}));

    trigger("exportDatedDrawsAction");
    EXPECT_EQ(prompter.texts(),
              std::vector<std::string>{"Export Complete!\nFile is located in your\nMy Documents folder."});
    EXPECT_EQ(testing::readBytes(host("\\My Documents\\Lotto Export with Dates.csv")),
              "Date,Ball 1,Ball 2,Ball 3,Ball 4,Ball 5,Ball 6,Bonus\n"
              "2006-01-04,03,10,22,31,40,45,07\n2006-01-11,09,12,23,34,41,46,02\n2006-01-18,01,02,24,35,42,47,\n");

    state.current.name = "Restored";
    open();
    importChosen("\\My Documents\\Lotto Export with Dates.csv", "importButton");
    EXPECT_EQ(previews, 1);
    EXPECT_EQ(forms(storedDraws()), forms(kThreeDraws));
}

}  // namespace
}  // namespace numora
