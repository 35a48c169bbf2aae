#include "model/bulk_storage.h"

#if defined(__linux__)
#include <sys/mman.h>
#endif

std::unique_ptr<char[], BulkRelease> allocateBulk(std::size_t bytes) {
    const std::size_t size = bulkSize(bytes);
    void* block = ::operator new(size, BulkAlignment);
#if defined(MADV_HUGEPAGE)
    // Only advice: where huge pages are off or exhausted, the block gets ordinary pages.
    ::madvise(block, size, MADV_HUGEPAGE);
#endif
    return std::unique_ptr<char[], BulkRelease>(static_cast<char*>(block));
}
