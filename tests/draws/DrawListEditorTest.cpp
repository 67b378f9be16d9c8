#include <gtest/gtest.h>

#include "draws/DrawListEditor.h"

namespace numora {

namespace {

constexpr char kCannotCreate[] = "ERROR 101\nUnable to Open or Create \\x\\L.dat";

DrawRecord drawOf(std::int32_t first) { return {.ball1 = first}; }

}  // namespace

TEST(DrawListEditor, asksToSaveWheneverTheDrawsChangedSinceTheyWereFilledOrSaved) {
    DrawFileResult saveResult;
    int saves = 0;
    DrawListEditor editor([&](const DrawList&) {
        ++saves;
        return saveResult;
    });
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
    EXPECT_EQ(saves, 2);

    saveResult = {DrawFileResult::Status::CannotCreate, kCannotCreate};
    EXPECT_EQ(editor.add(drawOf(4)),
              (std::vector<std::string>{kCannotCreate, "ERROR 2006:\nUnable to save past draw data!"}));
    EXPECT_EQ(editor.draws().back(), drawOf(4));
    EXPECT_EQ(editor.saveOnClose(), kCannotCreate);
    EXPECT_EQ(editor.closeQuestion(), "Save changes?");
}

}  // namespace numora
