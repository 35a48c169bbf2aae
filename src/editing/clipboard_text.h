#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/entity.h"

// The entity clipboard text: the marker line, then one line of nine comma-separated fields per
// entity (x1, y1, x2, y2, colour, isArc, centreX, centreY, arcFlag), each line ended by CR LF.
// Coordinates are display units as the working copy holds them; numbers are written and read
// the same whatever the user's regional settings.

inline constexpr std::string_view ClipboardMarker = "GlyEd data";

// Appends the entity's line, CR LF included. Centres have exactly four decimals and a ".".
void appendClipboardLine(std::string& out, const Entity& e);

// Whether the text starts with the marker, letter case included.
bool isEntityClipboardText(std::string_view text);

// A field as the clipboard reader converts it: leading blanks are skipped and nothing may
// follow the number. Integers take an optional sign and decimal digits, or hexadecimal digits
// after "$" or "0x"; both must fit 32 bits.
std::optional<int32_t> parseClipboardInteger(std::string_view field);
// An optional sign, digits, an optional fraction and exponent; finite as a 4-byte real.
std::optional<float> parseClipboardReal(std::string_view field);

// Reads the entities of a clipboard text one line at a time, without copying the text. A line
// ends at CR LF (a bare LF, as text typed on this system ends, counts as well); only its first
// 80 characters are read, and each field before a comma only up to 40 characters. The text
// must outlive the reader.
class ClipboardTextReader {
  public:
    // Skips everything up to and including the first line end: the marker line.
    explicit ClipboardTextReader(std::string_view text);

    // Whether the whole text has been read.
    bool atEnd() const { return rest_.empty(); }

    // The entity of the next line. Nothing when the line ends the paste: an empty line, a last
    // fragment without a line end, a field that does not convert, a point outside the drawing
    // area (5..305; a zero coordinate included) or an arc whose centre is farther from its start
    // than any arc the editor draws. Lines get their centre and arcFlag left at zero.
    std::optional<Entity> next();

  private:
    std::string_view rest_;
};
