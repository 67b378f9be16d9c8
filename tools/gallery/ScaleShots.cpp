// The program on a desktop scaled to 200%: the main window with the larger
// ball pictures, the same window with the single pictures only (as a user's
// own pictures, or an older device, would show), and the art drawn at scale 2
// beside the same art enlarged from its small bitmap.
#include <QImage>

#include <filesystem>

#include "Gallery.h"
#include "app/BallPictureNames.h"
#include "settings/SettingsLocation.h"
#include "ui/art/Icons.h"
#include "ui/art/Pictures.h"
#include "ui/controls/BallDisplay.h"

namespace numora::gallery {

namespace {

constexpr int kScale = 2;
constexpr int kPicks = 4;
constexpr int kBallRowWidth = 240;
const int kBalls[] = {7, 23, 49};
const int kIcons[] = {art::kProgramIcon, art::kPickIcon, art::kPastDrawsIcon, art::kDrawStatsIcon,
                      art::kExportPicksIcon, art::kSoundIcon};

// What a small bitmap looks like when the desktop enlarges it.
QPixmap enlarged(const QImage& small) {
    return QPixmap::fromImage(small.scaled(small.size() * kScale, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QPixmap devicePixels(const QPixmap& picture) {
    QPixmap copy = picture;
    copy.setDevicePixelRatio(1);
    return copy;
}

QImage installedImage(Gallery& gallery, const std::string& devicePath) {
    const auto host = gallery.device().toHost(devicePath);
    return host ? QImage(QString::fromStdString(host->string())) : QImage();
}

void shootArtComparison(Gallery& gallery) {
    const std::string& folder = gallery.state().dataFolder;
    Sheet sheet(6, 84, 64);
    sheet.newRow(QStringLiteral("Balls at scale 2: the 28-pixel picture enlarged, then the larger picture"));
    for (const int number : kBalls) {
        const std::string picture = ballPicturePath(folder, number);
        sheet.add(enlarged(installedImage(gallery, picture)), QStringLiteral("%1 enlarged").arg(number));
        sheet.add(devicePixels(QPixmap::fromImage(installedImage(gallery, largerPicturePath(picture)))),
                  QStringLiteral("%1 larger").arg(number));
    }
    sheet.newRow(QStringLiteral("Icons at scale 2: the 16-pixel bitmap enlarged, then drawn at scale 2"));
    for (const int number : kIcons) {
        sheet.add(enlarged(art::iconImage(number, {16, 16})), QStringLiteral("%1 enlarged").arg(number));
        sheet.add(devicePixels(art::iconPixmap(number, {16, 16})), QStringLiteral("%1 drawn").arg(number));
    }
    gallery.save(QStringLiteral("art-scale2"), sheet.render());

    Sheet pictures(2, 310, 80);
    pictures.newRow(QStringLiteral("Logo and picture 172, drawn at scale 2"));
    pictures.add(devicePixels(art::logoPicture()), QStringLiteral("logo"));
    pictures.add(devicePixels(art::cloverPicture()), QString::number(art::kCloverPictureNumber));
    gallery.save(QStringLiteral("pictures-scale2"), pictures.render());
}

void removeLargerPictures(Gallery& gallery) {
    const auto balls = gallery.device().toHost(gallery.state().dataFolder + "\\Balls");
    if (!balls) return;
    for (const auto& entry : std::filesystem::directory_iterator(*balls)) {
        if (entry.path().stem().string().ends_with("@2x")) std::filesystem::remove(entry.path());
    }
}

// A checked pick: the balls that match the draw are ringed.
void shootMarkedBalls(Gallery& gallery) {
    BallDisplay display(gallery.state(), gallery.device());
    display.setPlaceholders(BallDisplay::rowPlaceholders(kBallRowWidth));
    display.setFixedSize(display.sizeHint());
    const int line[] = {4, 9, 17, 23, 31, 40, 46, 12};
    for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot) display.ShowBall(slot, line[slot - kFirstBallSlot]);
    display.setMarks({true, false, true, true, false, false, true, false});
    gallery.saveWidget(QStringLiteral("ball-display-scale2-marked"), display);
}

// A first start: no lottery listed yet.
void shootFirstStart(Gallery& gallery) {
    const auto settings = gallery.device().toHost(settingsFilePath(gallery.state().dataFolder));
    if (!settings) return;
    const std::filesystem::path aside = settings->string() + ".aside";
    std::filesystem::rename(*settings, aside);
    shootMainWindow(gallery, QStringLiteral("main-window-scale2-first-start"), {240, 320}, 0);
    std::filesystem::rename(aside, *settings);
}

}  // namespace

void shootAtScaleTwo(Gallery& gallery) {
    shootArtComparison(gallery);
    shootMarkedBalls(gallery);
    shootMainWindow(gallery, QStringLiteral("main-window-scale2"), {240, 320}, kPicks);
    shootMainWindow(gallery, QStringLiteral("main-window-scale2-landscape"), {320, 240}, kPicks);
    shootFirstStart(gallery);
    removeLargerPictures(gallery);
    shootMainWindow(gallery, QStringLiteral("main-window-scale2-single-pictures"), {240, 320}, kPicks);
}

}  // namespace numora::gallery
