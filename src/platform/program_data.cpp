#include "platform/program_data.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList programDataFolders() {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.path(),
            QDir::cleanPath(programFolder.filePath(QStringLiteral(GLYPH_DATA_FROM_PROGRAM)))};
}

QString programDataPath(const QString& name) {
    const QStringList folders = programDataFolders();
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(name);
        if (QFileInfo::exists(path)) {
            return path;
        }
    }
    return QDir(folders.front()).filePath(name);
}
