#pragma once

#include <QString>
#include <memory>

#include "model/settings_store.h"
#include "platform/ini_file.h"

// The settings store over two INI files, one per root. A registry key ("Software\Maker\Product")
// and a value name address the value at that path (see IniText for the layout), found whatever
// the case of the names. Values are plain text; nothing in them is decoded.
//
// A file that cannot be used reads as empty and refuses writes. A file with lines that do not
// parse is read as far as it goes, and writes to it are refused so that nothing is added to a
// file the user must mend. A key exists when it holds a value or a subkey or is named by a
// section, so a key created for writing appears once its first value is written. Writing a
// value changes only that value's text in the file, which is replaced atomically.
class IniSettingsStore final : public SettingsStore {
  public:
    IniSettingsStore(QString userFile, QString machineFile);

    bool openKey(SettingsRoot root, std::string_view key, KeyAccess access) override;
    bool valueExists(SettingsRoot root, std::string_view key, std::string_view name) const override;
    std::string readText(SettingsRoot root, std::string_view key,
                         std::string_view name) const override;
    SettingsWrite writeText(SettingsRoot root, std::string_view key, std::string_view name,
                            std::string_view value) override;

    const QString& filePath(SettingsRoot root) const { return file(root).path(); }

  private:
    const IniFile& file(SettingsRoot root) const;
    IniFile& file(SettingsRoot root);

    IniFile user_;
    IniFile machine_;
};

// The store the editor uses. The user's settings: the INI file named by the environment
// variable GLYPHWRIGHT_USER_SETTINGS, else <config folder>/Glyphwright/registry.ini. The
// machine's: GLYPHWRIGHT_MACHINE_SETTINGS, else /etc/xdg/Glyphwright/registry.ini.
std::unique_ptr<SettingsStore> createHostSettingsStore();
