#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include "app/edit_form.h"
#include "edit_form_fixture.h"
#include "platform/headless_ports.h"

inline const QString TranslationsFolder =
    QStringLiteral(GLYPH_SOURCE_DIR "/resources/translations");

// A main window on a library (three symbols unless given), with a shipped strings module
// beside it (none: the built-in English texts), its font grown by the adjustment, and help
// shown in its own window.
struct LanguageRun {
    explicit LanguageRun(const QString& language, int fontSizeAdjustment = 0,
                         const QByteArray& libraryText = ThreeSymbols) {
        if (!language.isEmpty()) {
            EXPECT_TRUE(QFile::copy(QDir(TranslationsFolder).filePath(language + "/GLYDSTRS.txt"),
                                    folder.filePath("GLYDSTRS.txt")));
        }
        QFile library(folder.filePath("library.sym"));
        EXPECT_TRUE(library.open(QIODevice::WriteOnly));
        library.write(libraryText);
        library.close();
        qputenv("GLYPHWRIGHT_USER_SETTINGS", folder.filePath("user.ini").toLocal8Bit());
        qputenv("GLYPHWRIGHT_MACHINE_SETTINGS", folder.filePath("machine.ini").toLocal8Bit());
        qputenv("GLYPHWRIGHT_PROGRAM_SETTINGS", folder.filePath("program.ini").toLocal8Bit());
        qputenv("GLYPHWRIGHT_DATA_DIR", folder.filePath("data").toLocal8Bit());
        EditFormOptions options;
        options.argument = library.fileName().toStdString();
        options.stringsModuleFolders = {folder.path()};
        options.fontSizeAdjustment = fontSizeAdjustment;
        options.helpBook = InstalledHelpBook;
        form = std::make_unique<TEditForm>(std::move(options), strings, clipboard);
        form->show();
        form->Form_Load();
    }

    std::vector<QMenu*> menus() const {
        std::vector<QMenu*> all{form->commands().mnuPopup};
        for (QAction* title : form->menuBar()->actions()) {
            all.push_back(title->menu());
        }
        return all;
    }

    QTemporaryDir folder;
    StringTable strings;
    PrivateClipboard clipboard;
    std::unique_ptr<TEditForm> form;
};
