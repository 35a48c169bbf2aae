#include "platform/ini_settings_store.h"

#include <QStandardPaths>
#include <algorithm>
#include <utility>

namespace {

bool hasParts(std::string_view key) {
    return key.find_first_not_of("\\/") != std::string_view::npos;
}

QString fileFor(const char* variable, const QString& otherwise) {
    const QString overridden = qEnvironmentVariable(variable);
    return overridden.isEmpty() ? otherwise : overridden;
}

}  // namespace

IniSettingsStore::IniSettingsStore(QString userFile, QString machineFile)
    : user_(std::move(userFile)), machine_(std::move(machineFile)) {}

const IniFile& IniSettingsStore::file(SettingsRoot root) const {
    return root == SettingsRoot::CurrentUser ? user_ : machine_;
}

IniFile& IniSettingsStore::file(SettingsRoot root) {
    return root == SettingsRoot::CurrentUser ? user_ : machine_;
}

bool IniSettingsStore::openKey(SettingsRoot root, std::string_view key, KeyAccess access) {
    const IniText* text = file(root).text();
    if (text == nullptr || !hasParts(key)) {
        return false;
    }
    // A file that did not parse whole is never written.
    const bool writable = text->complete();
    switch (access) {
        case KeyAccess::Read:
            return text->keyExists(key);
        case KeyAccess::Write:
            return writable && text->keyExists(key);
        case KeyAccess::WriteCreate:
            return writable;
    }
    return false;
}

bool IniSettingsStore::valueExists(SettingsRoot root, std::string_view key,
                                   std::string_view name) const {
    const IniText* text = file(root).text();
    return text != nullptr && hasParts(key) && text->value(key, name).has_value();
}

std::string IniSettingsStore::readText(SettingsRoot root, std::string_view key,
                                       std::string_view name) const {
    const IniText* text = file(root).text();
    return text != nullptr && hasParts(key) ? text->value(key, name).value_or(std::string())
                                            : std::string();
}

SettingsWrite IniSettingsStore::writeText(SettingsRoot root, std::string_view key,
                                          std::string_view name, std::string_view value) {
    if (!hasParts(key) || name.empty() || name.find_first_of("\\/") != std::string_view::npos) {
        return SettingsWrite::failed(SettingsFailure::InvalidName);
    }
    return file(root).setValue(key, name, value);
}

std::unique_ptr<SettingsStore> createHostSettingsStore() {
    const QString configFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return std::make_unique<IniSettingsStore>(
        fileFor("GLYPHWRIGHT_USER_SETTINGS",
                configFolder + QStringLiteral("/Glyphwright/registry.ini")),
        fileFor("GLYPHWRIGHT_MACHINE_SETTINGS",
                QStringLiteral("/etc/xdg/Glyphwright/registry.ini")));
}
