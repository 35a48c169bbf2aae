#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/library.h"

// The small text file kept beside a recovery copy of an unsaved library: which library it
// belongs to and what the library's file looked like when it was read or last saved, so that a
// restart can tell whether the file changed since. Written by the editor, read back after a
// crash: the reader takes any bytes and refuses what it cannot use.

// A file's size and modification time, to notice that it changed.
struct FileStamp {
    int64_t size = 0;
    int64_t modifiedNs = 0;  // nanoseconds since the epoch
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

struct RecoveryRecord {
    std::string libraryPath;  // as the editor named it; empty for an unnamed library
    LibraryKind kind = LibraryKind::Symbol;
    std::optional<FileStamp> libraryStamp;  // the file when it was read or last saved
    int32_t currentEntry = 0;               // 0 = none
    int32_t entryCount = 0;
    int64_t copiedMs = 0;  // when the copy was made, milliseconds since the epoch (UTC)
};

// Records larger than this are refused unread.
inline constexpr size_t MaxRecoveryRecordSize = 64 * 1024;

std::string writeRecoveryRecord(const RecoveryRecord& record);
// nullopt when the text is not a record this program wrote: a wrong first line, a missing or
// malformed field, a number out of range, a path with a bad escape.
std::optional<RecoveryRecord> parseRecoveryRecord(std::string_view text);

// Whether the library file differs from the one the copy was made over: changed, removed or
// made since. An unnamed library has no file to differ from.
bool libraryChangedSinceCopy(const RecoveryRecord& record, std::optional<FileStamp> onDisk);
