#include "platform/entry_picture.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <vector>

#include "display/coordinates.h"
#include "display/primitives.h"
#include "editing/edit_context.h"
#include "editing/entry_session.h"
#include "editing/redraw.h"
#include "model/cp1252.h"
#include "platform/headless_ports.h"
#include "platform/painter_canvas.h"
#include "platform/qt_canvas.h"
#include "platform/string_table.h"
#include "platform/svg_canvas.h"

namespace {

// The working entry of the state as the drawing area shows it right after loading; `load`
// makes an entry of the library the working one first, when it is not 0.
void drawWorkEntry(EditorState& state, QtCanvas& canvas, int load) {
    // Read once: parsing the table for each of 500 list pictures would cost more than drawing.
    static const StringTable strings;
    HeadlessEditorUi ui;
    PrivateClipboard clipboard;
    EditContext ctx{state, canvas, ui, strings, clipboard};
    if (load != 0) {
        loadEntry(ctx, load);
    }
    RedrawEntry(ctx, true);
}

// The drawing area with nothing drawn on it: the surface and the grid.
const QImage& emptyDrawing() {
    static const QImage empty = [] {
        const auto state = std::make_unique<EditorState>();
        QtCanvas canvas;
        drawWorkEntry(*state, canvas, 0);
        return canvas.image();
    }();
    return empty;
}

int difference(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

// The entities as the drawing area shows them, with nothing else.
void drawEntities(Canvas& canvas, const Library& library, int n) {
    const bool useColours = library.entry(n).useColours != 0;
    const EntityArray& entities = library.entities(n);
    const int count = countEntities(entities);
    for (int i = 0; i < count; ++i) {
        DrawEntity(canvas, entities[i], useColours, DrawMode::Normal);
    }
}

constexpr double PrintedPenWidth = 1.2;  // surface pixels

}  // namespace

QImage entryPicture(EditorState& state, int n, int scale) {
    QtCanvas canvas;
    drawWorkEntry(state, canvas, n);
    const int k = std::clamp(scale, 1, MaxPictureScale);
    return canvas.image().scaled(canvas.image().size() * k, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
}

void paintEntry(QPainter& painter, const Library& library, int n, const QRectF& target) {
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / SurfaceSize, target.height() / SurfaceSize);
    painter.setClipRect(QRectF(0, 0, SurfaceSize, SurfaceSize));
    PainterCanvas canvas(painter, PrintedPenWidth);
    drawEntities(canvas, library, n);
    painter.restore();
}

void paintPatternAlongLine(QPainter& painter, const Library& library, int n, const QRectF& target,
                           int repeats) {
    constexpr int Repeat = AreaMax - AreaMin;
    constexpr int BaseLine = SurfaceSize / 2;
    const double scale = target.width() / (Repeat * repeats);
    painter.save();
    painter.setClipRect(target);
    painter.translate(target.left(), target.center().y());
    painter.scale(scale, scale);
    painter.translate(-AreaMin, -BaseLine);
    PainterCanvas canvas(painter, PrintedPenWidth);
    const int drawn = library.entry(n).singlePattern() != 0 ? 1 : repeats;
    for (int k = 0; k < drawn; ++k) {
        drawEntities(canvas, library, n);
        painter.translate(Repeat, 0);
    }
    painter.restore();
}

QByteArray patternAlongLineSvg(const Library& library, int n, int repeats) {
    constexpr int Repeat = AreaMax - AreaMin;
    constexpr int Band = 120;  // surface pixels about the base line
    SvgCanvas canvas;
    drawEntities(canvas, library, n);
    const int drawn = library.entry(n).singlePattern() != 0 ? 1 : repeats;
    QByteArray groups;
    for (int k = 0; k < drawn; ++k) {
        groups += "<g transform=\"translate(" + QByteArray::number(k * Repeat) + " 0)\">\n" +
                  canvas.elements() + "</g>\n";
    }
    const QByteArray box = QByteArray::number(AreaMin) + ' ' +
                           QByteArray::number(SurfaceSize / 2 - Band / 2) + ' ' +
                           QByteArray::number(Repeat * repeats) + ' ' + QByteArray::number(Band);
    return "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"" + box +
           "\" stroke-width=\"1\" stroke-linecap=\"square\">\n" + groups + "</svg>\n";
}

QByteArray entrySvg(const Library& library, int n, int scale) {
    SvgCanvas canvas;
    drawEntities(canvas, library, n);
    const QByteArray size = QByteArray::number(SurfaceSize * std::clamp(scale, 1, MaxPictureScale));
    const QString title = QString::fromStdString(cp1252ToUtf8(library.entry(n).name.view()));
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
           size + "\" height=\"" + size +
           "\" viewBox=\"0 0 310 310\" stroke-width=\"1\" stroke-linecap=\"square\">\n<title>" +
           title.toHtmlEscaped().toUtf8() + "</title>\n" + canvas.elements() + "</svg>\n";
}

QImage entryListPicture(const LibraryEntry& header, const EntityArray& entities, LibraryKind kind,
                        int size) {
    const auto state = std::make_unique<EditorState>();
    state->library.libraryKind = kind;
    state->work.workEntry = header;
    state->work.workEntities = entities;
    state->work.workEntityCount = countEntities(entities);
    QtCanvas canvas;
    drawWorkEntry(*state, canvas, 0);

    // Each surface pixel falls into one picture pixel; the one most unlike the empty drawing
    // area wins.
    const int side = std::clamp(size, 1, SurfaceSize);
    std::array<int, SurfaceSize> cell{};
    for (int i = 0; i < SurfaceSize; ++i) {
        cell[static_cast<size_t>(i)] = i * side / SurfaceSize;
    }
    std::vector<int> strongest(static_cast<size_t>(side * side), 0);
    QImage picture(side, side, QImage::Format_RGB32);
    picture.fill(qRgb(Silver.r, Silver.g, Silver.b));
    const QImage& drawn = canvas.image();
    const QImage& empty = emptyDrawing();
    for (int y = 0; y < SurfaceSize; ++y) {
        const int py = cell[static_cast<size_t>(y)];
        const auto* ink = reinterpret_cast<const QRgb*>(drawn.constScanLine(y));
        const auto* plain = reinterpret_cast<const QRgb*>(empty.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(picture.scanLine(py));
        int* best = strongest.data() + static_cast<ptrdiff_t>(py) * side;
        for (int x = 0; x < SurfaceSize; ++x) {
            if (ink[x] == plain[x]) {
                continue;
            }
            const int px = cell[static_cast<size_t>(x)];
            const int d = difference(ink[x], plain[x]);
            if (d > best[px]) {
                best[px] = d;
                out[px] = ink[x];
            }
        }
    }
    return picture;
}

QString entryPictureFileName(const Library& library, int n, const QString& extension) {
    QString name = QStringLiteral("%1-").arg(n, 3, 10, QLatin1Char('0'));
    for (const char c : library.entry(n).name.view()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += plain ? QLatin1Char(c) : QLatin1Char('_');
    }
    return name + QLatin1Char('.') + extension;
}
