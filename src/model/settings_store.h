#pragma once

#include <string>
#include <string_view>

// The two roots of the settings, as the Windows registry has them.
enum class SettingsRoot { CurrentUser, LocalMachine };

// How a key is opened: to read it, to write it when it exists, or to write it creating it.
enum class KeyAccess { Read, Write, WriteCreate };

// The result of a write: ok, or a sentence saying why it failed, ready to show.
struct SettingsWrite {
    bool ok = true;
    std::string error;
};

// The registry-like settings the host shares with the editor: keys of the form
// "Software\Maker\Product" under two roots, each holding named text values.
class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // Whether the key can be opened with the given access. Read: the key exists; Write: it
    // exists and can be written; WriteCreate: it can be written, being created if missing.
    virtual bool openKey(SettingsRoot root, std::string_view key, KeyAccess access) = 0;
    virtual bool valueExists(SettingsRoot root, std::string_view key,
                             std::string_view name) const = 0;
    // The text of the value; empty when it does not exist.
    virtual std::string readText(SettingsRoot root, std::string_view key,
                                 std::string_view name) const = 0;
    virtual SettingsWrite writeText(SettingsRoot root, std::string_view key, std::string_view name,
                                    std::string_view value) = 0;
};
