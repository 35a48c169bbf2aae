#pragma once

#include <string_view>

// Fixed facts of the library file layout that the reader and the writer share.
namespace library_format {

// The first line the writer puts out, and the second form of it that the reader accepts.
inline constexpr std::string_view CurrentFirstLine = "Veltrax Sym/Ltype File Version 1.0";
inline constexpr std::string_view CurrentFirstLineLong =
    "Veltrax Terrabook Sym/Ltype File Version 1.0";
// The older layouts, read but never written; each belongs to one library kind.
inline constexpr std::string_view OlderSymbolFirstLine = "Version 1.0 of file format";
inline constexpr std::string_view OlderLineTypeFirstLine = "File format version 2";

// Wherever a whole line is taken as text, only its first 60 characters count.
inline constexpr size_t MaxLineLength = 60;
// Number fields: 6 columns each, right-aligned, from column 3 on.
inline constexpr size_t FieldWidth = 6;
inline constexpr size_t FirstFieldOffset = 2;

}  // namespace library_format
