#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

// The fixed version information of a program file, in the binary layout Windows uses: the
// root block of a version resource (VS_VERSIONINFO: length, value length, type, the key
// "VS_VERSION_INFO" in UTF-16, padding) whose value is the fixed file information
// (VS_FIXEDFILEINFO, starting with its signature). All numbers are little-endian.

struct FourPartVersion {
    uint16_t major = 0;
    uint16_t minor = 0;
    uint16_t release = 0;
    uint16_t build = 0;
    friend bool operator==(const FourPartVersion&, const FourPartVersion&) = default;
};

struct FixedVersions {
    FourPartVersion file;
    FourPartVersion product;
};

inline constexpr uint32_t FixedFileInfoSignature = 0xFEEF04BD;
inline constexpr uint32_t FixedFileInfoStructVersion = 0x00010000;
inline constexpr size_t FixedFileInfoSize = 52;
inline constexpr size_t VersionKeyOffset = 6;
inline constexpr size_t VersionKeySize = 32;       // "VS_VERSION_INFO" and its terminator
inline constexpr size_t FixedFileInfoOffset = 40;  // the key, padded to 32 bits
inline constexpr size_t VersionBlockSize = FixedFileInfoOffset + FixedFileInfoSize;

using VersionBlock = std::array<unsigned char, VersionBlockSize>;
using VersionKey = std::array<unsigned char, VersionKeySize>;

constexpr VersionKey versionKeyBytes() {
    constexpr char key[] = "VS_VERSION_INFO";
    VersionKey bytes{};
    for (size_t i = 0; i < sizeof key; ++i) {
        bytes[2 * i] = static_cast<unsigned char>(key[i]);
    }
    return bytes;
}

constexpr VersionBlock makeVersionBlock(FourPartVersion file, FourPartVersion product) {
    VersionBlock block{};
    auto put16 = [&block](size_t at, uint32_t value) {
        block[at] = static_cast<unsigned char>(value & 0xFF);
        block[at + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
    };
    auto put32 = [&put16](size_t at, uint32_t value) {
        put16(at, value & 0xFFFF);
        put16(at + 2, value >> 16);
    };
    auto high = [](uint16_t a, uint16_t b) { return uint32_t(a) << 16 | b; };
    put16(0, VersionBlockSize);
    put16(2, FixedFileInfoSize);
    put16(4, 0);  // binary value
    const VersionKey key = versionKeyBytes();
    std::copy(key.begin(), key.end(), block.begin() + VersionKeyOffset);
    constexpr size_t f = FixedFileInfoOffset;
    put32(f + 0, FixedFileInfoSignature);
    put32(f + 4, FixedFileInfoStructVersion);
    put32(f + 8, high(file.major, file.minor));
    put32(f + 12, high(file.release, file.build));
    put32(f + 16, high(product.major, product.minor));
    put32(f + 20, high(product.release, product.build));
    put32(f + 24, 0x3F);        // every flag bit is meaningful
    put32(f + 28, 0);           // a release build
    put32(f + 32, 0x00040004);  // 32-bit Windows NT
    put32(f + 36, 1);           // an application
    return block;               // subtype and date stay 0
}

// The versions of the first valid block found in the bytes.
std::optional<FixedVersions> findVersionBlock(std::span<const unsigned char> bytes);

// The program's own block, linked into every program that uses the platform layer.
alignas(4) extern const VersionBlock programVersionBlock;
