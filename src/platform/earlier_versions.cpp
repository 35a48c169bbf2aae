#include "platform/earlier_versions.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/user_data_folder.h"

namespace {

// Version files are named by a sequence number, so that names sort by age whatever the clock
// does, and the time of the save that replaced them: 000000042-20261208-153021.sym.
constexpr char TimeFormat[] = "yyyyMMdd-HHmmss";
constexpr int SequenceWidth = 9;

QString resolved(const QString& libraryPath) {
    const QFileInfo info(libraryPath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(info.absoluteFilePath()) : canonical;
}

QStringList versionNames(const QDir& folder) {
    return folder.entryList(QDir::Files, QDir::Name | QDir::Reversed);
}

// The name of a version after every one already there.
QString newVersionName(const QDir& folder, const QString& suffix) {
    const QStringList names = versionNames(folder);
    const qint64 last = names.isEmpty() ? 0 : names.front().section('-', 0, 0).toLongLong();
    return folder.filePath(QStringLiteral("%1-%2.%3")
                               .arg(last + 1, SequenceWidth, 10, QChar('0'))
                               .arg(QDateTime::currentDateTimeUtc().toString(TimeFormat), suffix));
}

bool copyKeepingTime(const QString& from, const QString& to) {
    QFile source(from);
    if (!source.copy(to)) {
        return false;
    }
    QFile copy(to);
    if (copy.open(QIODevice::ReadWrite)) {
        copy.setFileTime(QFileInfo(from).lastModified(), QFileDevice::FileModificationTime);
    }
    return true;
}

}  // namespace

QString versionsFolder(const QString& libraryPath) {
    const QString path = resolved(libraryPath);
    const QByteArray hash =
        QCryptographicHash::hash(QFile::encodeName(path), QCryptographicHash::Sha1).toHex();
    return QDir(userDataFolder())
        .filePath("versions/" + QFileInfo(path).fileName() + "-" + hash.left(16));
}

std::vector<EarlierVersion> earlierVersions(const QString& libraryPath) {
    std::vector<EarlierVersion> versions;
    const QDir folder(versionsFolder(libraryPath));
    for (const QString& name : versionNames(folder)) {
        const QFileInfo info(folder.filePath(name));
        versions.push_back({info.absoluteFilePath(), info.lastModified(), info.size()});
    }
    return versions;
}

KeptVersion::KeptVersion(const QString& libraryPath) {
    const QString file = resolved(libraryPath);
    if (!QFileInfo(file).isFile()) {
        return;
    }
    folder_ = versionsFolder(libraryPath);
    if (!QDir().mkpath(folder_)) {
        return;
    }
    const QString version = newVersionName(QDir(folder_), QFileInfo(file).suffix());
    // A link keeps the very file the save is about to rename its new text over.
    if (::link(QFile::encodeName(file).constData(), QFile::encodeName(version).constData()) == 0 ||
        copyKeepingTime(file, version)) {
        path_ = version;
    }
}

KeptVersion::~KeptVersion() {
    if (!kept_ && !path_.isEmpty()) {
        QFile::remove(path_);
    }
}

void KeptVersion::keep() {
    if (path_.isEmpty()) {
        return;
    }
    kept_ = true;
    const QDir folder(folder_);
    const QStringList names = versionNames(folder);
    for (qsizetype i = MaxKeptVersions; i < names.size(); ++i) {
        QFile::remove(folder.filePath(names[i]));
    }
}
