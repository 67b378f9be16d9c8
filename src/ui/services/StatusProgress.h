#pragma once

#include "platform/PickProgress.h"

class QLabel;
class QProgressBar;

namespace numora {

// A pick's progress shown in the main window: the status line and the
// progress bar, each repainted at once, since a pick runs to its end without
// returning to the event loop.
class StatusProgress final : public PickProgress {
public:
    StatusProgress(QLabel& status, QProgressBar& bar);

    void setProgressEnabled(bool enabled) override;
    void setProgressRange(int low, int high) override;
    void setProgressPosition(int position) override;
    void setStatusText(const std::string& text) override;

private:
    QLabel& status_;
    QProgressBar& bar_;
};

}  // namespace numora
