#include "model/see_thru_registry.h"

void TSeeThruRegistry::setRootKey(SettingsRoot root) {
    closeKey();
    root_ = root;
}

void TSeeThruRegistry::openAt(SettingsRoot root, std::string_view key, bool readOnly) {
    closeKey();
    openedFromMachine_ = root != root_;
    root_ = root;
    key_ = key;
    open_ = true;
    readOnly_ = readOnly;
}

bool TSeeThruRegistry::openKey(std::string_view key, bool canCreate) {
    if (canCreate) {
        if (!store_.openKey(root_, key, KeyAccess::WriteCreate)) {
            return false;
        }
        openAt(root_, key, false);
        return true;
    }
    if (store_.openKey(root_, key, KeyAccess::Write)) {
        openAt(root_, key, false);
        return true;
    }
    if (store_.openKey(root_, key, KeyAccess::Read)) {
        openAt(root_, key, true);
        return true;
    }
    if (root_ == SettingsRoot::CurrentUser &&
        store_.openKey(SettingsRoot::LocalMachine, key, KeyAccess::Read)) {
        openAt(SettingsRoot::LocalMachine, key, true);
        return true;
    }
    return false;
}

bool TSeeThruRegistry::openKeyReadOnly(std::string_view key) {
    if (!store_.openKey(root_, key, KeyAccess::Read)) {
        return false;
    }
    openAt(root_, key, true);
    return true;
}

void TSeeThruRegistry::closeKey() {
    if (openedFromMachine_) {
        root_ = SettingsRoot::CurrentUser;
        openedFromMachine_ = false;
    }
    open_ = false;
    readOnly_ = false;
    key_.clear();
}

std::string TSeeThruRegistry::readString(std::string_view name) const {
    if (!open_) {
        return {};
    }
    if (root_ == SettingsRoot::CurrentUser && !store_.valueExists(root_, key_, name)) {
        if (!store_.openKey(SettingsRoot::LocalMachine, key_, KeyAccess::Read)) {
            return {};
        }
        return store_.readText(SettingsRoot::LocalMachine, key_, name);
    }
    return store_.readText(root_, key_, name);
}

SettingsWrite TSeeThruRegistry::writeString(std::string_view name, std::string_view value) {
    SettingsWrite write;
    if (!open_) {
        write.failure = SettingsFailure::NoKeyOpen;
    } else if (readOnly_) {
        write.failure = root_ == SettingsRoot::LocalMachine ? SettingsFailure::KeyOnlyForMachine
                                                            : SettingsFailure::KeyReadOnly;
        write.subject = key_;
    } else {
        write = store_.writeText(root_, key_, name, value);
    }
    if (!write.ok()) {
        write.name = name;
    }
    return write;
}
