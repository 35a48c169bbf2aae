#include "platform/library_pre_read.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

TEST(LibraryPreRead, ReadsTheFileAsTheKindItIsGiven) {
    // The older line type layout is a line type library's only: read as symbols it is none.
    const std::string file = GLYPH_SOURCE_DIR "/samples/older.ltp";
    LibraryPreRead asLineTypes(file, LibraryKind::LineType);
    LibraryPreRead asSymbols(file, LibraryKind::Symbol);

    EXPECT_EQ(asLineTypes.fileName(), file);
    const LibraryRead lineTypes = asLineTypes.take();
    EXPECT_EQ(lineTypes.result.outcome, ReadOutcome::Read);
    EXPECT_EQ(lineTypes.library.libraryKind, LibraryKind::LineType);
    EXPECT_EQ(lineTypes.library.libraryFileName, file);
    ASSERT_GE(lineTypes.library.entryCount, 1);
    EXPECT_EQ(lineTypes.library.entry(1).name.view(), "Old fence");

    const LibraryRead symbols = asSymbols.take();
    EXPECT_EQ(symbols.result.outcome, ReadOutcome::InvalidFormat);
    EXPECT_EQ(symbols.library.entryCount, 0);
    EXPECT_TRUE(symbols.library.isAllocated());
}

TEST(LibraryPreRead, AFileGoneBeforeTheReadIsNotFound) {
    const QTemporaryDir dir;
    LibraryPreRead read(dir.filePath("gone.sym").toStdString(), LibraryKind::Symbol);
    const LibraryRead gone = read.take();
    EXPECT_EQ(gone.result.outcome, ReadOutcome::NotFound);
    EXPECT_TRUE(gone.library.isAllocated());
}

}  // namespace
