#include "model/name_lookup.h"

#include <algorithm>

bool isNameUnique(const Library& library, std::string_view name) {
    const EntryName candidate(name);
    for (int n = 1; n <= library.entryCount && Library::isValidNumber(n); ++n) {
        if (library.entry(n).name == candidate) {
            return false;
        }
    }
    return true;
}

std::string freeCopyName(const Library& library, std::string_view name) {
    // With at most 500 entries one of the first 501 numbers is free.
    for (int k = 2;; ++k) {
        const std::string suffix = " " + std::to_string(k);
        const size_t keep =
            EntryName::MaxLength - std::min<size_t>(suffix.size(), EntryName::MaxLength);
        std::string candidate(name.substr(0, std::min(name.size(), keep)));
        candidate += suffix;
        if (isNameUnique(library, candidate)) {
            return candidate;
        }
    }
}
