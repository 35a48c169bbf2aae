#include "platform/program_settings.h"

#include <QStandardPaths>
#include <array>
#include <charconv>
#include <cmath>
#include <memory>

namespace {

// "Group/Name" as the key "Group" and the value name "Name"; a key without a group has its
// value before the file's first section.
std::pair<std::string_view, std::string_view> splitKey(std::string_view key) {
    const size_t slash = key.find_last_of("/\\");
    if (slash == std::string_view::npos) {
        return {{}, key};
    }
    return {key.substr(0, slash), key.substr(slash + 1)};
}

}  // namespace

ProgramSettings& ProgramSettings::shared() {
    static std::unique_ptr<ProgramSettings> settings;
    const QString path = programSettingsPath();
    if (!settings || settings->filePath() != path) {
        settings = std::make_unique<ProgramSettings>(path);
    }
    return *settings;
}

std::optional<std::string> ProgramSettings::raw(std::string_view key) const {
    const IniText* text = file_.text();
    if (text == nullptr) {
        return std::nullopt;
    }
    const auto [group, name] = splitKey(key);
    return text->value(group, name);
}

bool ProgramSettings::setRaw(std::string_view key, std::string_view value) {
    const auto [group, name] = splitKey(key);
    lastWrite_ = file_.setValue(group, name, value, IniFile::Incomplete::Write);
    return lastWrite_.ok();
}

QString ProgramSettings::text(std::string_view key, const QString& fallback) const {
    const std::optional<std::string> value = raw(key);
    return value ? QString::fromStdString(*value) : fallback;
}

int ProgramSettings::integer(std::string_view key, int fallback, int min, int max) const {
    const std::optional<std::string> value = raw(key);
    int number = 0;
    if (!value) {
        return fallback;
    }
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number);
    return error == std::errc() && stop == end && number >= min && number <= max ? number
                                                                                 : fallback;
}

double ProgramSettings::real(std::string_view key, double fallback, double min, double max) const {
    const std::optional<std::string> value = raw(key);
    double number = 0;
    if (!value) {
        return fallback;
    }
    const char* end = value->data() + value->size();
    const auto [stop, error] = std::from_chars(value->data(), end, number);
    return error == std::errc() && stop == end && std::isfinite(number) && number >= min &&
                   number <= max
               ? number
               : fallback;
}

bool ProgramSettings::flag(std::string_view key, bool fallback) const {
    const QString value = text(key).trimmed().toLower();
    if (value == QLatin1String("true") || value == QLatin1String("1")) {
        return true;
    }
    if (value == QLatin1String("false") || value == QLatin1String("0")) {
        return false;
    }
    return fallback;
}

QByteArray ProgramSettings::bytes(std::string_view key) const {
    const std::optional<std::string> value = raw(key);
    if (!value) {
        return {};
    }
    const auto decoded = QByteArray::fromBase64Encoding(QByteArray::fromStdString(*value),
                                                        QByteArray::AbortOnBase64DecodingErrors);
    return decoded ? *decoded : QByteArray();
}

bool ProgramSettings::setText(std::string_view key, const QString& value) {
    return setRaw(key, value.toStdString());
}

bool ProgramSettings::setInteger(std::string_view key, int value) {
    return setRaw(key, std::to_string(value));
}

bool ProgramSettings::setReal(std::string_view key, double value) {
    // The shortest text that reads back as the same number.
    std::array<char, 32> text{};
    const auto [end, error] = std::to_chars(text.data(), text.data() + text.size(), value);
    return setRaw(key, std::string_view(text.data(), static_cast<size_t>(end - text.data())));
}

bool ProgramSettings::setFlag(std::string_view key, bool value) {
    return setRaw(key, value ? "true" : "false");
}

bool ProgramSettings::setBytes(std::string_view key, const QByteArray& value) {
    return setRaw(key, value.toBase64().toStdString());
}

QString programSettingsPath() {
    const QString overridden = qEnvironmentVariable("GLYPHWRIGHT_PROGRAM_SETTINGS");
    if (!overridden.isEmpty()) {
        return overridden;
    }
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Glyphwright/glyphwright.ini");
}
