#pragma once

#include <QStringList>

#include <optional>

#include "platform/string_table_file.h"

// The strings module is a string table file of this fixed name that translators put beside
// the program or into its data folder; they edit it without rebuilding the program.
inline constexpr char StringsModuleFileName[] = "GLYDSTRS.txt";

// A larger file is no string table; refusing it keeps the read bounded.
inline constexpr qint64 MaxStringsModuleSize = 4 * 1024 * 1024;

// Where the module is looked for, in order: the program's folder, then its data folders.
QStringList stringsModuleFolders();

struct StringsModule {
    NumberedTexts texts;
    QString folder;  // where it was found; a translated help book is looked for beside it
};

// The first loadable module in the folders. Nothing when there is none: no file, an
// unreadable or oversized one, or one without a single valid entry (a file saved in another
// encoding, say), which would otherwise blank out every text.
std::optional<StringsModule> loadStringsModule(const QStringList& folders = stringsModuleFolders());
