#include <QApplication>

#include "app/edit_form.h"
#include "platform/qt_text_clipboard.h"
#include "platform/string_table.h"
#include "platform/strings_module.h"

// glyphwright [library file]
int main(int argc, char** argv) {
    // Whole device pixels per logical pixel keep the drawing area's raster crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);

    StringTable strings;
    QtTextClipboard clipboard;
    EditFormOptions options;
    options.argument = QApplication::arguments().value(1).toStdString();
    options.stringsModuleFolders = stringsModuleFolders();

    TEditForm form(std::move(options), strings, clipboard);
    form.show();
    return QApplication::exec();
}
