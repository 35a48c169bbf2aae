#include "platform/entry_picture.h"

#include <algorithm>

#include "editing/edit_context.h"
#include "editing/entry_session.h"
#include "editing/redraw.h"
#include "platform/headless_ports.h"
#include "platform/qt_canvas.h"
#include "platform/string_table.h"

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

QString entryPictureFileName(const Library& library, int n, const QString& extension) {
    QString name = QStringLiteral("%1-").arg(n, 3, 10, QLatin1Char('0'));
    for (const char c : library.entry(n).name.view()) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '_';
        name += plain ? QLatin1Char(c) : QLatin1Char('_');
    }
    return name + QLatin1Char('.') + extension;
}
