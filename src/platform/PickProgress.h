#pragma once

#include <string>

namespace numora {

// What a pick needs of the window that runs it: a progress bar and a status line.
class PickProgress {
public:
    virtual ~PickProgress() = default;
    virtual void setProgressEnabled(bool enabled) = 0;
    virtual void setProgressRange(int low, int high) = 0;
    virtual void setProgressPosition(int position) = 0;
    virtual void setStatusText(const std::string& text) = 0;
};

}  // namespace numora
