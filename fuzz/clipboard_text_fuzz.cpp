// Feeds arbitrary text to the clipboard readers, as any program may leave on the clipboard.
// Every entity that comes out must be one the drawing area can hold, and copying it again
// must give text that pastes back as the same text. The same text, behind the marker its first
// byte chooses, goes to the entry reader: what it reads must copy and read back unchanged, and
// the entity reader must never take entry text for entities.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "display/display_point.h"
#include "editing/clipboard_text.h"
#include "model/entry_clipboard_text.h"
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

// Two libraries kept across inputs: allocating 500 entries for every input would be most of
// the run.
Library& scratch(int which) {
    static Library libraries[2];
    if (!libraries[which].isAllocated()) {
        allocateLibrary(libraries[which]);
    }
    return libraries[which];
}

std::vector<int> allEntries(const Library& library) {
    std::vector<int> numbers;
    for (int n = 1; n <= library.entryCount; ++n) {
        numbers.push_back(n);
    }
    return numbers;
}

void readEntries(std::string_view text) {
    const bool lineTypes = !text.empty() && (text[0] & 1) != 0;
    std::string marked(lineTypes ? LineTypeEntriesMarker : SymbolEntriesMarker);
    marked += "\r\n";
    marked.append(text.substr(text.empty() ? 0 : 1));
    Library& first = scratch(0);
    check(readEntryClipboardText(marked, first));
    check(first.entryCount >= 0 && first.entryCount <= MaxEntries);
    check(first.libraryKind == (lineTypes ? LibraryKind::LineType : LibraryKind::Symbol));
    const std::string copied = entryClipboardText(first, allEntries(first));
    check(!isEntityClipboardText(copied));
    Library& second = scratch(1);
    check(readEntryClipboardText(copied, second) && second.entryCount == first.entryCount);
    check(entryClipboardText(second, allEntries(second)) == copied);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    readEntries(text);
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
