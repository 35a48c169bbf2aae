#include <gtest/gtest.h>

#include <QXmlStreamReader>
#include <cmath>
#include <memory>
#include <vector>

#include "display/arc_geometry.h"
#include "display/palette.h"
#include "platform/entry_picture.h"
#include "platform/library_file.h"

namespace {

struct Element {
    bool isArc = false;
    std::vector<double> numbers;  // line: x1 y1 x2 y2; path: the numbers of d in order
    QString stroke;
};

// The line and path elements of the document, in order.
std::vector<Element> readElements(const QByteArray& svg) {
    std::vector<Element> elements;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || (xml.name() != u"line" && xml.name() != u"path")) {
            continue;
        }
        Element e;
        e.isArc = xml.name() == u"path";
        e.stroke = xml.attributes().value("stroke").toString();
        if (e.isArc) {
            for (const QString& part : xml.attributes().value("d").toString().split(' ')) {
                bool isNumber = false;
                const double v = part.toDouble(&isNumber);
                if (isNumber) {
                    e.numbers.push_back(v);
                }
            }
        } else {
            for (const char* name : {"x1", "y1", "x2", "y2"}) {
                e.numbers.push_back(xml.attributes().value(name).toDouble());
            }
        }
        elements.push_back(e);
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return elements;
}

QString strokeOf(const Entity& e, bool useColours) {
    const Rgb c = PaletteColour(e.colour, useColours);
    return QStringLiteral("#%1").arg(c.r * 0x10000 + c.g * 0x100 + c.b, 6, 16, QLatin1Char('0'));
}

// Every entry of every sample read back from its SVG: one element per entity in entity
// order, lines at the entity's pixels, arcs from and to points of the entity's circle, in
// the entity's palette colour.
TEST(EntrySvg, EverySampleReadsBackEntityByEntity) {
    for (const char* name : {"survey.sym", "boundaries.ltp", "older.sym", "older.ltp"}) {
        const auto library = std::make_unique<Library>();
        allocateLibrary(*library);
        library->libraryKind =
            QString(name).endsWith(".ltp") ? LibraryKind::LineType : LibraryKind::Symbol;
        const ReadResult read =
            readLibraryFile(QStringLiteral(GLYPH_SOURCE_DIR "/samples/") + name, *library);
        ASSERT_EQ(read.outcome, ReadOutcome::Read) << name;
        for (int n = 1; n <= library->entryCount; ++n) {
            const EntityArray& entities = library->entities(n);
            const bool useColours = library->entry(n).useColours != 0;
            const std::vector<Element> elements = readElements(entrySvg(*library, n, 2));
            ASSERT_EQ(elements.size(), static_cast<size_t>(countEntities(entities)))
                << name << " entry " << n;
            for (size_t i = 0; i < elements.size(); ++i) {
                const Entity& e = entities[i];
                const Element& svg = elements[i];
                SCOPED_TRACE(std::string(name) + " entry " + std::to_string(n) + " entity " +
                             std::to_string(i + 1));
                EXPECT_EQ(svg.isArc, e.isArc != 0);
                EXPECT_EQ(svg.stroke, strokeOf(e, useColours));
                if (!svg.isArc) {
                    EXPECT_EQ(svg.numbers, (std::vector<double>{e.x1 + 0.5, e.y1 + 0.5, e.x2 + 0.5,
                                                                e.y2 + 0.5}));
                    continue;
                }
                // M x y, then per arc: rx ry rotation large-arc sweep x y.
                const std::vector<double>& d = svg.numbers;
                ASSERT_EQ((d.size() - 2) % 7, 0u);
                std::vector<std::pair<double, double>> points{{d[0], d[1]}};
                for (size_t k = 2; k + 7 <= d.size(); k += 7) {
                    points.emplace_back(d[k + 5], d[k + 6]);
                }
                const double radius =
                    PointDistance({e.centreX, e.centreY}, toRealPoint({e.x1, e.y1}));
                for (const auto& [x, y] : points) {
                    EXPECT_NEAR(std::hypot(x - 0.5 - e.centreX, y - 0.5 - e.centreY), radius, 1.0);
                }
            }
        }
        releaseLibrary(*library);
    }
}

}  // namespace
