#include "ui/SoundPlayer.h"

#include <gtest/gtest.h>

#include "support/TestFiles.h"
#include "ui/art/ChimeSound.h"

namespace numora {
namespace {

TEST(SoundPlayer, playsAFileThatIsThereAndIgnoresAMissingOne) {
    testing::ScratchFolder folder;
    SoundPlayer player;
    player.play(folder / "nothing.wav");
    player.play(folder.path());
    player.play({});
    EXPECT_TRUE(player.source().isEmpty());

    testing::writeBytes(folder / "chime.wav", art::chimeWaveBytes());
    player.play(folder / "chime.wav");
    player.play(folder / "chime.wav");  // again while it may still play
    EXPECT_EQ(player.source(), QUrl::fromLocalFile(QString::fromStdString((folder / "chime.wav").string())));
}

}  // namespace
}  // namespace numora
