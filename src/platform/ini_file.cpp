#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/library_file.h"

namespace {

// The whole file, or nothing with why set. The size a file states may lie (pipes, files that
// grow), so the bound is checked on what is read.
std::optional<std::string> readBounded(const QString& path, QString& why) {
    if (path.isEmpty()) {
        why = QStringLiteral("file is not named");
        return std::nullopt;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return std::string();
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        why = info.isFile() ? QStringLiteral("file \"%1\" cannot be read").arg(path)
                            : QStringLiteral("file \"%1\" is not a regular file").arg(path);
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MaxSettingsFileSize + 1);
    if (bytes.size() > MaxSettingsFileSize) {
        why = QStringLiteral("file \"%1\" is too large to be a settings file").arg(path);
        return std::nullopt;
    }
    if (file.error() != QFile::NoError) {
        why = QStringLiteral("file \"%1\" cannot be read").arg(path);
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace

IniFile::Stamp IniFile::stampNow() const {
    const QFileInfo info(path_);
    return {info.exists(), info.size(), info.lastModified()};
}

const IniText* IniFile::text(QString* why) const {
    const Stamp now = stampNow();
    if (!text_ || now != stamp_) {
        QString problem;
        std::optional<std::string> bytes = readBounded(path_, problem);
        if (!bytes) {
            text_.reset();
            if (why != nullptr) {
                *why = problem;
            }
            return nullptr;
        }
        text_.emplace(std::move(*bytes));
        stamp_ = now;
    }
    return &*text_;
}

SettingsWrite IniFile::setValue(std::string_view key, std::string_view name, std::string_view value,
                                Incomplete incomplete) {
    // Read afresh: what another program wrote since is kept as well.
    text_.reset();
    QString why;
    const IniText* current = text(&why);
    const std::string where = path_.toStdString();
    if (current == nullptr) {
        return {false, "the settings " + why.toStdString() + "."};
    }
    if (!current->complete() && incomplete == Incomplete::Refuse) {
        return {false, "the settings file \"" + where + "\" is damaged and is left as it is."};
    }
    const std::optional<std::string> changed = current->withValue(key, name, value);
    if (!changed) {
        return {false, "the value cannot be written on one line of a settings file."};
    }
    text_.reset();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const WriteResult written = replaceFileContents(path_, *changed);
    switch (written.outcome) {
        case WriteOutcome::Written:
            return {};
        case WriteOutcome::ReadOnly:
            return {false, "the settings file \"" + where + "\" is read-only."};
        case WriteOutcome::CannotCreate:
        case WriteOutcome::WriteFailed:
            break;
    }
    return {false, "the settings file \"" + where + "\" could not be written (" +
                       written.detail.toStdString() + ")."};
}
