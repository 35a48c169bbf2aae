#include <QApplication>

#include "app/edit_form.h"
#include "model/font_size_adjustment.h"
#include "platform/host_probe_factory.h"
#include "platform/ini_settings_store.h"
#include "platform/qt_text_clipboard.h"
#include "platform/string_table.h"
#include "platform/strings_module.h"

// glyphwright [library file]
int main(int argc, char** argv) {
    // Whole device pixels per logical pixel keep the drawing area's raster crisp.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);

    const std::shared_ptr<SettingsStore> settings = createHostSettingsStore();
    StringTable strings;
    QtTextClipboard clipboard;
    EditFormOptions options;
    options.argument = QApplication::arguments().value(1).toStdString();
    options.stringsModuleFolders = stringsModuleFolders();
    options.fontSizeAdjustment = readFontSizeAdjustment(*settings);
    const std::unique_ptr<HostProbe> hostProbe = createHostProbe();
    options.hostIsRunning = [&hostProbe] { return hostIsRunning(*hostProbe); };
    options.settings = settings;
    options.previewOnFirstRun = true;

    TEditForm form(std::move(options), strings, clipboard);
    // Without a window manager the window is never activated; the start-up runs only once.
    form.showAndLoad();
    return QApplication::exec();
}
