#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace numora {

class DevicePaths;

// One writer per device root. Every read-modify-write of the device's files
// (a writing terminal command, the main window for as long as it is open)
// holds an advisory lock on "Numora.lock" in the data folder. The holder
// writes who it is into the file, so that a writer that is refused can say so;
// the file itself stays, empty, when the lock is let go.
//
// The lock belongs to the open file, not to the process: two takes in one
// process exclude each other as two processes do, and the system lets go of
// the lock when the holder ends, however it ends.
class DeviceLock {
public:
    enum class Status {
        Held,         // this object holds the lock until it is destroyed
        Busy,         // another writer holds it; message says who
        Unavailable,  // the data folder takes no new file, so no save can land there either
        Failed,       // the lock file cannot be used; message says why
    };

    static constexpr char kLockFileName[] = "Numora.lock";
    static constexpr char kAlreadyOpen[] = "Numora is already open on this device root";
    static constexpr char kAlreadyOpenBy[] = "%s (held by %s)";
    static constexpr char kHolderFormat[] = "%s, process %ld on %s";
    static constexpr char kCannotLock[] = "cannot lock the device root with %s: %s";

    // Takes the lock of the data folder without waiting. program names the
    // holder for others ("numora", "numora-cli import").
    static DeviceLock take(const DevicePaths& device, std::string_view dataFolder, std::string_view program);
    // The same for a lock file given by its host path.
    static DeviceLock take(const std::filesystem::path& lockFile, std::string_view program);

    DeviceLock(DeviceLock&& other) noexcept;
    DeviceLock& operator=(DeviceLock&& other) noexcept;
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;
    ~DeviceLock();

    Status status() const { return status_; }
    // True when the writer must not go on: another holds the lock, or it
    // cannot be used.
    bool refused() const { return status_ == Status::Busy || status_ == Status::Failed; }
    // What to tell the user when refused.
    const std::string& message() const { return message_; }

private:
    DeviceLock(Status status, int descriptor, std::string message);
    void release();

    Status status_;
    int descriptor_;
    std::string message_;
};

}  // namespace numora
