#include "platform/version_block.h"

#include <functional>

namespace {

uint32_t read16(std::span<const unsigned char> bytes, size_t at) {
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8;
}

uint32_t read32(std::span<const unsigned char> bytes, size_t at) {
    return read16(bytes, at) | read16(bytes, at + 2) << 16;
}

FourPartVersion readVersion(std::span<const unsigned char> bytes, size_t at) {
    const uint32_t high = read32(bytes, at);
    const uint32_t low = read32(bytes, at + 4);
    return {uint16_t(high >> 16), uint16_t(high & 0xFFFF), uint16_t(low >> 16),
            uint16_t(low & 0xFFFF)};
}

// block holds at least VersionBlockSize bytes, the key at its place.
bool isValidBlock(std::span<const unsigned char> block) {
    constexpr size_t f = FixedFileInfoOffset;
    return read16(block, 0) >= VersionBlockSize && read16(block, 2) == FixedFileInfoSize &&
           read16(block, 4) == 0 && read32(block, f) == FixedFileInfoSignature &&
           read32(block, f + 4) == FixedFileInfoStructVersion;
}

}  // namespace

std::optional<FixedVersions> findVersionBlock(std::span<const unsigned char> bytes) {
    // Only the key is kept as a pattern: a whole block here would be found as well.
    static constexpr VersionKey key = versionKeyBytes();
    const std::boyer_moore_horspool_searcher findKey(key.begin(), key.end());
    auto from = bytes.begin();
    while (true) {
        const auto found = std::search(from, bytes.end(), findKey);
        if (found == bytes.end()) {
            return std::nullopt;
        }
        const auto keyAt = size_t(found - bytes.begin());
        if (keyAt >= VersionKeyOffset &&
            bytes.size() - (keyAt - VersionKeyOffset) >= VersionBlockSize) {
            const auto block = bytes.subspan(keyAt - VersionKeyOffset, VersionBlockSize);
            if (isValidBlock(block)) {
                constexpr size_t f = FixedFileInfoOffset;
                return FixedVersions{readVersion(block, f + 8), readVersion(block, f + 16)};
            }
        }
        from = found + 1;
    }
}
