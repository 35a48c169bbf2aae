#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ini_file.h"

// The program's own settings (window layout, zoom, help window size), apart from the settings
// it shares with the host: plain text values in an INI file of its own, read with a bound and
// changed one value at a time (IniFile), never through QSettings.
//
// A key is "Group/Name"; the group becomes the file's section: "Zoom/Factor" is Factor= in
// [Zoom]. Readers take a fallback for a value that is missing or does not parse; writers answer
// whether the file was written, and lastWrite() says why not. The file is read again when it
// changes, so several windows may share it.
//
//     ProgramSettings& settings = ProgramSettings::shared();
//     const int percent = settings.integer("Zoom/Percent", 100, 100, 400);
//     settings.setInteger("Zoom/Percent", 200);
//     restoreState(settings.bytes("MainWindow/State"));
//     settings.setBytes("MainWindow/State", saveState());  // stored as base64
class ProgramSettings {
  public:
    explicit ProgramSettings(QString filePath) : file_(std::move(filePath)) {}

    // The program's settings at programSettingsPath(). It follows that path (tests change it),
    // so fetch it where it is used rather than keeping the reference.
    static ProgramSettings& shared();

    const QString& filePath() const { return file_.path(); }

    QString text(std::string_view key, const QString& fallback = {}) const;
    // A whole number within [min, max]; anything else gives fallback.
    int integer(std::string_view key, int fallback, int min, int max) const;
    // A finite number within [min, max]; anything else gives fallback.
    double real(std::string_view key, double fallback, double min, double max) const;
    // "true" or "false" (any case), "1" or "0".
    bool flag(std::string_view key, bool fallback) const;
    // Bytes stored as base64; empty when missing or not base64.
    QByteArray bytes(std::string_view key) const;

    bool setText(std::string_view key, const QString& value);
    bool setInteger(std::string_view key, int value);
    bool setReal(std::string_view key, double value);
    bool setFlag(std::string_view key, bool value);
    bool setBytes(std::string_view key, const QByteArray& value);

    // How the last write went.
    const SettingsWrite& lastWrite() const { return lastWrite_; }

  private:
    std::optional<std::string> raw(std::string_view key) const;
    bool setRaw(std::string_view key, std::string_view value);

    IniFile file_;
    SettingsWrite lastWrite_;
};

// The file named by the environment variable GLYPHWRIGHT_PROGRAM_SETTINGS, else
// <config folder>/Glyphwright/glyphwright.ini.
QString programSettingsPath();
