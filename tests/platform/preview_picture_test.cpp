#include "platform/preview_picture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <cstdlib>
#include <memory>

#include "model/library.h"
#include "platform/entry_picture.h"
#include "platform/library_file.h"

namespace {

// The previews of every sample entry, against pictures kept in tests/platform/previews/.
// Smoothing may differ by a shade between builds of Qt, so a pixel counts as different only
// beyond a small tolerance, and a few such pixels are allowed. GLYPH_UPDATE_PREVIEWS=1 writes
// the pictures anew (look at them before committing).
constexpr QSize GoldenSize{280, 210};
constexpr int ShadeTolerance = 48;
constexpr double AllowedShare = 0.002;

double shareOfDifferentPixels(const QImage& a, const QImage& b) {
    int different = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > ShadeTolerance ||
                std::abs(qGreen(p) - qGreen(q)) > ShadeTolerance ||
                std::abs(qBlue(p) - qBlue(q)) > ShadeTolerance) {
                ++different;
            }
        }
    }
    return double(different) / (a.width() * a.height());
}

class SamplePreviews : public ::testing::TestWithParam<const char*> {};

TEST_P(SamplePreviews, MatchTheKeptPictures) {
    const QString sample = QString::fromLatin1(GetParam());
    const auto library = std::make_unique<Library>();
    allocateLibrary(*library);
    library->libraryKind =
        sample.endsWith(QLatin1String(".ltp")) ? LibraryKind::LineType : LibraryKind::Symbol;
    readLibraryFile(QStringLiteral(GLYPH_SOURCE_DIR "/samples/") + sample, *library);
    ASSERT_GT(library->entryCount, 0);
    const QDir folder(QStringLiteral(GLYPH_SOURCE_DIR "/tests/platform/previews/") + sample);
    const bool update = std::getenv("GLYPH_UPDATE_PREVIEWS") != nullptr;
    if (update) {
        folder.mkpath(QStringLiteral("."));
    }
    for (int n = 1; n <= library->entryCount; ++n) {
        const EntityArray& entities = library->entities(n);
        const QImage preview =
            entryPreview(library->libraryKind, library->entry(n),
                         std::span(entities.data(), size_t(countEntities(entities))), GoldenSize,
                         true)
                .convertToFormat(QImage::Format_RGB32);
        const QString path = folder.filePath(entryPictureFileName(*library, n));
        if (update) {
            ASSERT_TRUE(preview.save(path));
            continue;
        }
        const QImage kept(path);
        ASSERT_EQ(kept.size(), GoldenSize) << path.toStdString();
        EXPECT_LE(shareOfDifferentPixels(preview, kept.convertToFormat(QImage::Format_RGB32)),
                  AllowedShare)
            << path.toStdString();
    }
    releaseLibrary(*library);
}

INSTANTIATE_TEST_SUITE_P(Samples, SamplePreviews,
                         ::testing::Values("survey.sym", "boundaries.ltp", "older.sym",
                                           "older.ltp"));

}  // namespace
