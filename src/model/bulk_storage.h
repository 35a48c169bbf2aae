#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>

// Storage for the large blocks that are filled in one go: the library's slots and the bytes of
// a library file. Fresh memory costs one page fault per page on first touch, and on some
// virtual machines a fault costs microseconds, which made a full library's first read several
// times slower. Large blocks are therefore aligned for, and offered as, huge pages where the
// system has them; elsewhere they are plain aligned storage.

inline constexpr std::align_val_t BulkAlignment{std::size_t{2} << 20};

struct BulkRelease {
    void operator()(void* block) const { ::operator delete(block, BulkAlignment); }
};

// The size allocateBulk gives for a request of `bytes`: whole blocks of BulkAlignment.
constexpr std::size_t bulkSize(std::size_t bytes) {
    const auto block = static_cast<std::size_t>(BulkAlignment);
    return bytes == 0 ? block : (bytes + block - 1) / block * block;
}

// Uninitialised storage of bulkSize(bytes) bytes.
std::unique_ptr<char[], BulkRelease> allocateBulk(std::size_t bytes);

template <class T>
using BulkPtr = std::unique_ptr<T, BulkRelease>;

// A value-initialised T in bulk storage. T must need no destructor, as the release only frees.
template <class T>
BulkPtr<T> makeBulk() {
    static_assert(std::is_trivially_destructible_v<T>);
    return BulkPtr<T>(new (allocateBulk(sizeof(T)).release()) T());
}
