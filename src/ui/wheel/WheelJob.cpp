#include "ui/wheel/WheelJob.h"

namespace numora {

namespace {
constexpr int kPollMilliseconds = 40;
}  // namespace

void WheelJob::Shared::progress(const SearchProgress& progress) {
    const std::lock_guard<std::mutex> guard(lock_);
    latest_ = progress;
}

std::optional<SearchProgress> WheelJob::Shared::takeProgress() {
    const std::lock_guard<std::mutex> guard(lock_);
    return std::exchange(latest_, std::nullopt);
}

WheelJob::WheelJob(QObject* parent) : QObject(parent) {
    poll_.setInterval(kPollMilliseconds);
    connect(&poll_, &QTimer::timeout, this, &WheelJob::poll);
}

WheelJob::~WheelJob() {
    cancel();
    stop();
}

void WheelJob::start(const WheelRequest& request, const LotteryProfile& lottery, const SearchLimits& limits) {
    cancel();
    stop();
    shared_ = std::make_unique<Shared>();
    Shared* shared = shared_.get();
    thread_ = std::thread([this, shared, request, lottery, limits] {
        wheel_ = searchWheel(request, lottery, limits, *shared);
        shared->done.store(true);
    });
    poll_.start();
}

void WheelJob::cancel() {
    if (shared_) shared_->cancel.store(true);
}

void WheelJob::stop() {
    poll_.stop();
    if (thread_.joinable()) thread_.join();
}

void WheelJob::poll() {
    if (!shared_) return;
    if (const auto progress = shared_->takeProgress()) Q_EMIT progressed(*progress);
    if (!shared_->done.load()) return;
    stop();
    Q_EMIT finished();
}

}  // namespace numora
