#pragma once

#include <string>

#include "platform/AppProfile.h"

namespace numora::testing {

// An option store in memory whose writes fail once a number of them have been
// stored, as writes do on a full disk or behind a lock that stays held.
class FailingAppProfile final : public AppProfile {
public:
    static constexpr char kFailure[] = "cannot write the options file /home/me/.config/Corvane/Numora.conf";

    explicit FailingAppProfile(int writesThatSucceed = 0) : writesLeft_(writesThatSucceed) {}

    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const override {
        return stored.readText(section, key, fallback);
    }
    int readInt(std::string_view section, std::string_view key, int fallback) const override {
        return stored.readInt(section, key, fallback);
    }
    bool writeText(std::string_view section, std::string_view key, std::string_view value) override {
        return mayWrite() && stored.writeText(section, key, value);
    }
    bool writeInt(std::string_view section, std::string_view key, int value) override {
        return mayWrite() && stored.writeInt(section, key, value);
    }
    bool remove(std::string_view section, std::string_view key) override {
        return mayWrite() && stored.remove(section, key);
    }
    std::string failure() const override { return failure_; }

    InMemoryAppProfile stored;
    int writesTried = 0;

private:
    bool mayWrite() {
        ++writesTried;
        if (writesLeft_ == 0) failure_ = kFailure;
        return writesLeft_-- > 0;
    }

    int writesLeft_;
    std::string failure_;
};

}  // namespace numora::testing
