#include "platform/program_settings.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(ProgramSettings, ValuesOfEveryKindRoundTripAndTheUsersOwnLinesStay) {
    QTemporaryDir dir;
    const QString path = dir.filePath("new folder/glyphwright.ini");
    ProgramSettings settings(path);
    EXPECT_EQ(settings.integer("Zoom/Percent", 100, 100, 400), 100);

    QByteArray state(300, '\0');
    for (int i = 0; i < state.size(); ++i) {
        state[i] = static_cast<char>(i * 7);
    }
    ASSERT_TRUE(settings.setInteger("Zoom/Percent", 250)) << settings.lastWrite().detail;
    ASSERT_TRUE(settings.setBytes("MainWindow/State", state));
    ASSERT_TRUE(settings.setFlag("Help/Open", true));
    ASSERT_TRUE(settings.setReal("Zoom/Factor", 0.1 + 0.2));
    ASSERT_TRUE(settings.setText("Help/Page", QStringLiteral(" C:\\Büro\\\"x\" ")));

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("; mine\n[Zoom]\nBad=@Variant(((\n");
    file.close();
    const ProgramSettings reread(path);
    EXPECT_EQ(reread.integer("zoom/percent", 100, 100, 400), 250);
    EXPECT_EQ(reread.integer("Zoom/Percent", 100, 100, 200), 100);
    EXPECT_EQ(reread.integer("Zoom/Bad", 7, 0, 10), 7);
    EXPECT_EQ(reread.bytes("MainWindow/State"), state);
    EXPECT_EQ(reread.bytes("Zoom/Bad"), QByteArray());
    EXPECT_TRUE(reread.flag("Help/Open", false));
    EXPECT_EQ(reread.real("Zoom/Factor", 1, 0, 4), 0.1 + 0.2);
    EXPECT_EQ(reread.real("Zoom/Factor", 1, 0.5, 4), 1);
    EXPECT_EQ(reread.text("Help/Page"), QStringLiteral(" C:\\Büro\\\"x\" "));

    const QByteArray before = readFile(path);
    ASSERT_TRUE(settings.setInteger("Zoom/Percent", 300));
    QByteArray expected = before;
    expected.replace("Percent=250", "Percent=300");
    EXPECT_EQ(readFile(path), expected);
}

TEST(ProgramSettings, SharedSettingsFollowTheEnvironmentAndAFileThatCannotBeWrittenSaysWhy) {
    QTemporaryDir dir;
    qputenv("GLYPHWRIGHT_PROGRAM_SETTINGS", dir.filePath("a.ini").toLocal8Bit());
    EXPECT_EQ(ProgramSettings::shared().filePath(), dir.filePath("a.ini"));
    ASSERT_TRUE(ProgramSettings::shared().setInteger("A/B", 1));
    qputenv("GLYPHWRIGHT_PROGRAM_SETTINGS", dir.filePath("a.ini/b.ini").toLocal8Bit());
    EXPECT_EQ(ProgramSettings::shared().integer("A/B", 0, 0, 9), 0);
    EXPECT_FALSE(ProgramSettings::shared().setInteger("A/B", 2));
    EXPECT_EQ(ProgramSettings::shared().lastWrite().subject,
              dir.filePath("a.ini/b.ini").toStdString());
    qunsetenv("GLYPHWRIGHT_PROGRAM_SETTINGS");
    EXPECT_TRUE(programSettingsPath().endsWith("/Glyphwright/glyphwright.ini"));
}

}  // namespace
