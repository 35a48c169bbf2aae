#include "model/recovery_record.h"

#include "model/number_text.h"

#include <charconv>
#include <cstdint>
#include <cstdio>

namespace {

constexpr std::string_view FirstLine = "Glyphwright recovery record 1";

constexpr std::string_view kindText(LibraryKind kind) {
    return kind == LibraryKind::LineType ? "linetype" : "symbol";
}

// Paths are bytes: control characters, '%' and DEL are written as %XX so that any path fits
// on one line.
std::string escapePath(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (const char c : path) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f || c == '%') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out;
}

std::optional<std::string> unescapePath(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte < 0x20 || byte == 0x7f) {
            return std::nullopt;
        }
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) {
            return std::nullopt;
        }
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        out += static_cast<char>(high * 16 + low);
        i += 2;
    }
    return out;
}

// A decimal number within [low, high], nothing around it.
std::optional<int64_t> parseNumber(std::string_view text, int64_t low, int64_t high) {
    int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::string writeRecoveryRecord(const RecoveryRecord& record) {
    std::string text(FirstLine);
    text += "\nlibrary=" + escapePath(record.libraryPath);
    text += "\nkind=";
    text += kindText(record.kind);
    if (record.libraryStamp) {
        text += "\nsize=" + std::to_string(record.libraryStamp->size);
        text += "\nmodified=" + std::to_string(record.libraryStamp->modifiedNs);
    }
    text += "\nentry=" + std::to_string(record.currentEntry);
    text += "\nentries=" + std::to_string(record.entryCount);
    text += "\ncopied=" + std::to_string(record.copiedMs);
    text += '\n';
    return text;
}

std::optional<RecoveryRecord> parseRecoveryRecord(std::string_view text) {
    if (text.size() > MaxRecoveryRecordSize) {
        return std::nullopt;
    }
    RecoveryRecord record;
    std::optional<int64_t> size, modified, entry, entries, copied;
    bool sawLibrary = false, sawKind = false, first = true;
    constexpr int64_t Max64 = INT64_MAX;
    while (!text.empty()) {
        const size_t newline = text.find('\n');
        if (newline == std::string_view::npos) {
            return std::nullopt;  // every line ends with a newline: a cut record is refused
        }
        const std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        if (first) {
            if (line != FirstLine) {
                return std::nullopt;
            }
            first = false;
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos) {
            return std::nullopt;
        }
        const std::string_view key = line.substr(0, equals);
        const std::string_view value = line.substr(equals + 1);
        // A field given twice is a record this program did not write.
        const auto once = [](auto& field, auto parsed) {
            if (field || !parsed) {
                return false;
            }
            field = parsed;
            return true;
        };
        bool good = true;
        if (key == "library") {
            const std::optional<std::string> path = unescapePath(value);
            good = !sawLibrary && path.has_value();
            sawLibrary = true;
            if (good) {
                record.libraryPath = *path;
            }
        } else if (key == "kind") {
            good = !sawKind && (value == kindText(LibraryKind::Symbol) ||
                                value == kindText(LibraryKind::LineType));
            sawKind = true;
            record.kind = value == kindText(LibraryKind::LineType) ? LibraryKind::LineType
                                                                   : LibraryKind::Symbol;
        } else if (key == "size") {
            good = once(size, parseNumber(value, 0, Max64));
        } else if (key == "modified") {
            good = once(modified, parseNumber(value, INT64_MIN, Max64));
        } else if (key == "entry") {
            good = once(entry, parseNumber(value, 0, MaxEntries));
        } else if (key == "entries") {
            good = once(entries, parseNumber(value, 0, MaxEntries));
        } else if (key == "copied") {
            good = once(copied, parseNumber(value, 0, Max64));
        }
        // Other keys come from a later version of the record and are passed over.
        if (!good) {
            return std::nullopt;
        }
    }
    if (first || !sawLibrary || !sawKind || !entry || !entries || !copied ||
        size.has_value() != modified.has_value() || *entry > *entries) {
        return std::nullopt;
    }
    if (size) {
        record.libraryStamp = FileStamp{*size, *modified};
    }
    record.currentEntry = static_cast<int32_t>(*entry);
    record.entryCount = static_cast<int32_t>(*entries);
    record.copiedMs = *copied;
    return record;
}

bool libraryChangedSinceCopy(const RecoveryRecord& record, std::optional<FileStamp> onDisk) {
    if (record.libraryPath.empty()) {
        return false;
    }
    return record.libraryStamp != onDisk;
}
