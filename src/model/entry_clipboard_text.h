#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/library.h"

// Whole entries as clipboard text: a marker line that names the kind, then each entry's S, P,
// entity and E lines exactly as the library file holds them, every line ended by CR LF. The
// marker differs from the entity clipboard's "GlyEd data" within its first ten characters, so
// an entity paste never takes it for entities; a text editor shows it as a library file would.

inline constexpr std::string_view SymbolEntriesMarker = "GlyEd symbol entries";
inline constexpr std::string_view LineTypeEntriesMarker = "GlyEd line type entries";

// Longer clipboard texts are not taken for entries: a full library of 500 entries of 250
// entities is about 6.5 MB as text.
inline constexpr size_t MaxEntryClipboardBytes = 16 * 1024 * 1024;

// The text of the given entries (each 1..entryCount) of the library, in that order.
std::string entryClipboardText(const Library& library, std::span<const int> numbers);

// The kind of entries the text holds; nothing when it holds none (no marker, or too long).
std::optional<LibraryKind> entryClipboardKind(std::string_view text);

// Fills `into` (allocated; cleared first, its kind set to the text's) with the entries of the
// text; lines with no place are skipped as the library reader skips them. False, and `into`
// left as it was, when the text holds no entries.
bool readEntryClipboardText(std::string_view text, Library& into);
