// Searches arbitrary bytes for a version block, as the About box does in any program file.
#include <cstddef>
#include <cstdint>

#include "platform/version_block.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    findVersionBlock(std::span(data, size));
    return 0;
}
