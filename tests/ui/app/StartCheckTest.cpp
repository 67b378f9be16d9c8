#include "ui/app/StartCheck.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <sstream>

#include "platform/DeviceLock.h"
#include "qt/DeviceRoot.h"
#include "qt/QSettingsAppProfile.h"
#include "ui/app/NumoraApp.h"
#include "ui/support/DeviceRoot.h"

namespace numora {
namespace {

TEST(StartCheck, closesTheWindowAsItsCloseButtonWouldOnceItIsPaintedAndSaysSo) {
    QDialog window;
    window.resize(120, 80);
    const StartCheck check(window);
    // A window that is never painted would wait here for ever: give up after a while.
    QTimer::singleShot(10'000, &window, [&window] { window.done(-1); });
    ::testing::internal::CaptureStdout();
    const int result = window.exec();
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), StartCheck::kStartedLine);
    EXPECT_EQ(result, QDialog::Accepted);
}

TEST(StartCheck, messagesAreWrittenAsABoxShowsThemSafeForATerminalAndQuestionsAnsweredNo) {
    std::ostringstream out;
    StartCheckPrompter prompter(out);
    EXPECT_FALSE(prompter.spoke());
    prompter.report("Exported to\r \\My Documents\x1B]0;owned\x07");
    EXPECT_FALSE(prompter.ask("Save changes?"));
    EXPECT_TRUE(prompter.spoke());
    EXPECT_EQ(out.str(),
              "numora: Exported to\n \\My Documents\\x1B]0;owned\\x07\n"
              "numora: Save changes? (answered No)\n");
}

// What a start check of the program wrote, and its exit status.
struct CheckedStart {
    int status = 0;
    std::string out;
    std::string err;
};

CheckedStart checkStart(const DeviceRoot& root) {
    // A message box that waits for a tap would stop the check: close any after a while.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QMessageBox*>(widget) && widget->isVisible()) widget->close();
        }
    });
    closer.start(5'000);
    NumoraApp app(LaunchOptions{root.folder.path(), {240, 320}, true});
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    CheckedStart checked;
    checked.status = app.run();
    checked.out = ::testing::internal::GetCapturedStdout();
    checked.err = ::testing::internal::GetCapturedStderr();
    return checked;
}

TEST(StartCheck, messagesGoToTheErrorStreamAndFailTheCheckInsteadOfWaitingForATap) {
    DeviceRoot root;
    const auto store = root.host(kRootOptionStore);
    QSettingsAppProfile(QFile::decodeName(store.c_str())).writeText("Advanced", "Sound", "FALSE");
    std::filesystem::create_directories(root.host(kTestDataFolder));
    {
        const DeviceLock window = DeviceLock::take(root.paths, kTestDataFolder, "numora");
        const CheckedStart second = checkStart(root);
        EXPECT_EQ(second.status, 1);
        EXPECT_EQ(second.out, "");
        EXPECT_EQ(second.err.rfind("numora: Numora is already open on this device root (held by numora, ", 0), 0u)
            << second.err;
    }

    testing::writeBytes(root.host(std::string(kTestDataFolder) + "\\PBall.dat"), "\x05");
    const CheckedStart damaged = checkStart(root);
    EXPECT_EQ(damaged.status, 1);
    EXPECT_EQ(damaged.out, StartCheck::kStartedLine);
    EXPECT_EQ(damaged.err,
              "numora: The draw file \\Program Files\\Numora\\PBall.dat is damaged: only its first 0 draws could be "
              "read.\n");

    // An options file that cannot be used is told first; the window opens with the defaults.
    std::filesystem::remove(store);
    ASSERT_EQ(::mkfifo(store.c_str(), 0600), 0);
    std::filesystem::remove(root.host(std::string(kTestDataFolder) + "\\PBall.dat"));
    const CheckedStart unusable = checkStart(root);
    EXPECT_EQ(unusable.status, 1);
    EXPECT_EQ(unusable.out, StartCheck::kStartedLine);
    // (The default options play the start sound, which may have its own words for the error stream.)
    const std::string told = "numora: Numora cannot use the options file " + store.string() +
                             ": it is a pipe, not a file; it goes on with the default options and leaves the file as "
                             "it is.\n";
    EXPECT_EQ(unusable.err.rfind(told, 0), 0u) << unusable.err;
    EXPECT_TRUE(std::filesystem::is_fifo(store));

    std::filesystem::remove(store);
    QSettingsAppProfile(QFile::decodeName(store.c_str())).writeText("Advanced", "Sound", "FALSE");
    const CheckedStart clean = checkStart(root);
    EXPECT_EQ(std::tuple(clean.status, clean.out, clean.err), std::tuple(0, StartCheck::kStartedLine, ""));
}

}  // namespace
}  // namespace numora
