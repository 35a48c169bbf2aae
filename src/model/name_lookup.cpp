#include "model/name_lookup.h"

bool isNameUnique(const Library& library, std::string_view name) {
    const EntryName candidate(name);
    for (int n = 1; n <= library.entryCount && Library::isValidNumber(n); ++n) {
        if (library.entry(n).name == candidate) {
            return false;
        }
    }
    return true;
}
