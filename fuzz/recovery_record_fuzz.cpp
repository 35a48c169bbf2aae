// Feeds arbitrary bytes to the recovery record reader, as a crash, a full disk or another
// program may leave them. Whatever it accepts must be in range and must write back to a record
// that reads the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/recovery_record.h"

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<RecoveryRecord> record = parseRecoveryRecord(text);
    if (!record) {
        return 0;
    }
    check(record->entryCount >= 0 && record->entryCount <= MaxEntries);
    check(record->currentEntry >= 0 && record->currentEntry <= record->entryCount);
    const std::string written = writeRecoveryRecord(*record);
    const std::optional<RecoveryRecord> again = parseRecoveryRecord(written);
    check(again.has_value());
    check(again->libraryPath == record->libraryPath && again->kind == record->kind &&
          again->libraryStamp == record->libraryStamp &&
          again->currentEntry == record->currentEntry && again->entryCount == record->entryCount &&
          again->copiedMs == record->copiedMs);
    check(writeRecoveryRecord(*again) == written);
    return 0;
}
