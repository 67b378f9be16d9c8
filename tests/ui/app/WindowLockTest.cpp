#include <gtest/gtest.h>
#include <unistd.h>

#include "support/RecordingPrompter.h"
#include "ui/app/WindowLock.h"
#include "ui/support/DeviceRoot.h"

namespace numora {
namespace {

TEST(WindowLock, aSecondWindowOnTheSameRootIsRefusedAndToldWhoHoldsIt) {
    DeviceRoot root;
    std::filesystem::create_directories(root.host(kTestDataFolder));
    RecordingPrompter prompter;
    auto first = lockRootForWindow(root.paths, kTestDataFolder, prompter);
    ASSERT_EQ(first.has_value(), true);
    EXPECT_EQ(prompter.messages.empty(), true);
    // While the window is open, neither a second window nor a writing command gets the root.
    EXPECT_EQ(DeviceLock::take(root.paths, kTestDataFolder, "numora-cli add").refused(), true);
    EXPECT_EQ(lockRootForWindow(root.paths, kTestDataFolder, prompter).has_value(), false);
    ASSERT_EQ(prompter.texts().size(), 1u);
    const std::string holder = "(held by numora, process " + std::to_string(::getpid()) + " on ";
    EXPECT_EQ(prompter.texts()[0].rfind(std::string("Numora is already open on this device root ") + holder, 0), 0u)
        << prompter.texts()[0];

    first.reset();
    EXPECT_EQ(lockRootForWindow(root.paths, kTestDataFolder, prompter).has_value(), true);
}

}  // namespace
}  // namespace numora
