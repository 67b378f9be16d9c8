#pragma once

#include "platform/PickProgress.h"

namespace numora {

// The progress of a pick made without a window: nothing is shown.
class SilentProgress final : public PickProgress {
public:
    void setProgressEnabled(bool) override {}
    void setProgressRange(int, int) override {}
    void setProgressPosition(int) override {}
    void setStatusText(const std::string&) override {}
};

}  // namespace numora
