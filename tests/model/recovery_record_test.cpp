#include "model/recovery_record.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "model/codec_test_support.h"
#include "model/library_snapshot.h"
#include "model/library_writer.h"
#include "support/entities.h"

namespace {

using codec_test::TestLibrary;

void expectSame(const RecoveryRecord& a, const RecoveryRecord& b) {
    EXPECT_EQ(a.libraryPath, b.libraryPath);
    EXPECT_EQ(a.kind, b.kind);
    EXPECT_EQ(a.libraryStamp, b.libraryStamp);
    EXPECT_EQ(a.currentEntry, b.currentEntry);
    EXPECT_EQ(a.entryCount, b.entryCount);
    EXPECT_EQ(a.copiedMs, b.copiedMs);
}

// Any path of any bytes, any stamp and any entry numbers come back as written, and every cut
// of the text short of its end is refused.
TEST(RecoveryRecord, ReadsBackWhatItWroteAndRefusesEveryCut) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        RecoveryRecord record;
        const size_t length = random() % 40;
        for (size_t i = 0; i < length; ++i) {
            record.libraryPath += static_cast<char>(1 + random() % 255);
        }
        record.kind = random() % 2 ? LibraryKind::LineType : LibraryKind::Symbol;
        if (random() % 3 != 0) {
            record.libraryStamp =
                FileStamp{static_cast<int64_t>(random()), -static_cast<int64_t>(random()) * 997};
        }
        record.entryCount = static_cast<int32_t>(random() % (MaxEntries + 1));
        record.currentEntry = static_cast<int32_t>(random() % (record.entryCount + 1));
        record.copiedMs = INT64_MAX - static_cast<int64_t>(random());

        const std::string text = writeRecoveryRecord(record);
        ASSERT_EQ(text.find('\r'), std::string::npos);
        const std::optional<RecoveryRecord> read = parseRecoveryRecord(text);
        ASSERT_TRUE(read.has_value()) << text;
        expectSame(*read, record);
        const size_t cut = random() % text.size();
        EXPECT_FALSE(parseRecoveryRecord(text.substr(0, cut))) << text.substr(0, cut);
    }
}

TEST(RecoveryRecord, RefusesWhatThisProgramDidNotWrite) {
    const std::string good =
        "Glyphwright recovery record 1\nlibrary=/a/b.sym\nkind=symbol\n"
        "entry=1\nentries=2\ncopied=5\n";
    ASSERT_TRUE(parseRecoveryRecord(good));
    EXPECT_TRUE(parseRecoveryRecord(good + "colour=blue\n")) << "a later version's field";
    for (const std::string& bad : {
             std::string("Glyphwright recovery record 2\n") + good.substr(good.find('\n') + 1),
             good + "entry=1\n",  // a field twice
             good + "size=10\n",  // a size without its time
             good + "no equals sign\n",
             good.substr(0, good.find("kind")) + good.substr(good.find("entry")),  // no kind
         }) {
        EXPECT_FALSE(parseRecoveryRecord(bad)) << bad;
    }
    const auto with = [&good](std::string_view field, std::string_view value) {
        std::string text = good;
        const size_t at = text.find(std::string(field) + "=") + field.size() + 1;
        return text.replace(at, text.find('\n', at) - at, value);
    };
    for (const auto& [field, value] :
         std::initializer_list<std::pair<std::string_view, std::string_view>>{
             {"entry", "3"},  // past the entry count
             {"entries", "501"},
             {"entry", "-1"},
             {"entries", " 2"},
             {"copied", "99999999999999999999"},
             {"kind", "Symbol"},
             {"library", "/a/%4"},
             {"library", "/a/%zz.sym"},
             {"library", "/a/\tb.sym"},
         }) {
        EXPECT_FALSE(parseRecoveryRecord(with(field, value))) << field << "=" << value;
    }
    EXPECT_FALSE(parseRecoveryRecord(good + std::string(MaxRecoveryRecordSize, '#')));
}

TEST(RecoveryRecord, TellsAChangedLibraryFile) {
    RecoveryRecord record;
    record.libraryPath = "/maps/std.sym";
    record.libraryStamp = FileStamp{100, 5};
    EXPECT_FALSE(libraryChangedSinceCopy(record, FileStamp{100, 5}));
    EXPECT_TRUE(libraryChangedSinceCopy(record, FileStamp{100, 6}));
    EXPECT_TRUE(libraryChangedSinceCopy(record, FileStamp{101, 5}));
    EXPECT_TRUE(libraryChangedSinceCopy(record, std::nullopt)) << "removed";
    record.libraryStamp.reset();
    EXPECT_TRUE(libraryChangedSinceCopy(record, FileStamp{1, 1})) << "made since";
    record.libraryPath.clear();
    EXPECT_FALSE(libraryChangedSinceCopy(record, std::nullopt)) << "unnamed";
}

// A snapshot writes the text a save would write after storing the working copy, and the
// fingerprint follows every change of the working copy.
TEST(LibrarySnapshot, WritesWhatASaveWouldWrite) {
    TestLibrary t;
    Library& library = t.library;
    library.entryCount = 3;
    for (int n = 1; n <= 3; ++n) {
        library.entry(n).name.assign("E" + std::to_string(n));
        library.entry(n).originX = library.entry(n).originY = 155;
        for (int i = 0; i < 10 * n; ++i) {
            library.entities(n)[static_cast<size_t>(i)] = lineEntity(10 + i, 20, 30, 40 + n);
        }
    }
    library.currentEntry = 2;
    WorkingCopy work;
    ASSERT_TRUE(copyEntryToWork(library, 2, work));
    const uint64_t before = editFingerprint(library, work);
    work.workEntities[3] = arcEntity(50, 50, 80, 80, 65, 65, 1, 4);
    work.workEntityCount = 3;  // the last entities deleted
    EXPECT_NE(editFingerprint(library, work), before);

    TestLibrary snapshot;
    snapshot.library.entryCount = MaxEntries;  // a larger library taken before
    for (int i = 0; i < MaxEntities; ++i) {
        snapshot.library.entities(1)[static_cast<size_t>(i)] = lineEntity(9, 9, 9, 9);
    }
    snapshotLibrary(library, work, snapshot.library);
    const std::string copied = writeLibraryText(snapshot.library);
    copyWorkToEntry(library, 2, work);
    EXPECT_EQ(copied, writeLibraryText(library));
}

}  // namespace
