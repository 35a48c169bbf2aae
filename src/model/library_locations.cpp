#include "model/library_locations.h"

#include <filesystem>
#include <system_error>

#include "model/locale_text.h"
#include "model/see_thru_registry.h"

#ifndef _WIN32
#include <unistd.h>

#include <cerrno>
#endif

namespace {

std::string_view libraryValueName(LibraryKind kind) {
    return kind == LibraryKind::LineType ? LinetypeLibraryValue : SymbolLibraryValue;
}

// A bare file name has no directory part: no path separator and no drive colon.
bool hasDirectoryPart(std::string_view path) {
    return path.find_first_of("\\/:") != std::string_view::npos;
}

// The host's directory: the text after the first ";" of the App Paths "Path" value (all of it
// without a ";"), at most MaxHostDirectoryLength characters; nothing when the key is missing.
bool readHostDirectory(SettingsStore& settings, std::string& directory) {
    TSeeThruRegistry registry(settings);
    registry.setRootKey(SettingsRoot::LocalMachine);
    if (!registry.openKeyReadOnly(HostAppPathsKey)) {
        return false;
    }
    const std::string path = registry.readString(HostPathValue);
    const size_t semicolon = path.find(';');
    directory = semicolon == std::string::npos ? path : path.substr(semicolon + 1);
    if (directory.size() > MaxHostDirectoryLength) {
        directory.resize(MaxHostDirectoryLength);
    }
    return true;
}

// The host writes Windows paths and is joined with "\"; a directory written the POSIX way
// ("/" and no "\") is joined with "/" so the result names a file here.
char separatorFor(std::string_view directory) {
    const bool posixStyle = directory.find('/') != std::string_view::npos &&
                            directory.find('\\') == std::string_view::npos;
    return posixStyle ? '/' : '\\';
}

std::filesystem::path toPath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

std::string defaultLibraryPath(SettingsStore& settings, LibraryKind kind) {
    TSeeThruRegistry registry(settings);
    if (!registry.openKey(HostGeneralKey, false)) {
        return {};
    }
    std::string value = registry.readString(libraryValueName(kind));
    registry.closeKey();
    std::string directory;
    if (!hasDirectoryPart(value) && readHostDirectory(settings, directory)) {
        value = directory + separatorFor(directory) + value;
    }
    return value;
}

DefaultLibraryResult setDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                       const std::string& fileName) {
    TSeeThruRegistry registry(settings);
    if (!registry.openKey(HostGeneralKey, false)) {
        return {DefaultLibraryOutcome::NoHostSettings, {}};
    }
    const SettingsWrite write = registry.writeString(libraryValueName(kind), fileName);
    if (!write.ok()) {
        return {DefaultLibraryOutcome::WriteFailed, write};
    }
    return {DefaultLibraryOutcome::Recorded, {}};
}

DefaultLibraryResult offerAsDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                           const std::string& fileName,
                                           const std::function<bool()>& confirm) {
    const std::string current = defaultLibraryPath(settings, kind);
    if (toUpperByLocale(fileName) == toUpperByLocale(current)) {
        return {DefaultLibraryOutcome::AlreadyDefault, {}};
    }
    if (!confirm()) {
        return {DefaultLibraryOutcome::Declined, {}};
    }
    return setDefaultLibrary(settings, kind, fileName);
}

bool isReadOnlyFile(const std::string& fileName) {
    if (fileName.empty()) {
        return false;
    }
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(toPath(fileName), error);
    if (error || !std::filesystem::exists(status)) {
        return false;
    }
    using std::filesystem::perms;
    const perms writeBits = perms::owner_write | perms::group_write | perms::others_write;
    if ((status.permissions() & writeBits) == perms::none) {
        return true;
    }
#ifdef _WIN32
    return false;
#else
    // A read-only file system is no property of the file: a save there fails with its reason.
    return ::access(fileName.c_str(), W_OK) != 0 && errno != EROFS;
#endif
}
