#pragma once

#include <string>
#include <string_view>

#include "draws/DrawFile.h"

namespace numora {

class DevicePaths;

// Whether a lottery's draw file may be saved over once it has been loaded. A
// file that is not there, or that was read whole, may be; one that is there
// but could not be read, or only in part, is left as it is, so that saving
// the draws that were read never destroys the ones that were not.
class DrawFileGuard {
public:
    static constexpr char kCannotRead[] = "The draw file %s cannot be read.";
    static constexpr char kNotSavedOver[] =
        "The draw file %s could not be read whole, so Numora does not save over it.\n"
        "Export Draws can keep a copy of the draws shown.";

    // Judges the load of the lottery's draw file by its result.
    static DrawFileGuard afterLoad(const DrawFileResult& loaded, const DevicePaths& device,
                                   std::string_view dataFolder, std::string_view lotteryName);

    bool maySave() const { return reason_.empty(); }
    // Why the file was not read whole, to tell the user once; empty when it
    // may be saved over.
    const std::string& reason() const { return reason_; }
    // The message shown instead of saving.
    std::string refusal() const;

private:
    std::string deviceName_;
    std::string reason_;
};

}  // namespace numora
