#pragma once

#include <gtest/gtest.h>

#include <sstream>

#include "CliCommand.h"
#include "app/AppState.h"
#include "platform/DevicePaths.h"
#include "platform/AppProfile.h"
#include "platform/LocalTime.h"
#include "platform/LocaleInfo.h"
#include "support/TestFiles.h"

namespace numora {

// A device in a scratch folder with the data folder in place, and a context
// for running one command at a time against its settings file.
class SettingsCommandTest : public ::testing::Test {
protected:
    SettingsCommandTest() {
        state.dataFolder = "\\Program Files\\Numora";
        std::filesystem::create_directories(dataFolder);
    }

    using Command = int (*)(CliContext&, const std::vector<std::string>&);

    int run(Command command, const std::vector<std::string>& words) {
        out.str({});
        err.str({});
        CliContext context{state, device, profile, locale, time, out, err};
        return command(context, words);
    }

    // A settings file written in the program's own format.
    void writeSettings(std::u16string_view text) { testing::writeBytes(settingsFile, testing::utf16WithMark(text)); }
    std::string settingsBytes() const { return testing::readBytes(settingsFile); }

    testing::ScratchFolder root;
    std::filesystem::path dataFolder = root / "Program Files" / "Numora";
    std::filesystem::path settingsFile = dataFolder / "Numora.ini";
    DevicePaths device{root.path()};
    AppState state;
    InMemoryAppProfile profile;
    FixedLocaleInfo locale;
    FixedOffsetLocalTime time;
    std::ostringstream out;
    std::ostringstream err;
};

}  // namespace numora
