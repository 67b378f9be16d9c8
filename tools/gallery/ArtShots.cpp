#include <QPainter>

#include "Gallery.h"
#include "app/BallPictureNames.h"
#include "ui/art/BallPictures.h"
#include "ui/art/Icons.h"
#include "ui/art/Pictures.h"

namespace numora::gallery {

namespace {

constexpr int kIconNumbers[] = {
    art::kProgramIcon,     art::kExportPicksIcon, art::kLotteryProfileIcon, art::kErasePicksIcon,
    art::kImportDrawsIcon, art::kExportDrawsIcon, art::kDrawStatsIcon,      art::kPastDrawsIcon,
    art::kPickIcon,        art::kBrowseIcon,      art::kSoundIcon,
};

QPixmap installedPicture(Gallery& gallery, const std::string& devicePath) {
    const auto host = gallery.device().toHost(devicePath);
    return host ? QPixmap(QString::fromStdString(host->string())) : QPixmap();
}

void shootIcons(Gallery& gallery) {
    Sheet sheet(11, 56, 50);
    for (const int side : {16, 32, 48}) {
        sheet.newRow(QStringLiteral("Icons at %1 pixels").arg(side));
        for (const int number : kIconNumbers)
            sheet.add(art::iconPixmap(number, {side, side}), QString::number(number));
    }
    sheet.newRow(QStringLiteral("Toolbar (16 by 15)"));
    const std::pair<art::ToolbarImage, const char*> toolbar[] = {
        {art::ToolbarImage::ExportPicks, "export"}, {art::ToolbarImage::AddLotteryType, "lottery"},
        {art::ToolbarImage::Advanced, "advanced"},  {art::ToolbarImage::ErasePicks, "erase"},
        {art::ToolbarImage::Help, "help"},
    };
    for (const auto& [image, label] : toolbar)
        sheet.add(art::toolbarIcon(image).pixmap(art::toolbarImageSize()), QString::fromLatin1(label));
    gallery.save(QStringLiteral("icons"), sheet.render());
}

void shootBalls(Gallery& gallery) {
    const std::string& folder = gallery.state().dataFolder;
    Sheet sheet(10, 34, 30);
    sheet.newRow(QStringLiteral("Balls 0 to 99 (installed JPEG files)"));
    for (int n = kLowestBallNumber; n <= kHighestBallNumber; ++n)
        sheet.add(installedPicture(gallery, ballPicturePath(folder, n)), QString::number(n));
    sheet.newRow(QStringLiteral("PowerBalls R0 to R99"));
    for (int n = kLowestBallNumber; n <= kHighestBallNumber; ++n)
        sheet.add(installedPicture(gallery, powerBallPicturePath(folder, n)),
                  QStringLiteral("R%1").arg(n));
    sheet.newRow(QStringLiteral("Second drum S0 to S99"));
    for (int n = kLowestBallNumber; n <= kHighestBallNumber; ++n)
        sheet.add(installedPicture(gallery, secondDrumPicturePath(folder, n)), QStringLiteral("S%1").arg(n));
    sheet.newRow(QStringLiteral("Empty ball and idle pictures"));
    for (int n = kEmptyBall; n >= kLastIdlePicture; --n)
        sheet.add(installedPicture(gallery, ballPicturePath(folder, n)), QString::number(n));
    gallery.save(QStringLiteral("ball-pictures"), sheet.render());
}

void shootPictures(Gallery& gallery) {
    Sheet sheet(2, 170, 50);
    sheet.newRow(QStringLiteral("Logo and picture 172"));
    sheet.add(art::logoPicture(), QStringLiteral("logo"));
    sheet.add(art::cloverPicture(), QString::number(art::kCloverPictureNumber));
    gallery.save(QStringLiteral("pictures"), sheet.render());
}

}  // namespace

void shootArt(Gallery& gallery) {
    shootIcons(gallery);
    shootBalls(gallery);
    shootPictures(gallery);
}

}  // namespace numora::gallery
