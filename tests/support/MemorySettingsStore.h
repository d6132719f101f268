#pragma once

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "settings/SettingsStore.h"

namespace bytelora::testing {

// A settings store in memory that remembers every write in order and can be told to
// refuse writes the way a broken store does.
class MemorySettingsStore : public SettingsStore {
  public:
    struct Write {
        std::string appName, section, key, value;
        bool operator==(const Write&) const = default;
    };

    std::string GetSetting(const std::string& appName, const std::string& section,
                           const std::string& key, const std::string& defaultValue) override {
        reads_.push_back(key);
        const auto it = values_.find({appName, section, key});
        return it == values_.end() ? defaultValue : it->second;
    }

    void SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override {
        if (failure_) throw SettingsError(*failure_);
        writes_.push_back({appName, section, key, value});
        values_[{appName, section, key}] = value;
    }

    // Puts a value in place as if an earlier run had stored it; not recorded as a write.
    void Preset(const std::string& key, const std::string& value) {
        values_[{kSettingsAppName, kSettingsSection, key}] = value;
    }
    // The stored value of the program's own section, nullopt when absent.
    std::optional<std::string> Value(const std::string& key) const {
        const auto it = values_.find({kSettingsAppName, kSettingsSection, key});
        return it == values_.end() ? std::nullopt : std::optional<std::string>(it->second);
    }

    // Every later write throws SettingsError(message) and stores nothing.
    void FailWrites(std::string message = "The settings store cannot be written.") {
        failure_ = std::move(message);
    }
    void StopFailing() { failure_.reset(); }

    const std::vector<Write>& writes() const { return writes_; }
    // Keys written, in order, whatever the application and section.
    std::vector<std::string> writtenKeys() const {
        std::vector<std::string> keys;
        for (const auto& write : writes_) keys.push_back(write.key);
        return keys;
    }
    // Keys read, in order.
    const std::vector<std::string>& reads() const { return reads_; }
    void ClearRecord() {
        writes_.clear();
        reads_.clear();
    }

  private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> values_;
    std::vector<Write> writes_;
    std::vector<std::string> reads_;
    std::optional<std::string> failure_;
};

}  // namespace bytelora::testing
