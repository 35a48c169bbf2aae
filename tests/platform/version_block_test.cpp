#include "platform/version_block.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>

#include "platform/resource_info.h"

namespace {

// Built at run time from the linked block, so that no second block ends up in this program.
QByteArray blockWithFileVersion(uint16_t major, uint16_t minor, uint16_t release, uint16_t build) {
    QByteArray block(reinterpret_cast<const char*>(programVersionBlock.data()),
                     qsizetype(programVersionBlock.size()));
    const uint16_t parts[] = {minor, major, build, release};  // low word of each DWORD first
    for (int i = 0; i < 4; ++i) {
        block[int(FixedFileInfoOffset) + 8 + 2 * i] = char(parts[i] & 0xFF);
        block[int(FixedFileInfoOffset) + 9 + 2 * i] = char(parts[i] >> 8);
    }
    return block;
}

std::optional<FixedVersions> find(const QByteArray& bytes) {
    return findVersionBlock(
        std::span(reinterpret_cast<const unsigned char*>(bytes.constData()), size_t(bytes.size())));
}

TEST(VersionBlock, TheProgramsBlockCarriesTheProjectVersions) {
    const auto versions = find(QByteArray(reinterpret_cast<const char*>(programVersionBlock.data()),
                                          qsizetype(programVersionBlock.size())));
    ASSERT_TRUE(versions);
    EXPECT_EQ(versions->file, (FourPartVersion{4, 0, 3, 10}));
    EXPECT_EQ(versions->product, (FourPartVersion{4, 0, 0, 0}));
    EXPECT_EQ(reinterpret_cast<uintptr_t>(programVersionBlock.data()) % 4, 0u);
}

TEST(VersionBlock, HasTheWindowsLayout) {
    // Checked on the linked block: a block built here would be a second one in this program.
    const VersionBlock& block = programVersionBlock;
    const unsigned char header[] = {92, 0, 52, 0, 0, 0, 'V', 0, 'S', 0, '_', 0};
    EXPECT_TRUE(std::equal(std::begin(header), std::end(header), block.begin()));
    const unsigned char fixedInfo[] = {
        0xBD, 0x04, 0xEF, 0xFE, 0,  0, 1, 0,   // signature, structure version 1.0
        0,    0,    4,    0,    10, 0, 3, 0,   // file version 4.0.3.10
        0,    0,    4,    0,    0,  0, 0, 0,   // product version 4.0.0.0
        0x3F, 0,    0,    0,    0,  0, 0, 0,   // flag mask, flags
        4,    0,    4,    0,    1,  0, 0, 0};  // 32-bit Windows NT, application
    EXPECT_TRUE(std::equal(std::begin(fixedInfo), std::end(fixedInfo), block.begin() + 40));
}

TEST(VersionBlock, IsFoundAmongOtherBytesAndOnlyWhenComplete) {
    const QByteArray block = blockWithFileVersion(7, 8, 9, 65535);
    const QByteArray noise(1001, '\x55');
    const auto versions = find(noise + block + noise);
    ASSERT_TRUE(versions);
    EXPECT_EQ(versions->file, (FourPartVersion{7, 8, 9, 65535}));

    EXPECT_FALSE(find(QByteArray()));
    EXPECT_FALSE(find(noise));
    EXPECT_FALSE(find(noise + block.left(block.size() - 1)));
    EXPECT_FALSE(find(block.mid(1)));  // the key without the header before it
}

TEST(VersionBlock, SkipsDamagedBlocksAndTakesTheFirstValidOne) {
    QByteArray wrongSignature = blockWithFileVersion(1, 1, 1, 1);
    wrongSignature[int(FixedFileInfoOffset)] = 0;
    QByteArray wrongValueLength = blockWithFileVersion(2, 2, 2, 2);
    wrongValueLength[2] = 51;
    QByteArray wrongStructVersion = blockWithFileVersion(3, 3, 3, 3);
    wrongStructVersion[int(FixedFileInfoOffset) + 6] = 2;
    const QByteArray good = blockWithFileVersion(4, 0, 3, 10);
    const QByteArray later = blockWithFileVersion(5, 5, 5, 5);
    const auto versions =
        find(wrongSignature + wrongValueLength + wrongStructVersion + good + later);
    ASSERT_TRUE(versions);
    EXPECT_EQ(versions->file, (FourPartVersion{4, 0, 3, 10}));
}

class ResourceInfoFiles : public ::testing::Test {
  protected:
    QString write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
    int major = -1, minor = -1, release = -1, build = -1;
};

TEST_F(ResourceInfoFiles, ReadsTheFileVersionOfThisVeryTestProgram) {
    TResourceInfo info(QStringLiteral("/proc/self/exe"));
    ASSERT_TRUE(info.readFileVersion(major, minor, release, build));
    EXPECT_EQ(major, 4);
    EXPECT_EQ(minor, 0);
    EXPECT_EQ(release, 3);
    EXPECT_EQ(build, 10);
}

TEST_F(ResourceInfoFiles, ReadsABlockInAFile) {
    const QString path =
        write("program", QByteArray(4096, '\0') + blockWithFileVersion(1, 2, 3, 4));
    ASSERT_TRUE(TResourceInfo(path).readFileVersion(major, minor, release, build));
    EXPECT_EQ(std::tuple(major, minor, release, build), std::tuple(1, 2, 3, 4));
}

TEST_F(ResourceInfoFiles, AnswersFalseAndLeavesTheNumbersForFilesWithoutABlock) {
    const QString none = write("none", QByteArray(8192, 'x'));
    const QString empty = write("empty", QByteArray());
    const QString cut =
        write("cut", QByteArray(100, '\0') + blockWithFileVersion(1, 2, 3, 4).left(60));
    for (const QString& path : {none, empty, cut, dir.filePath("missing"), dir.path()}) {
        EXPECT_FALSE(TResourceInfo(path).readFileVersion(major, minor, release, build))
            << path.toStdString();
    }
    EXPECT_EQ(std::tuple(major, minor, release, build), std::tuple(-1, -1, -1, -1));
}

}  // namespace
