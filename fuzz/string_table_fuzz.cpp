// Feeds arbitrary bytes to the string table reader, as a translator's file might hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "platform/string_table_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const NumberedTexts texts =
        parseStringTable(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const auto& [n, text] : texts) {
        if (n < 1 || n > MaxStringNumber || text.size() > 3 * size_t(MaxStringLength)) {
            std::abort();
        }
    }
    return 0;
}
