#pragma once

#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>

#include "model/settings_store.h"

// A settings store in memory for tests: keys exist once created or written, and each root can
// be made read-only.
class MemorySettingsStore : public SettingsStore {
  public:
    void setValue(SettingsRoot root, std::string_view key, std::string_view name,
                  std::string_view value) {
        keys_.insert({root, std::string(key)});
        values_[{root, std::string(key)}][std::string(name)] = value;
    }
    void addKey(SettingsRoot root, std::string_view key) { keys_.insert({root, std::string(key)}); }
    void setWritable(SettingsRoot root, bool writable) { writable_[index(root)] = writable; }
    bool hasKey(SettingsRoot root, std::string_view key) const {
        return keys_.count({root, std::string(key)}) != 0;
    }

    bool openKey(SettingsRoot root, std::string_view key, KeyAccess access) override {
        switch (access) {
            case KeyAccess::Read:
                return hasKey(root, key);
            case KeyAccess::Write:
                return hasKey(root, key) && writable_[index(root)];
            case KeyAccess::WriteCreate:
                if (!writable_[index(root)]) {
                    return false;
                }
                addKey(root, key);
                return true;
        }
        return false;
    }
    bool valueExists(SettingsRoot root, std::string_view key,
                     std::string_view name) const override {
        const auto found = values_.find({root, std::string(key)});
        return found != values_.end() && found->second.count(std::string(name)) != 0;
    }
    std::string readText(SettingsRoot root, std::string_view key,
                         std::string_view name) const override {
        const auto found = values_.find({root, std::string(key)});
        if (found == values_.end()) {
            return {};
        }
        const auto value = found->second.find(std::string(name));
        return value == found->second.end() ? std::string() : value->second;
    }
    SettingsWrite writeText(SettingsRoot root, std::string_view key, std::string_view name,
                            std::string_view value) override {
        ++writes;
        if (!writable_[index(root)]) {
            return SettingsWrite::failed(SettingsFailure::FileReadOnly, "memory");
        }
        setValue(root, key, name, value);
        return {};
    }

    int writes = 0;

  private:
    static int index(SettingsRoot root) { return root == SettingsRoot::CurrentUser ? 0 : 1; }
    using Key = std::pair<SettingsRoot, std::string>;
    std::set<Key> keys_;
    std::map<Key, std::map<std::string, std::string>> values_;
    bool writable_[2] = {true, true};
};
