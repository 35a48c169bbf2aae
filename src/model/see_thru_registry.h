#pragma once

#include <string>
#include <string_view>

#include "model/settings_store.h"

// A registry reader that starts at the current user's settings and sees through to the local
// machine's where the user has none:
// - a key opened without permission to create it that exists only for the machine is opened
//   read-only from the machine;
// - a value missing in the user's key is read from the same key of the machine;
// - closing a key opened from the machine returns to the current user's root.
class TSeeThruRegistry {
  public:
    explicit TSeeThruRegistry(SettingsStore& store) : store_(store) {}

    SettingsRoot rootKey() const { return root_; }
    // Closes the open key and switches to the given root.
    void setRootKey(SettingsRoot root);

    // Opens the key under the current root, created when canCreate is set; without it, falls
    // back to the machine's key as described above. False when no key could be opened.
    bool openKey(std::string_view key, bool canCreate);
    // Opens the key for reading under the current root only.
    bool openKeyReadOnly(std::string_view key);
    void closeKey();

    bool hasOpenKey() const { return open_; }
    bool isReadOnly() const { return readOnly_; }
    const std::string& currentPath() const { return key_; }

    // The value of the open key, or of the machine's same key when the user's lacks it; empty
    // when it exists nowhere or no key is open.
    std::string readString(std::string_view name) const;
    // Fails, naming the value and why, when no key is open, the key is open read-only or the store
    // refuses.
    SettingsWrite writeString(std::string_view name, std::string_view value);

  private:
    void openAt(SettingsRoot root, std::string_view key, bool readOnly);

    SettingsStore& store_;
    SettingsRoot root_ = SettingsRoot::CurrentUser;
    std::string key_;
    bool open_ = false;
    bool readOnly_ = false;
    bool openedFromMachine_ = false;
};
