#include "platform/entry_picture.h"

#include <algorithm>

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

QImage entryPicture(EditorState& state, int n, int scale) {
    QtCanvas canvas;
    HeadlessEditorUi ui;
    const StringTable strings;
    PrivateClipboard clipboard;
    EditContext ctx{state, canvas, ui, strings, clipboard};
    loadEntry(ctx, n);
    RedrawEntry(ctx, true);
    const int k = std::clamp(scale, 1, MaxPictureScale);
    return canvas.image().scaled(canvas.image().size() * k, Qt::IgnoreAspectRatio,
                                 Qt::FastTransformation);
}

namespace {

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

QString entryPictureFileName(const Library& library, int n, const QString& extension) {
    QString name = QStringLiteral("%1-").arg(n, 3, 10, QLatin1Char('0'));
    for (const char c : library.entry(n).name.view()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += plain ? QLatin1Char(c) : QLatin1Char('_');
    }
    return name + QLatin1Char('.') + extension;
}
