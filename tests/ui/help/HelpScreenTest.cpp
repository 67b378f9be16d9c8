#include "ui/help/EditHelpScreen.h"
#include "ui/help/MainHelpScreen.h"
#include "ui/help/PastHelpScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

#include "ui/support/Widgets.h"

namespace numora {
namespace {

TEST(HelpScreens, eachScreenHasItsTitleAndIconsFitsThePortraitScreenAndClosesWithResultZero) {
    const struct {
        std::unique_ptr<HelpScreen> screen;
        const char* title;
        const char* closeCaption;
        int icons;
    } cases[] = {{std::make_unique<MainHelpScreen>(), "Help", "Cancel", 3},
                 {std::make_unique<PastHelpScreen>(), "Past Help", "CLOSE", 2},
                 {std::make_unique<EditHelpScreen>(), "Edit Help", "Close", 0}};
    for (const auto& [screen, title, closeCaption, iconCount] : cases) {
        SCOPED_TRACE(title);
        screen->show();
        EXPECT_EQ(screen->windowTitle(), QString::fromLatin1(title));
        EXPECT_EQ(screen->size(), HelpScreen::screenSize());
        expectEveryControlInside(*screen);
        int icons = 0;
        for (const QLabel* label : screen->findChildren<QLabel*>()) {
            if (label->wordWrap()) {
                EXPECT_GE(label->height(), label->heightForWidth(label->width())) << label->objectName().toStdString();
            }
            icons += label->pixmap().isNull() ? 0 : 1;
        }
        EXPECT_EQ(icons, iconCount);
        auto& close = child<QPushButton>(*screen, "closeButton");
        EXPECT_EQ(close.text(), QString::fromLatin1(closeCaption));
        QTimer::singleShot(0, &close, &QPushButton::click);
        EXPECT_EQ(screen->exec(), 0);
    }
}

}  // namespace
}  // namespace numora
