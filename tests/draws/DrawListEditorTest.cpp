#include <gtest/gtest.h>

#include "draws/DrawListEditor.h"

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

}  // namespace numora
