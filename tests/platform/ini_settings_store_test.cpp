#include "platform/ini_settings_store.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "model/font_size_adjustment.h"
#include "model/library_locations.h"

namespace {

constexpr SettingsRoot User = SettingsRoot::CurrentUser;
constexpr SettingsRoot Machine = SettingsRoot::LocalMachine;

class IniSettingsStoreTest : public ::testing::Test {
  protected:
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    void writeFile(const QString& file, const QByteArray& bytes) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    static QByteArray readFile(const QString& file) {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    }
    IniSettingsStore storeWith(const QString& user, const QString& machine) {
        return IniSettingsStore({user}, {machine});
    }

    QTemporaryDir dir;
    QString userFile = path("user/registry.ini");
    QString machineFile = path("machine/registry.ini");
    IniSettingsStore store = storeWith(userFile, machineFile);
};

TEST_F(IniSettingsStoreTest, ValuesRoundTripThroughTheUserFileAndKeysExistOnceTheyHoldOne) {
    EXPECT_FALSE(store.openKey(User, HostGeneralKey, KeyAccess::Read));
    EXPECT_FALSE(store.openKey(User, HostGeneralKey, KeyAccess::Write));
    EXPECT_TRUE(store.openKey(User, HostGeneralKey, KeyAccess::WriteCreate));

    const std::string longPath = "D:\\" + std::string(10000, 'x') + "\\std.sym";
    ASSERT_TRUE(store.writeText(User, HostGeneralKey, "Symbol Library", longPath).ok());
    ASSERT_TRUE(store.writeText(User, HostGeneralKey, "Linetype Library", "C:\\a, b; ü.ltp").ok());

    const IniSettingsStore reopened = storeWith(userFile, machineFile);
    EXPECT_EQ(reopened.readText(User, HostGeneralKey, "Symbol Library"), longPath);
    EXPECT_EQ(reopened.readText(User, HostGeneralKey, "Linetype Library"), "C:\\a, b; ü.ltp");
    EXPECT_TRUE(reopened.valueExists(User, HostGeneralKey, "Symbol Library"));
    EXPECT_FALSE(reopened.valueExists(User, HostGeneralKey, "Other"));
    EXPECT_FALSE(reopened.valueExists(Machine, HostGeneralKey, "Symbol Library"));
    EXPECT_TRUE(store.openKey(User, HostGeneralKey, KeyAccess::Write));
    EXPECT_TRUE(store.openKey(User, "Software\\Veltrax", KeyAccess::Read));
    EXPECT_TRUE(store.openKey(User, "Software", KeyAccess::Read));
    EXPECT_TRUE(store.openKey(User, "Software\\\\Veltrax\\", KeyAccess::Read));
    EXPECT_FALSE(store.openKey(User, "Software\\Veltrax\\Veltrax Plot", KeyAccess::Read));
    EXPECT_FALSE(QFile::exists(machineFile));
}

TEST_F(IniSettingsStoreTest, NamesWithSeparatorsAndEmptyKeysAddressNothing) {
    ASSERT_TRUE(store.writeText(User, "Software\\A", "Name", "v").ok());
    EXPECT_FALSE(store.writeText(User, "Software", "A/Name", "x").ok());
    EXPECT_FALSE(store.writeText(User, "", "Name", "x").ok());
    EXPECT_EQ(store.readText(User, "Software", "A\\Name"), "");
    EXPECT_FALSE(store.valueExists(User, "Software", "A/Name"));
    EXPECT_FALSE(store.openKey(User, "\\", KeyAccess::Read));
    EXPECT_EQ(store.readText(User, "Software\\A", "Name"), "v");
}

TEST_F(IniSettingsStoreTest, HandWrittenMachineFileGivesTheDefaultThroughBothFallBacks) {
    QDir().mkpath(path("machine"));
    writeFile(machineFile,
              "[Software\\Veltrax\\Veltrax%20Plotwerk\\1.6\\General]\n"
              "Symbol%20Library=std.sym\n"
              "[Software\\Microsoft\\Windows\\CurrentVersion\\App%20Paths\\PWHost.exe]\n"
              "Path=\"C:\\\\host;C:\\\\host\\\\libs\"\n");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "C:\\host\\libs\\std.sym");

    // The user's own key without the value still sees the machine's value.
    ASSERT_TRUE(store.writeText(User, HostGeneralKey, "Linetype Library", "u.ltp").ok());
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "C:\\host\\libs\\std.sym");

    writeFile(machineFile,
              "[Software\\Microsoft\\Windows\\CurrentVersion\\App%20Paths\\PWHost.exe]\n"
              "Path=/opt/host\n");
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::LineType), "/opt/host/u.ltp");
}

TEST_F(IniSettingsStoreTest, RecordingADefaultKnownOnlyToTheMachineFailsAndWritesNothing) {
    QDir().mkpath(path("machine"));
    const QByteArray machine =
        "[Software\\Veltrax\\Veltrax%20Plotwerk\\1.6\\General]\n"
        "Symbol%20Library=\"M:\\\\std.sym\"\n";
    writeFile(machineFile, machine);

    const DefaultLibraryResult result =
        setDefaultLibrary(store, LibraryKind::Symbol, "/home/me/new.sym");
    EXPECT_EQ(result.outcome, DefaultLibraryOutcome::WriteFailed);
    EXPECT_EQ(result.write.failure, SettingsFailure::KeyOnlyForMachine);
    EXPECT_EQ(readFile(machineFile), machine);
    EXPECT_FALSE(QFile::exists(userFile));
    EXPECT_EQ(defaultLibraryPath(store, LibraryKind::Symbol), "M:\\std.sym");
}

