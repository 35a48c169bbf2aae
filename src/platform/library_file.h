#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "model/library.h"
#include "model/read_result.h"

// Library files on disk: the codec's bytes read from and written to the file system.

// Larger files are refused as invalid format without being read whole.
inline constexpr qint64 MaxLibraryFileSize = 64 * 1024 * 1024;

// Fills the library from the file (the codec clears it first). NotFound when the file cannot
// be opened, InvalidFormat when it is too large or not a library.
ReadResult readLibraryFile(const QString& path, Library& library);

enum class WriteOutcome {
    Written,
    ReadOnly,      // the file exists and may not be written (string 104); nothing was touched
    CannotCreate,  // no file could be created in its folder (string 33); nothing was touched
    WriteFailed,   // writing, syncing or replacing failed: the old file is as it was, unless
                   // only the final sync of the folder failed after the file was replaced
};

struct WriteResult {
    WriteOutcome outcome = WriteOutcome::Written;
    QString detail;  // the system's reason, for the messages
};

// What a save writes beside the target before it renames the finished file over it.
inline constexpr char PendingSaveSuffix[] = ".glyphwright-save";

// Removes what an interrupted save of this file left in its folder (the pending file and its
// temporaries); nothing else is touched. Every save does this first.
void removeInterruptedSaves(const QString& path);

// Replaces the file only once the whole text is written and synced: a temporary file in the
// same folder is renamed over it, so any failure leaves the old file exactly as it was. The
// file keeps its permission bits; through a symbolic link, the link's target is replaced.
WriteResult replaceFileContents(const QString& path, std::string_view bytes);

// The whole library in the current layout (the caller stores the working copy first).
WriteResult writeLibraryFile(const QString& path, const Library& library);
