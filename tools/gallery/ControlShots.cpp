#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>
#include <QWidget>

#include "Gallery.h"
#include "app/BallPictureNames.h"
#include "ui/art/Icons.h"
#include "ui/controls/BallDisplay.h"
#include "ui/controls/IconButton.h"
#include "ui/controls/RoundIconButton.h"

namespace numora::gallery {

namespace {

constexpr int kDeviceWidth = 240;
constexpr int kPickedLine[] = {3, 9, 17, 23, 40, 41, -1, 7};

void shootBallDisplay(Gallery& gallery, const QString& name, bool idle) {
    BallDisplay display(gallery.state(), gallery.device());
    display.setPlaceholders(BallDisplay::rowPlaceholders(kDeviceWidth));
    display.resize(kDeviceWidth, display.sizeHint().height() + 2);
    display.clear();
    if (idle) {
        display.showIdle();
    } else {
        for (int slot = kFirstBallSlot; slot <= kBonusSlot; ++slot)
            display.ShowBall(slot, kPickedLine[slot - 1]);
    }
    gallery.saveWidget(name, display);
}

void hoverOver(IconButton& button) {
    const QPointF centre = QRectF(button.rect()).center();
    QMouseEvent move(QEvent::MouseMove, centre, button.mapToGlobal(centre), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &move);
}

IconButton* addButton(QGridLayout& grid, int row, int column, const QString& note,
                      IconButton* button) {
    auto* cell = new QVBoxLayout;
    auto* label = new QLabel(note);
    label->setAlignment(Qt::AlignHCenter);
    QFont small = label->font();
    small.setPixelSize(10);
    label->setFont(small);
    cell->addWidget(button, 0, Qt::AlignHCenter);
    cell->addWidget(label);
    grid.addLayout(cell, row, column);
    return button;
}

IconButton* mainButton(const QString& caption, int icon) {
    auto* button = new IconButton(caption);
    button->SetIcon(icon, 16, 16);
    button->SetFlat(false, false);
    button->setMinimumWidth(84);
    return button;
}

void shootIconButtons(Gallery& gallery) {
    QWidget panel;
    panel.setObjectName(QStringLiteral("iconButtonPanel"));
    auto* grid = new QGridLayout(&panel);
    grid->setSpacing(10);

    addButton(*grid, 0, 0, QStringLiteral("at rest"), mainButton(QStringLiteral("Past Draws"), art::kPastDrawsIcon));
    IconButton* pick = addButton(*grid, 0, 1, QStringLiteral("default"),
                                 mainButton(QStringLiteral("Pick"), art::kPickIcon));
    pick->setDefault(true);
    IconButton* pressed = addButton(*grid, 0, 2, QStringLiteral("pressed"),
                                    mainButton(QStringLiteral("Draw Stats"), art::kDrawStatsIcon));
    pressed->setDown(true);

    IconButton* focused = addButton(*grid, 1, 0, QStringLiteral("focused"),
                                    mainButton(QStringLiteral("Stats"), art::kDrawStatsIcon));
    IconButton* disabled = addButton(*grid, 1, 1, QStringLiteral("disabled"),
                                     mainButton(QStringLiteral("Draws"), art::kPastDrawsIcon));
    disabled->setEnabled(false);
    auto* above = addButton(*grid, 1, 2, QStringLiteral("icon above"),
                            mainButton(QStringLiteral("Pick"), art::kPickIcon));
    above->SetAlign(IconButton::kIconAbove, true);

    auto* flatRest = new IconButton(QStringLiteral("Flat"));
    flatRest->SetIcon(art::kSoundIcon, 16, 16);
    addButton(*grid, 2, 0, QStringLiteral("flat at rest"), flatRest);
    auto* flatLit = new IconButton(QStringLiteral("Flat"));
    flatLit->SetIcon(art::kSoundIcon, 16, 16);
    addButton(*grid, 2, 1, QStringLiteral("flat lit"), flatLit);
    auto* right = new IconButton(QStringLiteral("Right"));
    right->SetIcon(art::kBrowseIcon, 16, 16);
    right->SetAlign(IconButton::kIconRight, false);
    right->SetFlat(false, false);
    addButton(*grid, 2, 2, QStringLiteral("icon right"), right);

    const auto browse = [](bool rounded) {
        auto* button = new RoundIconButton;
        button->SetIcon(art::kBrowseIcon, 16, 16);
        button->SetColor(IconButton::kLitBackground, button->palette().color(QPalette::Base), true);
        button->SetColor(IconButton::kLitText, QColor(0, 128, 0), true);
        button->SetAlign(IconButton::kIconRight, true);
        button->SetRounded(rounded, true);
        button->setFixedSize(26, 24);
        return button;
    };
    addButton(*grid, 3, 0, QStringLiteral("browse at rest"), browse(true));
    RoundIconButton* roundLit = browse(true);
    addButton(*grid, 3, 1, QStringLiteral("browse lit"), roundLit);
    RoundIconButton* squareLit = browse(false);
    addButton(*grid, 3, 2, QStringLiteral("not rounded, lit"), squareLit);

    panel.show();
    panel.activateWindow();
    QApplication::processEvents();
    focused->setFocus();
    hoverOver(*flatLit);
    hoverOver(*roundLit);
    hoverOver(*squareLit);
    gallery.saveWidget(QStringLiteral("icon-buttons"), panel);
}

}  // namespace

void shootControls(Gallery& gallery) {
    shootBallDisplay(gallery, QStringLiteral("ball-display-idle"), true);
    shootBallDisplay(gallery, QStringLiteral("ball-display-pick"), false);
    shootIconButtons(gallery);
}

}  // namespace numora::gallery
