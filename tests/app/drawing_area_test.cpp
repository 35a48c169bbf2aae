#include <QDir>
#include <QImage>
#include <QProcess>

#include "edit_form_fixture.h"

namespace {

// Every pixel of the drawing inside the panel's bevel, which the paint box draws over the
// picture's edge.
bool sameInsideBevel(const QImage& shown, const QImage& expected, QString* where) {
    for (int y = 2; y < 308; ++y) {
        for (int x = 2; x < 308; ++x) {
            if (shown.pixel(x, y) != expected.pixel(x, y)) {
                *where = QStringLiteral("(%1, %2)").arg(x).arg(y);
                return false;
            }
        }
    }
    return true;
}

class DrawingAreaTest : public EditFormTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(DrawingAreaTest, ShowsEveryEntryPixelForPixelAsGlyphlibRendersIt) {
    const QString library = QStringLiteral(GLYPH_SOURCE_DIR "/samples/") + GetParam();
    const QString pictures = folder_.filePath("pictures");
    QProcess glyphlib;
    glyphlib.start(QStringLiteral(GLYPH_BINARY_DIR "/bin/glyphlib"),
                   {"render", library, "--all", pictures});
    ASSERT_TRUE(glyphlib.waitForFinished(30000));
    ASSERT_EQ(glyphlib.exitCode(), 0) << glyphlib.readAllStandardError().toStdString();
    const QStringList files = QDir(pictures).entryList({"*.png"}, QDir::Files, QDir::Name);

    TEditForm& f = start(library.toStdString());
    QListWidget* list = f.widgets().SymbList;
    ASSERT_EQ(files.size(), list->count());
    for (int row = 0; row < list->count(); ++row) {
        list->setCurrentRow(row);
        const QImage shown =
            f.widgets().symBox->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage expected(QDir(pictures).filePath(files[row]));
        ASSERT_EQ(expected.size(), QSize(310, 310));
        EXPECT_EQ(f.canvas().image().convertToFormat(QImage::Format_RGB32),
                  expected.convertToFormat(QImage::Format_RGB32))
            << files[row].toStdString();
        QString where;
        EXPECT_TRUE(sameInsideBevel(shown, expected.convertToFormat(QImage::Format_RGB32), &where))
            << files[row].toStdString() << " differs at " << where.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, DrawingAreaTest,
                         ::testing::Values("survey.sym", "boundaries.ltp"));

}  // namespace
