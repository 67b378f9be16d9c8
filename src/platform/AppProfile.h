#pragma once

#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace numora {

// One value to store by section and key: text or an integer.
struct ProfileValue {
    std::string_view section;
    std::string_view key;
    std::variant<std::string_view, int> value;
};

// The per-user option store: values by section and key, text or integer.
// A read of a value that was never written yields the caller's default. A
// write returns whether the value was stored.
class AppProfile {
public:
    virtual ~AppProfile() = default;
    virtual std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const = 0;
    virtual int readInt(std::string_view section, std::string_view key, int fallback) const = 0;
    virtual bool writeText(std::string_view section, std::string_view key, std::string_view value) = 0;
    virtual bool writeInt(std::string_view section, std::string_view key, int value) = 0;
    // Stores the values together, in order: a store kept in a file writes it
    // once, so that it holds all of them or none. This one writes them one at a
    // time and stops at the first that fails.
    virtual bool writeAll(const std::vector<ProfileValue>& values);
    // Removes a value, so that reads yield their default again; true also
    // when there was none. A store kept in a file writes it at once.
    virtual bool remove(std::string_view section, std::string_view key) = 0;

    // Why the store cannot be used at all, or else why its last write failed,
    // as words that follow "Numora" ("cannot use the options file X: it is a
    // pipe, not a file"); empty while all is well. A store that cannot be
    // used reads every value as its default and refuses every write.
    virtual std::string failure() const { return {}; }
};

// An AppProfile that lives in memory only; for tests and for a run that
// must not touch the user's stored options.
class InMemoryAppProfile final : public AppProfile {
public:
    std::string readText(std::string_view section, std::string_view key, std::string_view fallback) const override;
    int readInt(std::string_view section, std::string_view key, int fallback) const override;
    bool writeText(std::string_view section, std::string_view key, std::string_view value) override;
    bool writeInt(std::string_view section, std::string_view key, int value) override;
    bool remove(std::string_view section, std::string_view key) override;

    bool contains(std::string_view section, std::string_view key) const;

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, std::variant<std::string, int>> values_;
};

}  // namespace numora
