#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace numora {

class DevicePaths;

// The device folders every run expects: the data folder with its ball
// pictures, the documents folder for exports, and the system folder that
// holds the default sound.
inline constexpr char kDocumentsFolder[] = "\\My Documents";
inline constexpr char kSystemFolder[] = "\\Windows";
inline constexpr char kBallsFolderName[] = "Balls";

// Creates the data folder, its "Balls" folder, "\My Documents" and "\Windows"
// under the device root where they are missing. False when one cannot be made.
bool createDeviceFolders(const DevicePaths& device, std::string_view dataFolder);

// A file the program installs on first run: its device path and a maker of
// its bytes, called only when the file is missing.
struct InstalledFile {
    std::string devicePath;
    std::function<std::string()> makeBytes;
};

// A file with a variant of it beside it: a picture and its larger variant.
struct InstalledPair {
    InstalledFile file;
    InstalledFile variant;
};

// What an install did with each file.
struct InstallCounts {
    int written = 0;
    int kept = 0;     // already there: a user's own file is never replaced
    int failed = 0;   // could not be written; the program runs without it
    int skipped = 0;  // variants not written beside a user's own file

    InstallCounts& operator+=(const InstallCounts& more);
};

// Writes each file that does not exist yet, making its folder when needed. A
// file already there (the user's own picture or sound, say) is never
// overwritten, not even one that appears while the install runs: each file is
// created only if nothing is at its place. A file that cannot be written whole
// is removed, so no damaged file stays to be kept by the next run.
InstallCounts installMissingFiles(const DevicePaths& device, const std::vector<InstalledFile>& files);

// The same for files with variants. A missing variant is written only beside
// the program's own file: one this install wrote, or one that still holds the
// bytes the program makes for it. Beside a user's own file it would show
// instead of it, so it is skipped.
InstallCounts installMissingFiles(const DevicePaths& device, const std::vector<InstalledPair>& pairs);

}  // namespace numora
