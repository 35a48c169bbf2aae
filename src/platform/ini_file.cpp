#include "platform/ini_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/library_file.h"

namespace {

// The whole file, or nothing with why set. The size a file states may lie (pipes, files that
// grow), so the bound is checked on what is read.
std::optional<std::string> readBounded(const QString& path, SettingsFailure& why) {
    const QFileInfo info(path);
    if (!path.isEmpty() && !info.exists()) {
        return std::string();
    }
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        why = info.isFile() || path.isEmpty() ? SettingsFailure::FileUnreadable
                                              : SettingsFailure::FileNotRegular;
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MaxSettingsFileSize + 1);
    if (bytes.size() > MaxSettingsFileSize) {
        why = SettingsFailure::FileTooLarge;
        return std::nullopt;
    }
    if (file.error() != QFile::NoError) {
        why = SettingsFailure::FileUnreadable;
        return std::nullopt;
    }
    return bytes.toStdString();
}

}  // namespace

IniFile::Stamp IniFile::stampNow() const {
    const QFileInfo info(path_);
    return {info.exists(), info.size(), info.lastModified()};
}

const IniText* IniFile::text(SettingsFailure* why) const {
    const Stamp now = stampNow();
    if (!text_ || now != stamp_) {
        SettingsFailure problem = SettingsFailure::None;
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
    SettingsWrite write;
    write.subject = path_.toStdString();
    const IniText* current = text(&write.failure);
    if (current == nullptr) {
        return write;
    }
    if (!current->complete() && incomplete == Incomplete::Refuse) {
        write.failure = SettingsFailure::FileDamaged;
        return write;
    }
    const std::optional<std::string> changed = current->withValue(key, name, value);
    if (!changed) {
        write.failure = SettingsFailure::ValueNotOneLine;
        return write;
    }
    text_.reset();
    QDir().mkpath(QFileInfo(path_).absolutePath());
    const WriteResult written = replaceFileContents(path_, *changed);
    switch (written.outcome) {
        case WriteOutcome::Written:
            return {};
        case WriteOutcome::ReadOnly:
            write.failure = SettingsFailure::FileReadOnly;
            return write;
        case WriteOutcome::CannotCreate:
        case WriteOutcome::WriteFailed:
            break;
    }
    write.failure = SettingsFailure::FileNotWritten;
    write.detail = written.detail.toStdString();
    return write;
}
