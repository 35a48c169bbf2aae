#include "platform/catalogue.h"

#include <QDate>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

#include "editing/string_source.h"
#include "model/cp1252.h"
#include "platform/entry_picture.h"

namespace {

constexpr int PageHeadingText = 446;  // "%1 · %2 entries · %3"
constexpr int PageNumberText = 447;   // "Page %1 of %2"
constexpr int PatternRepeats = 3;

QString text(const StringSource& strings, int number) {
    return QString::fromStdString(strings.loadText(number));
}

QString heading(const Library& library, const QString& libraryName, const StringSource& strings) {
    return text(strings, PageHeadingText)
        .arg(libraryName, QString::number(library.entryCount),
             QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

QString caption(const Library& library, int n) {
    return QStringLiteral("%1  %2").arg(n).arg(
        QString::fromStdString(cp1252ToUtf8(library.entry(n).name.view())));
}

bool isLineTypes(const Library& library) {
    return library.libraryKind == LibraryKind::LineType;
}

// The page in millimetres: margins, the heading and page number bands, and the cells.
struct PageGrid {
    static constexpr double Margin = 12;
    static constexpr double Band = 8;  // heading and page number
    static constexpr double Gap = 4;

    QRectF content;
    double cell = 0;     // width of a cell
    double picture = 0;  // the square picture
    double strip = 0;    // the pattern along a line, line types only
    double caption = 6;
    int columns = 1;
    int rows = 1;

    PageGrid(QSizeF page, int columns, bool lineTypes) : columns(columns) {
        content = QRectF(Margin, Margin + Band, page.width() - 2 * Margin,
                         page.height() - 2 * Margin - 2 * Band);
        cell = content.width() / columns;
        picture = cell - Gap;
        strip = lineTypes ? picture / 4 : 0;
        rows = std::max(1, static_cast<int>(content.height() / rowHeight()));
    }
    double rowHeight() const { return picture + strip + caption + Gap; }
    int perPage() const { return rows * columns; }
    QPointF cellOrigin(int index) const {
        return content.topLeft() +
               QPointF((index % columns) * cell, (index / columns % rows) * rowHeight());
    }
};

// Millimetres of the page in the writer's dots.
struct Dots {
    double perMm = 1;
    QRectF operator()(const QRectF& mm) const {
        return {mm.x() * perMm, mm.y() * perMm, mm.width() * perMm, mm.height() * perMm};
    }
};

void paintCell(QPainter& painter, const Library& library, int n, const PageGrid& grid,
               QPointF origin, const Dots& dots) {
    const QPen frame(QColor(170, 170, 170), 0.2 * dots.perMm);
    const QRectF picture = dots(QRectF(origin, QSizeF(grid.picture, grid.picture)));
    painter.setPen(frame);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture);
    paintEntry(painter, library, n, picture);
    double y = origin.y() + grid.picture;
    if (grid.strip > 0) {
        const QRectF strip = dots(QRectF(origin.x(), y + 1, grid.picture, grid.strip - 1));
        painter.setPen(frame);
        painter.drawRect(strip);
        paintPatternAlongLine(painter, library, n, strip, PatternRepeats);
        y += grid.strip;
    }
    painter.setPen(Qt::black);
    const QRectF captionBox = dots(QRectF(origin.x(), y + 0.5, grid.picture, grid.caption));
    painter.drawText(captionBox, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                     painter.fontMetrics().elidedText(caption(library, n), Qt::ElideRight,
                                                      static_cast<int>(captionBox.width())));
}

bool writePdf(QIODevice& device, const Library& library, const QString& libraryName, int columns,
              const StringSource& strings) {
    QPdfWriter pdf(&device);
    pdf.setTitle(libraryName);
    pdf.setCreator(QStringLiteral("Glyphwright"));
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(),
                                  QPageLayout::Millimeter));
    pdf.setResolution(300);
    QPainter painter;
    if (!painter.begin(&pdf)) {
        return false;
    }
    const Dots dots{pdf.resolution() / 25.4};
    const QSizeF page = pdf.pageLayout().fullRect(QPageLayout::Millimeter).size();
    const PageGrid grid(page, columns, isLineTypes(library));
    QFont font = painter.font();
    font.setPointSizeF(7.5);
    painter.setFont(font);