TEST_F(IniSettingsStoreTest, DamagedFileIsReadAsFarAsItGoesAndNeverRewritten) {
    QDir().mkpath(path("user"));
    const QByteArray damaged =
        "[Software\\A]\nGood=kept\n[unclosed\n\x01\x02\xff\xfe=\n=\n[]]]\n"
        "Bad\\=x\n";
    writeFile(userFile, damaged);
    EXPECT_EQ(store.readText(User, "Software\\A", "Good"), "kept");
    EXPECT_TRUE(store.openKey(User, "Software\\A", KeyAccess::Read));
    EXPECT_FALSE(store.openKey(User, "Software\\A", KeyAccess::Write));
    EXPECT_FALSE(store.openKey(User, "Software\\B", KeyAccess::WriteCreate));
    const SettingsWrite write = store.writeText(User, "Software\\A", "Good", "changed");
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(write.failure, SettingsFailure::FileDamaged);
    EXPECT_EQ(readFile(userFile), damaged);

    writeFile(userFile, "[Software\\A]\nGood=mended\n");
    EXPECT_EQ(store.readText(User, "Software\\A", "Good"), "mended");
    EXPECT_TRUE(store.writeText(User, "Software\\A", "Good", "changed").ok());
    EXPECT_EQ(store.readText(User, "Software\\A", "Good"), "changed");
}

TEST_F(IniSettingsStoreTest, PathsThatAreNoSmallRegularFileReadAsEmptyWithoutBlocking) {
    QDir().mkpath(path("folder.ini"));
    const QString fifo = path("fifo.ini");
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QString big = path("big.ini");
    writeFile(big, "[Software\\A]\nName=v\n" + QByteArray(MaxSettingsFileSize, '#'));

    const std::pair<QString, SettingsFailure> cases[] = {
        {path("folder.ini"), SettingsFailure::FileNotRegular},
        {fifo, SettingsFailure::FileNotRegular},
        {big, SettingsFailure::FileTooLarge},
        {QString(), SettingsFailure::FileUnreadable}};
    for (const auto& [unusable, failure] : cases) {
        IniSettingsStore bad = storeWith(unusable, machineFile);
        EXPECT_FALSE(bad.openKey(User, "Software\\A", KeyAccess::Read));
        EXPECT_FALSE(bad.openKey(User, "Software\\A", KeyAccess::WriteCreate));
        EXPECT_EQ(bad.readText(User, "Software\\A", "Name"), "");
        const SettingsWrite write = bad.writeText(User, "Software\\A", "Name", "x");
        EXPECT_FALSE(write.ok());
        EXPECT_EQ(write.failure, failure) << unusable.toStdString();
        EXPECT_EQ(readFontSizeAdjustment(bad), 0);
    }
    EXPECT_EQ(QFileInfo(big).size(), MaxSettingsFileSize + 20);
}

TEST_F(IniSettingsStoreTest, FileThatCannotBeCreatedFailsTheWriteWithItsName) {
    writeFile(path("plain"), "not a folder");
    const QString impossible = path("plain/registry.ini");
    IniSettingsStore bad = storeWith(impossible, machineFile);
    const SettingsWrite write = bad.writeText(User, "Software\\A", "Name", "x");
    EXPECT_FALSE(write.ok());
    EXPECT_EQ(write.failure, SettingsFailure::FileNotWritten);
    EXPECT_EQ(write.subject, impossible.toStdString());
    EXPECT_FALSE(write.detail.empty());
    EXPECT_EQ(bad.readText(User, "Software\\A", "Name"), "");
    EXPECT_FALSE(bad.openKey(User, "Software\\A", KeyAccess::Read));
}

TEST(CreateHostSettingsStore, EnvironmentVariablesNameTheTwoFiles) {
    qputenv("GLYPHWRIGHT_USER_SETTINGS", "/tmp/glyph-user.ini");
    qputenv("GLYPHWRIGHT_MACHINE_SETTINGS", "/tmp/glyph-machine.ini");
    const auto store = createHostSettingsStore();
    const auto* ini = dynamic_cast<const IniSettingsStore*>(store.get());
    ASSERT_NE(ini, nullptr);
    EXPECT_EQ(ini->filePath(User), "/tmp/glyph-user.ini");
    EXPECT_EQ(ini->filePath(Machine), "/tmp/glyph-machine.ini");

    qunsetenv("GLYPHWRIGHT_USER_SETTINGS");
    qunsetenv("GLYPHWRIGHT_MACHINE_SETTINGS");
    const auto defaults = createHostSettingsStore();
    const auto* defaultIni = dynamic_cast<const IniSettingsStore*>(defaults.get());
    ASSERT_NE(defaultIni, nullptr);
    EXPECT_TRUE(defaultIni->filePath(User).endsWith("/Glyphwright/registry.ini"));
    EXPECT_EQ(defaultIni->filePath(Machine), "/etc/xdg/Glyphwright/registry.ini");
}

}  // namespace
