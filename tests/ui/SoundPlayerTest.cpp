#include "ui/SoundPlayer.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fstream>

#include "ui/art/ChimeSound.h"

namespace numora {
namespace {

TEST(SoundPlayer, missingFilesAreIgnored) {
    QTemporaryDir dir;
    SoundPlayer player;
    player.play(std::filesystem::path(dir.path().toStdString()) / "nothing.wav");
    player.play(dir.path().toStdString());  // a folder
    player.play({});
    EXPECT_TRUE(player.source().isEmpty());
}

TEST(SoundPlayer, playingAFileStartsItAndReturns) {
    QTemporaryDir dir;
    const auto wav = std::filesystem::path(dir.path().toStdString()) / "chime.wav";
    std::ofstream(wav, std::ios::binary) << art::chimeWaveBytes();
    const auto junk = std::filesystem::path(dir.path().toStdString()) / "junk.wav";
    std::ofstream(junk, std::ios::binary) << "not a sound";

    SoundPlayer player;
    player.play(wav);
    EXPECT_EQ(player.source(), QUrl::fromLocalFile(QString::fromStdString(wav.string())));
    player.play(wav);  // again while it may still play
    player.play(junk);
    EXPECT_EQ(player.source(), QUrl::fromLocalFile(QString::fromStdString(junk.string())));
}

}  // namespace
}  // namespace numora
