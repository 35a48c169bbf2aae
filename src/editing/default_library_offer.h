#pragma once

#include <string>

#include "editing/editor_ui.h"
#include "editing/string_source.h"
#include "model/library_locations.h"

// Called by Save and Save As right after the library was written. Unless the file is the
// host's default library of the kind already, asks with string 102 (caption 105, Yes and No)
// whether it becomes the default and records it on Yes. When Yes records nothing, a warning box
// (caption 106) says so: string 130 when the host has no settings, string 131 and the reason
// when the write was refused (failedWriteText). The library itself stays saved.
DefaultLibraryResult offerAsDefaultLibrary(SettingsStore& settings, LibraryKind kind,
                                           const std::string& fileName, EditorUi& ui,
                                           const StringSource& strings);

// Why a write of a setting failed, in two lines of the user's language: the value's name, then
// the reason with the key or file it concerns.
std::string failedWriteText(const SettingsWrite& write, const StringSource& strings);
