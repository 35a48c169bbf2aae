// Feeds arbitrary text to the clipboard reader, as any program may leave on the clipboard.
// Every entity that comes out must be one the drawing area can hold, and copying it again
// must give text that pastes back as the same text.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "display/display_point.h"
#include "editing/clipboard_text.h"
#include "model/library.h"

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

bool inArea(int32_t v) {
    return v >= AreaMin && v <= AreaMax;
}

// The clipboard text of one entity as Copy writes it, and the entity Paste reads from it.
Entity copiedAndPasted(const Entity& e, std::string& text) {
    text.assign(ClipboardMarker).append("\r\n");
    appendClipboardLine(text, e);
    ClipboardTextReader reader(text);
    const std::optional<Entity> pasted = reader.next();
    check(pasted.has_value() && reader.atEnd());
    return *pasted;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ClipboardTextReader reader(text);
    std::string copied;
    std::string copiedAgain;
    for (int n = 0; n < MaxEntities && !reader.atEnd(); ++n) {
        const std::optional<Entity> e = reader.next();
        if (!e) {
            break;
        }
        check(inArea(e->x1) && inArea(e->y1) && inArea(e->x2) && inArea(e->y2) && e->isArc <= 1 &&
              e->arcFlag <= 1);
        check(std::isfinite(e->centreX) && std::isfinite(e->centreY));
        copiedAndPasted(copiedAndPasted(*e, copied), copiedAgain);
        check(copied == copiedAgain);
    }
    return 0;
}
