#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "app/edit_form.h"
#include "platform/headless_ports.h"

// The help book as the build installs it beside the programs.
inline const QString InstalledHelpBook = QStringLiteral(GLYPH_BINARY_DIR "/bin/help");

// A main window started as the program starts it, with its own folder for library files,
// strings modules, the host's settings files (user.ini and machine.ini, none until a test
// writes them) and the program's data folder (data/), and the built-in strings unless a test puts a
// module there. The host runs while hostRunning_ is set; help pages asked for are recorded instead
// of opened, unless recordHelp_ is cleared.
class EditFormTest : public ::testing::Test {
  protected:
    std::string path(const QString& name) const { return folder_.filePath(name).toStdString(); }

    std::string writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName().toStdString();
    }

    void writeStringsModule(const QByteArray& table) const { writeFile("GLYDSTRS.txt", table); }

    // Creates, shows and starts the window as the command line argument says.
    TEditForm& start(const std::string& argument = {}) {
        EditFormOptions options;
        options.argument = argument;
        options.stringsModuleFolders = {folder_.path()};
        options.helpBook = InstalledHelpBook;
        options.hostIsRunning = [this] { return hostRunning_; };
        if (recordHelp_) {
            options.showHelpContext = [this](int context) { helpShown_.push_back(context); };
        }
        options.previewOnFirstRun = previewOnFirstRun_;
        qputenv("GLYPHWRIGHT_USER_SETTINGS", folder_.filePath("user.ini").toLocal8Bit());
        qputenv("GLYPHWRIGHT_MACHINE_SETTINGS", folder_.filePath("machine.ini").toLocal8Bit());
        qputenv("GLYPHWRIGHT_PROGRAM_SETTINGS", folder_.filePath("program.ini").toLocal8Bit());
        qputenv("GLYPHWRIGHT_DATA_DIR", folder_.filePath("data").toLocal8Bit());
        form_ = std::make_unique<TEditForm>(std::move(options), strings_, clipboard_);
        form_->show();
        form_->Form_Load();
        return *form_;
    }

    TEditForm& form() { return *form_; }
    QAction* action(Command command) { return form_->commands().action(command); }
    bool enabled(Command command) { return action(command)->isEnabled(); }
    std::string panelText(int panel) {
        return form_->widgets().statusPanels[static_cast<size_t>(panel)]->text().toStdString();
    }

    QTemporaryDir folder_;
    bool hostRunning_ = false;
    bool recordHelp_ = true;          // false: help opens in the help window
    bool previewOnFirstRun_ = false;  // as the program starts; tests see the classic window
    std::vector<int> helpShown_;
    StringTable strings_;
    PrivateClipboard clipboard_;
    std::unique_ptr<TEditForm> form_;
};

// A symbol library of three entries in the current layout.
inline const QByteArray ThreeSymbols =
    "Veltrax Sym/Ltype File Version 1.0\r\n"
    "S Tree\r\n"
    "P    100   100     0    20     1\r\n"
    "L      2    90    80   110    80\r\n"
    "A      3    90    80   110    80   100    80     1\r\n"
    "E\r\n"
    "S Well\r\n"
    "P    100   100     0    20     0\r\n"
    "L      1    80    80   120   120\r\n"
    "E\r\n"
    "S Caf\xe9\r\n"
    "P    100   100     0    20     1\r\n"
    "E\r\n";
