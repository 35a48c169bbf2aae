#pragma once

#include <QDateTime>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "model/ini_text.h"
#include "model/settings_store.h"

// Settings files larger than this are not read: they cannot be the editor's and would only
// stall the start-up.
inline constexpr qint64 MaxSettingsFileSize = 4 * 1024 * 1024;

// One INI file on disk (see IniText for what it may hold). Its text is read once and again
// whenever the file changes; a missing file reads as empty, and a path that is no regular
// readable file of at most MaxSettingsFileSize cannot be used at all. A value is changed by
// replacing the file atomically with a copy in which only that value differs.
class IniFile {
  public:
    explicit IniFile(QString path) : path_(std::move(path)) {}

    const QString& path() const { return path_; }

    // The file's text, current with the file; nullptr when the file cannot be used, and then
    // why says why.
    const IniText* text(SettingsFailure* why = nullptr) const;

    enum class Incomplete { Refuse, Write };
    // Sets key\name to value in the file as it is now, creating it (and its folder) when
    // missing. A file with lines that do not parse is left alone unless incomplete says Write.
    SettingsWrite setValue(std::string_view key, std::string_view name, std::string_view value,
                           Incomplete incomplete = Incomplete::Refuse);

  private:
    struct Stamp {
        bool exists = false;
        qint64 size = 0;
        QDateTime modified;
        bool operator==(const Stamp&) const = default;
    };
    Stamp stampNow() const;

    QString path_;
    mutable std::optional<IniText> text_;
    mutable Stamp stamp_;
};
