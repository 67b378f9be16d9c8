#pragma once

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "settings/LotteryProfile.h"
#include "wheels/WheelSearch.h"

namespace numora {

// A wheel search on a thread of its own, so that the window stays alive and
// can cancel it. Its progress and its end arrive as signals on the thread
// that started it.
class WheelJob : public QObject {
    Q_OBJECT

public:
    explicit WheelJob(QObject* parent = nullptr);
    // Cancels a running search and waits for it.
    ~WheelJob() override;

    void start(const WheelRequest& request, const LotteryProfile& lottery, const SearchLimits& limits);
    void cancel();
    bool running() const { return thread_.joinable(); }
    // The search's wheel, once finished.
    const Wheel& wheel() const { return wheel_; }

Q_SIGNALS:
    void progressed(const SearchProgress& progress);
    void finished();

private:
    // What the search thread shares with the window's.
    class Shared : public SearchControl {
    public:
        bool cancelled() override { return cancel.load(); }
        void progress(const SearchProgress& progress) override;
        std::optional<SearchProgress> takeProgress();

        std::atomic<bool> cancel{false};
        std::atomic<bool> done{false};

    private:
        std::mutex lock_;
        std::optional<SearchProgress> latest_;
    };

    void poll();
    void stop();

    std::unique_ptr<Shared> shared_;
    std::thread thread_;
    QTimer poll_;
    Wheel wheel_;
};

}  // namespace numora
