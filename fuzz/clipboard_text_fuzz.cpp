// Feeds arbitrary text to the clipboard reader, as any program may leave on the clipboard.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "display/display_point.h"
#include "editing/clipboard_text.h"
#include "model/library.h"

namespace {

bool inArea(int32_t v) {
    return v >= AreaMin && v <= AreaMax;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    ClipboardTextReader reader(text);
    for (int n = 0; n < MaxEntities && !reader.atEnd(); ++n) {
        const std::optional<Entity> e = reader.next();
        if (!e) {
            break;
        }
        // Whatever the text, an entity that comes out is one the drawing area can hold.
        if (!inArea(e->x1) || !inArea(e->y1) || !inArea(e->x2) || !inArea(e->y2) || e->isArc > 1 ||
            e->arcFlag > 1) {
            std::abort();
        }
        std::string line;
        appendClipboardLine(line, *e);
    }
    return 0;
}
