#pragma once

#include <cstdint>

#include "model/library.h"

// The library as a save would write it, with the working copy stored into its entry, taken
// without touching the library itself: what a recovery copy is written from on another thread.
// `into` must be allocated; only the leading in-use slots of each entry are copied, so a small
// library costs little however large its storage.
void snapshotLibrary(const Library& library, const WorkingCopy& work, Library& into);

// Changes whenever an edit changes what a snapshot would hold: the working copy, the current
// entry or the number of entries (every other entry changes only through those).
uint64_t editFingerprint(const Library& library, const WorkingCopy& work);
