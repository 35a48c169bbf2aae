#pragma once

#include <string>
#include <string_view>
#include <utility>

// The two roots of the settings, as the Windows registry has them.
enum class SettingsRoot { CurrentUser, LocalMachine };

// How a key is opened: to read it, to write it when it exists, or to write it creating it.
enum class KeyAccess { Read, Write, WriteCreate };

// Why a write of a setting failed. The wording is left to whoever shows it, in the user's
// language (see failedWriteText).
enum class SettingsFailure {
    None,
    NoKeyOpen,
    KeyOnlyForMachine,  // the key exists only in the machine's settings, open read-only
    KeyReadOnly,
    InvalidName,  // the value name or key cannot be stored
    FileUnreadable,
    FileNotRegular,
    FileTooLarge,
    FileDamaged,  // it has lines that do not parse and is left as it is
    ValueNotOneLine,
    FileReadOnly,
    FileNotWritten,
};

// The result of a write: ok, or what failed and where.
struct SettingsWrite {
    SettingsFailure failure = SettingsFailure::None;
    std::string subject;  // the key or the file the failure concerns
    std::string detail;   // the system's own reason, where it gave one
    std::string name;     // the value that was to be written
    bool ok() const { return failure == SettingsFailure::None; }

    static SettingsWrite failed(SettingsFailure failure, std::string subject = {}) {
        SettingsWrite write;
        write.failure = failure;
        write.subject = std::move(subject);
        return write;
    }
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
