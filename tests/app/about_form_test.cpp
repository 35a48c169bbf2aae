#include "app/about_form.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "app/dialog_placement.h"
#include "platform/program_images.h"
#include "platform/string_table.h"

namespace {

QString textOf(const QLabel* label) {
    return label->text();
}

TEST(AboutBox, ShowsTheBuiltinTextsAndTheBuildNumberOfThisProgram) {
    const StringTable strings;
    const TAboutFrm box(strings);
    EXPECT_EQ(box.windowTitle(), "About Glyphwright");
    EXPECT_EQ(textOf(box.labAppTitle), "Glyphwright");
    EXPECT_EQ(textOf(box.BuildLabel), "Build 10");
    EXPECT_EQ(textOf(box.ComponentLabel), "a component of");
    EXPECT_EQ(textOf(box.PWHLabel), "Veltrax Plotwerk 1.63");
    EXPECT_EQ(textOf(box.CopyRightLabel), QString::fromStdString(strings.builtinText(100)));
    EXPECT_FALSE(textOf(box.CopyRightLabel).isEmpty());
    EXPECT_EQ(textOf(box.AllRightsLabel), "All rights reserved.");
    EXPECT_EQ(box.OKBtn->text(), "OK");
}

TEST(AboutBox, FollowsTheStringsModule) {
    StringTable strings;
    strings.setStringsModule(
        NumberedTexts{{98, "Über Glyphwright"}, {108, "ein Bestandteil von"}, {158, "Version %1"}});
    const TAboutFrm box(strings);
    EXPECT_EQ(box.windowTitle(), "Über Glyphwright");
    EXPECT_EQ(textOf(box.ComponentLabel), "ein Bestandteil von");
    EXPECT_EQ(textOf(box.BuildLabel), "Version 10");
}

TEST(AboutBox, ShowsTheDesignedBuildTextWithoutAVersionBlock) {
    const QTemporaryDir dir;
    const QString program = dir.filePath("program");
    QFile file(program);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, '\x7F'));
    file.close();
    const StringTable strings;
    EXPECT_EQ(textOf(TAboutFrm(strings, program).BuildLabel), "<Build>");
    EXPECT_EQ(textOf(TAboutFrm(strings, dir.filePath("missing")).BuildLabel), "<Build>");
}

TEST(AboutBox, HasTheDesignedLayoutAndObjectNamesWhereTheTextsFit) {
    StringTable strings;
    strings.setStringsModule(NumberedTexts{{6, "OK"}, {100, "(c) 2026"}});
    const TAboutFrm box(strings);
    EXPECT_EQ(box.size(), QSize(408, 108));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    const std::pair<const char*, int> labels[] = {
        {"labAppTitle", 6}, {"BuildLabel", 22},     {"ComponentLabel", 37},
        {"PWHLabel", 52},   {"CopyRightLabel", 72}, {"AllRightsLabel", 88},
    };
    for (const auto& [name, top] : labels) {
        const auto* label = box.findChild<QLabel*>(QLatin1String(name));
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->x(), 64) << name;
        EXPECT_EQ(label->y(), top) << name;
        EXPECT_EQ(label->width(), 250) << name;
        EXPECT_TRUE(label->alignment() & Qt::AlignHCenter) << name;
    }
    const auto* ok = box.findChild<QPushButton*>("OKBtn");
    ASSERT_NE(ok, nullptr);
    EXPECT_EQ(ok->geometry(), QRect(328, 16, 73, 25));
    EXPECT_TRUE(box.windowFlags() & Qt::WindowContextHelpButtonHint);
}

TEST(AboutBox, PaintsTheIconAt10And25) {
    const StringTable strings;
    TAboutFrm box(strings);
    const QImage shot = box.grab().toImage();
    const QImage icon =
        programImage(ProgramImage::WindowIcon).convertToFormat(QImage::Format_ARGB32);
    int opaque = 0;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (qAlpha(icon.pixel(x, y)) == 255) {
                ++opaque;
                ASSERT_EQ(shot.pixel(10 + x, 25 + y), icon.pixel(x, y)) << x << "," << y;
            }
        }
    }
    EXPECT_GT(opaque, 500);
}

TEST(AboutBox, OkClosesTheModalBox) {
    const StringTable strings;
    TAboutFrm box(strings);
    QWidget mainWindow;
    mainWindow.setGeometry(40, 60, 466, 364);
    QTimer::singleShot(0, &box, [&box] { QTest::mouseClick(box.OKBtn, Qt::LeftButton); });
    showAboutBox(box, mainWindow);
    EXPECT_EQ(box.result(), QDialog::Accepted);
    EXPECT_FALSE(box.isVisible());
}

TEST(AboutBox, IsShownCentredOverTheMainWindowWhereverItIs) {
    const StringTable strings;
    TAboutFrm box(strings);
    QWidget mainWindow;
    mainWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&mainWindow));
    // The first showing places the box before the window system has framed it.
    for (const QRect& frame : {QRect(40, 60, 466, 364), QRect(700, 20, 466, 364)}) {
        mainWindow.setGeometry(frame);
        QPoint shownAt;
        QTimer::singleShot(0, &box, [&] {
            shownAt = box.frameGeometry().topLeft();
            box.OKBtn->click();
        });
        showAboutBox(box, mainWindow);
        const QRect owner = mainWindow.frameGeometry();
        const QSize size = box.frameGeometry().size();
        EXPECT_EQ(shownAt, QPoint(owner.left() + (owner.width() - size.width()) / 2,
                                  owner.top() + (owner.height() - size.height()) / 2));
    }
}

TEST(DialogPlacement, CentresWithHalvesTruncatedTowardZero) {
    EXPECT_EQ(centredOver(QRect(100, 200, 600, 400), QSize(408, 108)), QPoint(196, 346));
    EXPECT_EQ(centredOver(QRect(100, 200, 601, 401), QSize(408, 108)), QPoint(196, 346));
    // A window smaller than the box: -107 / 2 is -53, not -54.
    EXPECT_EQ(centredOver(QRect(0, 0, 301, 1), QSize(408, 108)), QPoint(-53, -53));
    EXPECT_EQ(centredOver(QRect(-500, -300, 466, 364), QSize(408, 108)), QPoint(-471, -172));
}

}  // namespace
