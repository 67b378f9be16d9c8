#include <gtest/gtest.h>

#include "draws/DrawListEditor.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/RecordingImportObserver.h"

namespace numora {

TEST(DrawListEditor, asksToSaveWheneverTheDrawsChangedSinceTheyWereFilledOrSaved) {
    constexpr char kCannotCreate[] = "ERROR 101\nUnable to Open or Create \\x\\L.dat";
    DrawFileResult saveResult;
    int saves = 0;
    DrawListEditor editor([&](const DrawList&) { ++saves; return saveResult; });
    editor.fill({{0, 1}, {0, 2}, {0, 3}});
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);

    editor.insertBefore(0, {0, 9});
    editor.remove(3);
    EXPECT_EQ(editor.draws(), (DrawList{{0, 9}, {0, 1}, {0, 2}}));
    EXPECT_EQ(editor.closeQuestion(), "Save changes?");
    EXPECT_EQ(editor.saveOnClose(), "");
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);
    editor.insertBefore(2, {0, 7});
    EXPECT_EQ(editor.add({0, 8}), std::vector<std::string>{});
    EXPECT_EQ(editor.draws(), (DrawList{{0, 9}, {0, 1}, {0, 7}, {0, 2}, {0, 8}}));
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);
    EXPECT_EQ(saves, 2);

    saveResult = {DrawFileResult::Status::CannotCreate, kCannotCreate};
    EXPECT_EQ(editor.add({0, 4}),
              (std::vector<std::string>{kCannotCreate, "ERROR 2006:\nUnable to save past draw data!"}));
    EXPECT_EQ(editor.draws().back(), (DrawRecord{0, 4}));
    EXPECT_EQ(editor.saveOnClose(), kCannotCreate);
    EXPECT_EQ(editor.closeQuestion(), "Save changes?");
}

namespace {

// An import of one draw, from a CSV line or a table row, into an editor whose
// draw file saves as told.
class EditorImport : public ::testing::TestWithParam<bool> {
protected:
    ImportStatus import() {
        if (GetParam()) return editor.importTable({{{2, {0, 1, 2, 3, 4, 5, 6}}}, {}}, lotto, shown).status;
        return editor.importCsv("1,2,3,4,5,6,1/4/2006\n", {lotto, locale, time, 0}, shown).status;
    }

    const LotteryProfile lotto{};
    const FixedLocaleInfo locale;
    const FixedOffsetLocalTime time;
    DrawFileResult saveResult;
    int saves = 0;
    DrawListEditor editor{[this](const DrawList&) { ++saves; return saveResult; }};
    testing::RecordingImportObserver shown;
};

}  // namespace

TEST_P(EditorImport, anImportWhoseSaveFailedKeepsTheCloseQuestionAndOneThatSavedAsksNothing) {
    saveResult = {DrawFileResult::Status::CannotCreate, "ERROR 101\nUnable to Open or Create x"};
    EXPECT_EQ(import(), ImportStatus::SaveFailed);
    EXPECT_EQ(editor.draws().size(), 1u);
    EXPECT_EQ(editor.closeQuestion(), "Save changes?");
    saveResult = {};
    EXPECT_EQ(import(), ImportStatus::Completed);
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);
}

// Draws filled from a file that was not read whole are never saved over it:
// the add, the import and the close question's Yes fail with the load's
// message, and the draw file's save is never called.
TEST_P(EditorImport, drawsOfAFileNotReadWholeAreNeverSavedOverIt) {
    constexpr char kDamaged[] = "The draw file \\x\\L.dat is damaged: only its first 1 draws could be read.";
    for (const auto status : {DrawFileResult::Status::Damaged, DrawFileResult::Status::Unreadable}) {
        editor.fill({{0, 1}}, {status, kDamaged});
        EXPECT_EQ(editor.add({0, 2}), (std::vector<std::string>{kDamaged, "ERROR 2006:\nUnable to save past draw data!"}));
        EXPECT_EQ(import(), ImportStatus::SaveFailed);
        EXPECT_EQ(shown.messages.front(), kDamaged);
        EXPECT_EQ(editor.saveOnClose(), kDamaged);
    }
    EXPECT_EQ(saves, 0);
    editor.fill({}, {DrawFileResult::Status::Missing, {}});
    EXPECT_EQ(editor.add({0, 2}), std::vector<std::string>{});
    EXPECT_EQ(saves, 1);
}

INSTANTIATE_TEST_SUITE_P(CsvAndTable, EditorImport, ::testing::Bool());

}  // namespace numora
