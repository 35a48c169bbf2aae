#include "platform/entry_picture.h"

#include <algorithm>

#include "display/primitives.h"
#include "editing/edit_context.h"
#include "editing/entry_session.h"
#include "editing/redraw.h"
#include "model/cp1252.h"
#include "platform/headless_ports.h"
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

QByteArray entrySvg(const Library& library, int n, int scale) {
    const bool useColours = library.entry(n).useColours != 0;
    SvgCanvas canvas;
    const EntityArray& entities = library.entities(n);
    const int count = countEntities(entities);
    for (int i = 0; i < count; ++i) {
        DrawEntity(canvas, entities[i], useColours, DrawMode::Normal);
    }
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
