#pragma once

#include <QObject>
#include <QSoundEffect>

#include <filesystem>

#include "ui/services/WavePlayer.h"

namespace numora {

// Plays a wave file without waiting for it to end. A file that is missing or
// cannot be played, or a machine without a sound device, is ignored silently.
class SoundPlayer : public QObject, public WavePlayer {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);

    // Starts the file and returns at once; a sound still playing is cut off.
    void play(const std::filesystem::path& hostFile) override;

    // The file last started, empty when none was.
    QUrl source() const { return effect_.source(); }

private:
    QSoundEffect effect_;
};

}  // namespace numora
