// Feeds arbitrary text to the clipboard reader, as another program may leave on the
// clipboard. Every entity it gives lies in the drawing area with a finite centre, and writing
// it as the editor copies it reads back as text that then stays the same.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "editing/clipboard_text.h"

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool inDrawingArea(int32_t v) {
    return v >= 5 && v <= 305;
}

// The entity as the editor copies it, read back.
Entity copiedAndPasted(const Entity& e, std::string& line) {
    line.assign(ClipboardMarker).append("\r\n");
    appendClipboardLine(line, e);
    ClipboardTextReader reader(line);
    const std::optional<Entity> pasted = reader.next();
    check(pasted.has_value() && reader.atEnd());
    return *pasted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (!isEntityClipboardText(text)) {
        return 0;
    }
    ClipboardTextReader reader(text);
    std::string first;
    std::string second;
    while (const std::optional<Entity> e = reader.next()) {
        check(inDrawingArea(e->x1) && inDrawingArea(e->y1) && inDrawingArea(e->x2) &&
              inDrawingArea(e->y2));
        check(std::isfinite(e->centreX) && std::isfinite(e->centreY));
        copiedAndPasted(copiedAndPasted(*e, first), second);
        check(first == second);
    }
    return 0;
}