    const int pages = std::max(1, (library.entryCount + grid.perPage() - 1) / grid.perPage());
    const QString top = heading(library, libraryName, strings);
    const double width = grid.content.width();
    for (int p = 0; p < pages; ++p) {
        if (p > 0) {
            pdf.newPage();
        }
        painter.setPen(Qt::black);
        painter.drawText(dots(QRectF(PageGrid::Margin, PageGrid::Margin, width, PageGrid::Band)),
                         Qt::AlignLeft | Qt::AlignTop, top);
        painter.drawText(
            dots(QRectF(PageGrid::Margin, page.height() - PageGrid::Margin - PageGrid::Band, width,
                        PageGrid::Band)),
            Qt::AlignHCenter | Qt::AlignBottom,
            text(strings, PageNumberText).arg(p + 1).arg(pages));
        const int first = p * grid.perPage() + 1;
        const int last = std::min(library.entryCount, first + grid.perPage() - 1);
        for (int n = first; n <= last; ++n) {
            paintCell(painter, library, n, grid, grid.cellOrigin(n - first), dots);
        }
    }
    return painter.end();
}

QByteArray svgElement(QByteArray svg) {
    if (svg.startsWith("<?xml")) {
        svg.remove(0, svg.indexOf('\n') + 1);
    }
    return svg;
}

QByteArray htmlPage(const Library& library, const QString& libraryName, int columns,
                    const StringSource& strings) {
    const QByteArray title = libraryName.toHtmlEscaped().toUtf8();
    QByteArray page =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
        "</title>\n<style>body{font-family:sans-serif;margin:1em}main{display:grid;"
        "grid-template-columns:repeat(" +
        QByteArray::number(columns) +
        ",1fr);gap:1em}figure{margin:0;break-inside:avoid}figure svg{width:100%;height:auto;"
        "border:1px solid #aaa;display:block}figure svg+svg{margin-top:2px}figcaption{font-size:"
        "small;white-space:nowrap;overflow:hidden;text-overflow:ellipsis}</style></head><body>\n"
        "<header><h1>" +
        title + "</h1><p>" + heading(library, libraryName, strings).toHtmlEscaped().toUtf8() +
        "</p></header>\n<main>\n";
    for (int n = 1; n <= library.entryCount; ++n) {
        page += "<figure>" + svgElement(entrySvg(library, n, 1));
        if (isLineTypes(library)) {
            page += patternAlongLineSvg(library, n, PatternRepeats);
        }
        page += "<figcaption>" + caption(library, n).toHtmlEscaped().toUtf8() +
                "</figcaption></figure>\n";
    }
    return page + "</main>\n</body></html>\n";
}

}  // namespace

bool isHtmlCatalogue(const QString& path) {
    return path.endsWith(QStringLiteral(".html"), Qt::CaseInsensitive) ||
           path.endsWith(QStringLiteral(".htm"), Qt::CaseInsensitive);
}

bool writeCatalogue(const QString& path, const Library& library, const QString& libraryName,
                    int columns, const StringSource& strings, QString& error) {
    columns = std::clamp(columns, 1, MaxCatalogueColumns);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = file.errorString();
        return false;
    }
    bool written = false;
    if (isHtmlCatalogue(path)) {
        const QByteArray page = htmlPage(library, libraryName, columns, strings);
        written = file.write(page) == page.size();
    } else {
        written = writePdf(file, library, libraryName, columns, strings);
    }
    if (written && file.commit()) {
        return true;
    }
    error = file.errorString();
    file.cancelWriting();
    return false;
}
