#pragma once

#include <string>
#include <vector>

#include "platform/PickProgress.h"

namespace numora {

// Keeps every progress call as a short text, in call order.
class RecordingProgress final : public PickProgress {
public:
    void setProgressEnabled(bool enabled) override { calls.push_back(enabled ? "enable" : "disable"); }
    void setProgressRange(int, int high) override { calls.push_back("range " + std::to_string(high)); }
    void setProgressPosition(int position) override { calls.push_back(std::to_string(position)); }
    void setStatusText(const std::string& text) override { calls.push_back(text); }

    std::vector<std::string> calls;
};

}  // namespace numora
