#include "editing/clipboard_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

#include "display/arc_geometry.h"
#include "display/coordinates.h"
#include "model/number_text.h"

namespace {

constexpr size_t LineCut = 80;
constexpr size_t FieldCut = 40;
constexpr int CentreDecimals = 4;

void appendInteger(std::string& out, int32_t value) {
    char text[16];
    const auto result = std::to_chars(text, text + sizeof text, value);
    out.append(text, result.ptr);
}

// Fixed point with four decimals; a value that rounds to zero is written without a sign.
void appendCentre(std::string& out, float value) {
    double fixed = static_cast<double>(value);
    if (std::fabs(fixed) < 0.00005) {
        fixed = 0;
    }
    char text[64];  // the largest finite single has 39 digits before the point
    const auto result =
        std::to_chars(text, text + sizeof text, fixed, std::chars_format::fixed, CentreDecimals);
    out.append(text, result.ptr);
}

// The field without its leading blanks. A trailing blank fails the field, though the library
// file's number readers would take it, so such a field gives the empty text.
std::string_view numberText(std::string_view field) {
    const size_t first = field.find_first_not_of(' ');
    if (first == std::string_view::npos || field.ends_with(' ')) {
        return {};
    }
    return field.substr(first);
}

// "$1F" or "0x1F" after an optional sign; nothing when the text is not of that form.
std::optional<int32_t> parseHexInteger(std::string_view text) {
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        text.remove_prefix(1);
    }
    if (text.starts_with('$')) {
        text.remove_prefix(1);
    } else if (text.starts_with("0x") || text.starts_with("0X")) {
        text.remove_prefix(2);
    } else {
        return std::nullopt;
    }
    uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, magnitude, 16);
    const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
    if (text.empty() || ec != std::errc() || ptr != end || magnitude > limit) {
        return std::nullopt;
    }
    const int64_t value =
        negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
    return static_cast<int32_t>(value);
}

// Splits the fields of one line off its front.
class FieldCutter {
  public:
    explicit FieldCutter(std::string_view line) : rest_(line) {}

    // The text before the next comma, cut to 40 characters; empty when no comma follows, so
    // that a field without its comma does not convert.
    std::string_view field() {
        const size_t comma = rest_.find(',');
        if (comma == std::string_view::npos) {
            rest_ = {};
            return {};
        }
        const std::string_view text = rest_.substr(0, std::min(comma, FieldCut));
        rest_.remove_prefix(comma + 1);
        return text;
    }
    // The rest of the line up to a CR, if one is left.
    std::string_view last() const { return rest_.substr(0, rest_.find('\r')); }

  private:
    std::string_view rest_;
};

bool arcCentreInReach(const Entity& e) {
    return PointDistance({static_cast<float>(e.x1), static_cast<float>(e.y1)},
                         {e.centreX, e.centreY}) <= MaxArcRadius;
}

// The conversions and checks of one line; nothing when any of them fails.
std::optional<Entity> entityFromLine(std::string_view line) {
    FieldCutter fields(line);
    Entity e;
    int32_t* const integers[] = {&e.x1, &e.y1, &e.x2, &e.y2, &e.colour};
    for (int32_t* target : integers) {
        const std::optional<int32_t> value = parseClipboardInteger(fields.field());
        if (!value) {
            return std::nullopt;
        }
        *target = *value;
    }
    const std::optional<int32_t> isArc = parseClipboardInteger(fields.field());
    if (!isArc) {
        return std::nullopt;
    }
    if (*isArc == 1) {
        const std::optional<float> centreX = parseClipboardReal(fields.field());
        const std::optional<float> centreY =
            centreX ? parseClipboardReal(fields.field()) : std::nullopt;
        const std::optional<int32_t> arcFlag =
            centreY ? parseClipboardInteger(fields.last()) : std::nullopt;
        if (!arcFlag) {
            return std::nullopt;
        }
        e.isArc = 1;
        e.centreX = *centreX;
        e.centreY = *centreY;
        e.arcFlag = *arcFlag == 1 ? 1 : 0;
    }
    // Points off the drawing area would be cut short in the library file, and a zero start
    // coordinate marks a free slot that hides every entity after it.
    if (!PointInArea({e.x1, e.y1}) || !PointInArea({e.x2, e.y2})) {
        return std::nullopt;
    }
    if (e.isArc != 0 && !arcCentreInReach(e)) {
        return std::nullopt;
    }
    return e;
}

}  // namespace

void appendClipboardLine(std::string& out, const Entity& e) {
    for (int32_t value : {e.x1, e.y1, e.x2, e.y2, e.colour}) {
        appendInteger(out, value);
        out += ',';
    }
    out += e.isArc != 0 ? "1," : "0,";
    appendCentre(out, e.centreX);
    out += ',';
    appendCentre(out, e.centreY);
    out += ',';
    out += e.arcFlag != 0 ? '1' : '0';
    out += "\r\n";
}

bool isEntityClipboardText(std::string_view text) {
    return text.starts_with(ClipboardMarker);
}

std::optional<int32_t> parseClipboardInteger(std::string_view field) {
    field = numberText(field);
    if (const std::optional<int32_t> hex = parseHexInteger(field)) {
        return hex;
    }
    return parseWholeNumber(field);
}

std::optional<float> parseClipboardReal(std::string_view field) {
    return parseReal(numberText(field));
}

ClipboardTextReader::ClipboardTextReader(std::string_view text) {
    const size_t lineEnd = text.find('\n');
    rest_ = lineEnd == std::string_view::npos ? std::string_view() : text.substr(lineEnd + 1);
}

std::optional<Entity> ClipboardTextReader::next() {
    const size_t lineEnd = rest_.find('\n');
    if (lineEnd == std::string_view::npos) {
        return std::nullopt;
    }
    std::string_view line = rest_.substr(0, lineEnd);
    rest_.remove_prefix(lineEnd + 1);
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    if (line.empty()) {
        return std::nullopt;
    }
    return entityFromLine(line.substr(0, LineCut));
}
