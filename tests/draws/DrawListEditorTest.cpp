#include <gtest/gtest.h>

#include "draws/DrawListEditor.h"

namespace numora {

namespace {

DrawRecord drawOf(std::int32_t first) {
    DrawRecord draw;
    draw.ball1 = first;
    return draw;
}

struct SavingEditor {
    DrawFileResult result;
    int saves = 0;
    DrawListEditor editor{[this](const DrawList&) {
        ++saves;
        return result;
    }};
};

}  // namespace

TEST(DrawListEditor, asksToSaveWheneverTheDrawsChangedSinceTheyWereFilledOrSaved) {
    SavingEditor saving;
    DrawListEditor& editor = saving.editor;
    editor.fill({drawOf(1), drawOf(2), drawOf(3)});
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);

    editor.insertBefore(0, drawOf(9));
    editor.remove(3);
    EXPECT_EQ(editor.draws(), (DrawList{drawOf(9), drawOf(1), drawOf(2)}));
    EXPECT_EQ(editor.closeQuestion(), "Save changes?");

    EXPECT_EQ(editor.saveOnClose(), "");
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);
    editor.insertBefore(2, drawOf(7));
    EXPECT_EQ(editor.draws().at(2), drawOf(7));
    EXPECT_EQ(editor.add(drawOf(8)), std::vector<std::string>{});
    EXPECT_EQ(editor.closeQuestion(), std::nullopt);
    EXPECT_EQ(saving.saves, 2);
}

TEST(DrawListEditor, addThatCannotSaveReportsBothTextsAndKeepsTheDrawForTheCloseQuestion) {
    SavingEditor saving;
    saving.result = {DrawFileResult::Status::CannotCreate, "ERROR 101\nUnable to Open or Create \\x\\L.dat"};
    EXPECT_EQ(saving.editor.add(drawOf(4)), (std::vector<std::string>{"ERROR 101\nUnable to Open or Create \\x\\L.dat",
                                                                      "ERROR 2006:\nUnable to save past draw data!"}));
    EXPECT_EQ(saving.editor.draws(), DrawList{drawOf(4)});
    EXPECT_EQ(saving.editor.closeQuestion(), "Save changes?");
    EXPECT_EQ(saving.editor.saveOnClose(), "ERROR 101\nUnable to Open or Create \\x\\L.dat");
    EXPECT_EQ(saving.editor.closeQuestion(), "Save changes?");
}

}  // namespace numora
