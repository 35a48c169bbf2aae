#include "model/bulk_storage.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

std::unique_ptr<char[], BulkRelease> allocateBulk(std::size_t bytes) {
    const auto alignment = static_cast<std::size_t>(BulkAlignment);
    const std::size_t rounded = (bytes + alignment - 1) / alignment * alignment;
    void* block = ::operator new(rounded == 0 ? alignment : rounded, BulkAlignment);
#if defined(MADV_HUGEPAGE)
    // Only advice: where huge pages are off or exhausted, the block gets ordinary pages.
    ::madvise(block, rounded, MADV_HUGEPAGE);
#endif
    return std::unique_ptr<char[], BulkRelease>(static_cast<char*>(block));
}
