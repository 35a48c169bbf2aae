#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "model/library.h"
#include "model/settings_store.h"

// Where the host keeps its default libraries and its installation directories.
inline constexpr std::string_view HostGeneralKey =
    "Software\\Veltrax\\Veltrax Plotwerk\\1.6\\General";
inline constexpr std::string_view HostAppPathsKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\PWHost.exe";
inline constexpr std::string_view SymbolLibraryValue = "Symbol Library";
inline constexpr std::string_view LinetypeLibraryValue = "Linetype Library";
inline constexpr std::string_view HostPathValue = "Path";
// The longest host directory that is put in front of a bare library name.
inline constexpr size_t MaxHostDirectoryLength = 255;

// The host's default library of the given kind, a bare name joined to the host's directory;
// empty when the host's General key exists for neither the user nor the machine.
std::string defaultLibraryPath(SettingsStore& settings, LibraryKind kind);

enum class DefaultLibraryOutcome {
    AlreadyDefault,  // the file is the default already: nothing asked
    Declined,        // the user answered No
    Recorded,        // the file is now the default
    NoHostSettings,  // the host's General key does not exist: nothing recorded
    WriteFailed,     // write says why
};

struct DefaultLibraryResult {
    DefaultLibraryOutcome outcome = DefaultLibraryOutcome::Recorded;
    SettingsWrite write;
};

// Records fileName as the host's default library of the kind. The key is never created; when
// it exists only for the local machine the write fails.
DefaultLibraryResult setDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                       const std::string& fileName);

// Unless fileName is the default already (compared upper-cased by the locale's rules), asks
// through confirm whether it becomes the default and records it on true.
DefaultLibraryResult offerAsDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                           const std::string& fileName,
                                           const std::function<bool()>& confirm);

// True when the file exists and its own permissions forbid writing it: no write permission for
// anyone (the file is marked read-only, which counts even for the superuser) or none for the
// current user. False when it is writable or does not exist, and on a read-only file system,
// where the file itself may be written but the save fails.
bool isReadOnlyFile(const std::string& fileName);
