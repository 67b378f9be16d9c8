#include "ui/services/SoundPlayer.h"

#include <QUrl>

#include <system_error>

namespace numora {

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    setObjectName(QStringLiteral("soundPlayer"));
}

void SoundPlayer::play(const std::filesystem::path& hostFile) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(hostFile, error)) return;
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(hostFile.string()));
    if (effect_.source() != url) effect_.setSource(url);
    effect_.play();
}

}  // namespace numora
