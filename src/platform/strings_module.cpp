#include "platform/strings_module.h"

#include "platform/program_data.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

std::optional<NumberedTexts> readModule(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxStringsModuleSize) {
        return std::nullopt;
    }
    const QByteArray bytes = file.read(MaxStringsModuleSize);
    NumberedTexts texts =
        parseStringTable(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (texts.empty()) {
        return std::nullopt;
    }
    return texts;
}

}  // namespace

QStringList stringsModuleFolders() {
    QStringList folders = programDataFolders();
    folders += QStandardPaths::standardLocations(QStandardPaths::AppDataLocation);
    return folders;
}

std::optional<StringsModule> loadStringsModule(const QStringList& folders) {
    for (const QString& folder : folders) {
        if (folder.isEmpty()) {
            continue;
        }
        if (auto texts = readModule(QDir(folder).filePath(QLatin1String(StringsModuleFileName)))) {
            return StringsModule{std::move(*texts), folder};
        }
    }
    return std::nullopt;
}
