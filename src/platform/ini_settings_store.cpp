#include "platform/ini_settings_store.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QVariant>
#include <utility>

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The key's parts, empty ones dropped: "Software\Maker\\Product" -> Software, Maker, Product.
QStringList keyParts(std::string_view key) {
    return fromUtf8(key).split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

// A value name may not contain a separator, else it would address another key.
bool isValidValueName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/") == std::string_view::npos;
}

QString valuePath(std::string_view key, std::string_view name) {
    return keyParts(key).join(QLatin1Char('/')) + QLatin1Char('/') + fromUtf8(name);
}

// Why an INI file cannot be used; empty when it can (a missing file can: it reads as empty).
QString iniFileProblem(const QString& path) {
    if (path.isEmpty()) {
        return QStringLiteral("file is not named");
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        return {};
    }
    if (!info.isFile()) {
        return QStringLiteral("file \"%1\" is not a regular file").arg(path);
    }
    if (!info.isReadable()) {
        return QStringLiteral("file \"%1\" cannot be read").arg(path);
    }
    if (info.size() > MaxSettingsFileSize) {
        return QStringLiteral("file \"%1\" is too large to be a settings file").arg(path);
    }
    return {};
}

int slot(SettingsRoot root) {
    return root == SettingsRoot::CurrentUser ? 0 : 1;
}

// A file that failed to parse is not written back: that would drop its unparsed lines.
bool canWrite(const QSettings& settings) {
    return settings.status() == QSettings::NoError && settings.isWritable();
}

SettingsLocation locationFor(const char* variable, const QString& nativePath,
                             const QString& iniPath) {
    const QString overridden = qEnvironmentVariable(variable);
    if (!overridden.isEmpty()) {
        return {overridden, QSettings::IniFormat};
    }
#ifdef Q_OS_WIN
    Q_UNUSED(iniPath);
    return {nativePath, QSettings::NativeFormat};
#else
    Q_UNUSED(nativePath);
    return {iniPath, QSettings::IniFormat};
#endif
}

}  // namespace

// A root's QSettings and the state of its file when it was read.
struct IniSettingsStore::OpenSettings {
    std::unique_ptr<QSettings> settings;
    bool existed = false;
    qint64 size = 0;
    QDateTime modified;
};

IniSettingsStore::IniSettingsStore(SettingsLocation user, SettingsLocation machine)
    : user_(std::move(user)), machine_(std::move(machine)) {}

IniSettingsStore::~IniSettingsStore() = default;

const SettingsLocation& IniSettingsStore::location(SettingsRoot root) const {
    return root == SettingsRoot::CurrentUser ? user_ : machine_;
}

QSettings* IniSettingsStore::settingsFor(SettingsRoot root, QString* why) const {
    const SettingsLocation& where = location(root);
    std::unique_ptr<OpenSettings>& open = open_[slot(root)];
    if (where.format != QSettings::IniFormat) {
        if (!open) {
            open = std::make_unique<OpenSettings>();
            open->settings = std::make_unique<QSettings>(where.path, where.format);
        }
        return open->settings.get();
    }
    const QString problem = iniFileProblem(where.path);
    if (!problem.isEmpty()) {
        if (why != nullptr) {
            *why = problem;
        }
        open.reset();
        return nullptr;
    }
    const QFileInfo file(where.path);
    const bool unchanged = open && open->existed == file.exists() && open->size == file.size() &&
                           open->modified == file.lastModified();
    if (!unchanged) {
        auto renewed = std::make_unique<OpenSettings>();
        renewed->settings = std::make_unique<QSettings>(where.path, where.format);
        // Sections are parsed on demand; parsing them all now makes status() tell whether the
        // whole file is sound before anything is written back.
        renewed->settings->allKeys();
        renewed->existed = file.exists();
        renewed->size = file.size();
        renewed->modified = file.lastModified();
        open = std::move(renewed);
    }
    return open->settings.get();
}

bool IniSettingsStore::openKey(SettingsRoot root, std::string_view key, KeyAccess access) {
    const QStringList parts = keyParts(key);
    QSettings* settings = settingsFor(root);
    if (parts.isEmpty() || settings == nullptr) {
        return false;
    }
    if (access == KeyAccess::WriteCreate) {
        return canWrite(*settings);
    }
    // Any value below the key shows it exists. allKeys parses every section, which childGroups
    // does not do for the sections of an INI file that were not read yet.
    settings->beginGroup(parts.join(QLatin1Char('/')));
    bool exists = !settings->allKeys().isEmpty();
    settings->endGroup();
    if (!exists) {
        // A registry key without values is still listed among its parent's subkeys.
        const QString parent = parts.mid(0, parts.size() - 1).join(QLatin1Char('/'));
        settings->beginGroup(parent);
        exists = settings->childGroups().contains(parts.last());
        settings->endGroup();
    }
    return exists && (access == KeyAccess::Read || canWrite(*settings));
}

bool IniSettingsStore::valueExists(SettingsRoot root, std::string_view key,
                                   std::string_view name) const {
    QSettings* settings = settingsFor(root);
    return settings != nullptr && isValidValueName(name) && !keyParts(key).isEmpty() &&
           settings->contains(valuePath(key, name));
}

std::string IniSettingsStore::readText(SettingsRoot root, std::string_view key,
                                       std::string_view name) const {
    QSettings* settings = settingsFor(root);
    if (settings == nullptr || !isValidValueName(name) || keyParts(key).isEmpty()) {
        return {};
    }
    const QVariant value = settings->value(valuePath(key, name));
    // An unquoted value with commas reads as a list; its parts are put together again.
    if (value.typeId() == QMetaType::QStringList) {
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    }
    return value.canConvert<QString>() ? value.toString().toStdString() : std::string();
}

SettingsWrite IniSettingsStore::writeText(SettingsRoot root, std::string_view key,
                                          std::string_view name, std::string_view value) {
    const std::string where = location(root).path.toStdString();
    if (!isValidValueName(name) || keyParts(key).isEmpty()) {
        return {false, "the value name or key is not valid."};
    }
    QString why;
    QSettings* settings = settingsFor(root, &why);
    if (settings == nullptr) {
        return {false, "the settings " + why.toStdString() + "."};
    }
    if (settings->status() == QSettings::FormatError) {
        return {false, "the settings file \"" + where + "\" is damaged and is left as it is."};
    }
    if (!canWrite(*settings)) {
        return {false, "the settings \"" + where + "\" cannot be written."};
    }
    settings->setValue(valuePath(key, name), fromUtf8(value));
    settings->sync();
    const bool written = settings->status() == QSettings::NoError;
    // Read the file afresh next time: after a failure nothing unsaved may show.
    open_[slot(root)].reset();
    if (!written) {
        return {false, "the settings \"" + where + "\" could not be written."};
    }
    return {};
}

std::unique_ptr<SettingsStore> createHostSettingsStore() {
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<IniSettingsStore>(
        locationFor("GLYPHWRIGHT_USER_SETTINGS", QStringLiteral("HKEY_CURRENT_USER"),
                    configFolder + QStringLiteral("/Glyphwright/registry.ini")),
        locationFor("GLYPHWRIGHT_MACHINE_SETTINGS", QStringLiteral("HKEY_LOCAL_MACHINE"),
                    QStringLiteral("/etc/xdg/Glyphwright/registry.ini")));
}
