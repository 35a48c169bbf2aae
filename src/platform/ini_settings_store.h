#pragma once

#include <QSettings>
#include <QString>
#include <memory>

#include "model/settings_store.h"

// Where one root's settings live: an INI file, or on Windows a registry hive such as
// "HKEY_CURRENT_USER" read in the native format.
struct SettingsLocation {
    QString path;
    QSettings::Format format = QSettings::IniFormat;
};

// Settings files larger than this are not read: they cannot be the editor's and would only
// stall the start-up.
inline constexpr qint64 MaxSettingsFileSize = 4 * 1024 * 1024;

// The settings store over QSettings, one location per root. Registry key paths
// ("Software\Maker\Product") become QSettings groups ("Software/Maker/Product").
//
// An INI file is checked before every use: a path that is not a regular readable file of at
// most MaxSettingsFileSize reads as empty and refuses writes. A file that does not parse is
// read as far as it goes, and writes to it are refused so its unparsed lines are not lost. A
// key exists when it holds a value or a subkey, so a key created for writing appears once its
// first value is written.
//
// Qt parses a file once per process and reports a damaged file only to the QSettings that
// parsed it, so each root keeps its QSettings, renewed when the file changes on disk. Give each
// file to one store only.
class IniSettingsStore final : public SettingsStore {
  public:
    IniSettingsStore(SettingsLocation user, SettingsLocation machine);
    ~IniSettingsStore() override;

    bool openKey(SettingsRoot root, std::string_view key, KeyAccess access) override;
    bool valueExists(SettingsRoot root, std::string_view key, std::string_view name) const override;
    std::string readText(SettingsRoot root, std::string_view key,
                         std::string_view name) const override;
    SettingsWrite writeText(SettingsRoot root, std::string_view key, std::string_view name,
                            std::string_view value) override;

    const SettingsLocation& location(SettingsRoot root) const;

  private:
    struct OpenSettings;
    // The root's settings, current with the file; nullptr when it cannot be read, and then
    // why says why.
    QSettings* settingsFor(SettingsRoot root, QString* why = nullptr) const;

    SettingsLocation user_;
    SettingsLocation machine_;
    mutable std::unique_ptr<OpenSettings> open_[2];
};

// The store the editor uses. The user's settings: the INI file named by the environment
// variable GLYPHWRIGHT_USER_SETTINGS, else the registry on Windows, else
// <config folder>/Glyphwright/registry.ini. The machine's: GLYPHWRIGHT_MACHINE_SETTINGS, else
// the registry on Windows, else /etc/xdg/Glyphwright/registry.ini.
std::unique_ptr<SettingsStore> createHostSettingsStore();
