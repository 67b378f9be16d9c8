#include "ui/app/StartCheck.h"

#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

namespace numora {
namespace {

TEST(StartCheck, closesTheWindowAsItsCloseButtonWouldOnceItIsPaintedAndSaysSo) {
    QDialog window;
    window.resize(120, 80);
    const StartCheck check(window);
    // A window that is never painted would wait here for ever: give up after a while.
    QTimer::singleShot(10'000, &window, [&window] { window.done(-1); });
    testing::internal::CaptureStdout();
    const int result = window.exec();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), StartCheck::kStartedLine);
    EXPECT_EQ(result, QDialog::Accepted);
}

}  // namespace
}  // namespace numora
