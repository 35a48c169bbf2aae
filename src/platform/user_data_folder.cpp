#include "platform/user_data_folder.h"

#include <QDir>
#include <QStandardPaths>

QString userDataFolder() {
    const QString chosen = qEnvironmentVariable("GLYPHWRIGHT_DATA_DIR");
    if (!chosen.isEmpty()) {
        return chosen;
    }
    // Named here rather than by the application name, which glyphlib does not share.
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
        .filePath("glyphwright");
}
