#include "app/edit_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLayout>
#include <QLocale>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QTimer>
#include <QWindow>

#include "app/auto_size_form.h"
#include "app/command_line.h"
#include "app/dialog_placement.h"
#include "app/disk_change_question.h"
#include "app/entry_arrangement_commands.h"
#include "app/entry_list.h"
#include "app/fit_to_contents.h"
#include "app/form_texts.h"
#include "app/help_window.h"
#include "app/library_commands.h"
#include "app/library_file_dialog.h"
#include "app/library_io.h"
#include "app/numbered_text.h"
#include "display/palette.h"
#include "display/primitives.h"
#include "editing/clipboard.h"
#include "editing/colours.h"
#include "editing/command_enabling.h"
#include "editing/drawing_tools.h"
#include "editing/entry_session.h"
#include "editing/redraw.h"
#include "editing/selection.h"
#include "platform/ini_settings_store.h"
#include "platform/program_images.h"
#include "platform/qt_translations.h"
#include "platform/strings_module.h"

namespace {

constexpr int SymbolsInLibraryString = 42;
constexpr int LineTypesInLibraryString = 107;
constexpr int MainWindowHelpContext = 1;
constexpr int EntryListGap = 14;
constexpr int MaxMapWaitMs = 1000;
constexpr int MapWaitStepMs = 20;
// What else panel 0 shows: the drawing tools' prompts and "Library saved".
constexpr int StatusPanelStrings[] = {24, 25, 26, 27, 28, 34};

}  // namespace

TEditForm::TEditForm(EditFormOptions options, StringTable& strings, TextClipboard& clipboard,
                     QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      strings_(strings),
      ui_(*this, commands_, widgets_),
      ctx_{state_, canvas_, ui_, strings_, clipboard, editSignals_},
      settings_(options_.settings ? options_.settings : createHostSettingsStore()),
      startupChoice_(chooseLibrary(options_.argument,
                                   [](const std::string& name) {
                                       return QFileInfo(QString::fromStdString(name)).isFile();
                                   })),
      recovery_(state_.library, state_.work, [this] { return libraryWatch_.knownStamp(); }),
      startupRecovery_(
          findStartupRecovery(startupChoice_.kind, recoveryLookupName(options_.argument))) {
    // A large library takes as long to read as the window takes to build: both at once. Not
    // while a recovery copy of it waits for the user's answer, which comes before any read.
    if (!startupChoice_.fileName.empty() && !startupRecovery_.orphan) {
        preRead_ = std::make_unique<LibraryPreRead>(startupChoice_.fileName, startupChoice_.kind);
    }
    setObjectName("TEditForm");
    setWindowIcon(QIcon(QPixmap::fromImage(programImage(ProgramImage::WindowIcon))));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    auto* client = new QWidget(this);
    client->setObjectName("ClientArea");
    setCentralWidget(client);
    commands_ = buildFormCommands(*menuBar(), *this);
    viewMenu_ = buildViewMenu(*menuBar(), commands_.MainMenu_Symbol->menuAction(), *this);
    widgets_ = buildEditFormWidgets(*client, commands_);
    rememberDesignedGeometry(*client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    applyFontSizeAdjustment(*client, options_.fontSizeAdjustment);
    fitToTexts();
    widgets_.symBox->setRaster(&canvas_.image());
    entryList_ = new EntryListView(
        *widgets_.SymbList, *widgets_.SymbFilter, state_.library,
        [this](int from, int to) { moveEntryInList(*this, from, to); }, this);
    FormCreate();
    addRecoveryCommands();
    connectHandlers();
    connectZoom();
    connectListPictures();
    createPanels();
    widgets_.SymbList->setFocus();
}

TEditForm::~TEditForm() = default;

// The dialogs are made when first used, to keep them out of the start-up: a file dialog alone
// costs more than the rest of the window.
TAboutFrm& TEditForm::aboutBox() {
    if (aboutBox_ == nullptr) {
        aboutBox_ = new TAboutFrm(strings_, QCoreApplication::applicationFilePath(), this);
        applyFontSizeAdjustment(*aboutBox_, options_.fontSizeAdjustment);
    }
    return *aboutBox_;
}

LibraryFileDialog& TEditForm::openDialog() {
    if (OpenDialog1 == nullptr) {
        OpenDialog1 = new LibraryFileDialog(this, strings_, QFileDialog::AcceptOpen, "OpenDialog1");
    }
    return *OpenDialog1;
}

LibraryFileDialog& TEditForm::saveDialog() {
    if (SaveDialog1 == nullptr) {
        SaveDialog1 = new LibraryFileDialog(this, strings_, QFileDialog::AcceptSave, "SaveDialog1");
    }
    return *SaveDialog1;
}

void TEditForm::FormCreate() {
    fontCharset_ = charsetForCodePage(systemAnsiCodePage());
}

void TEditForm::connectHandlers() {
    centralWidget()->installEventFilter(this);
    centralWidget()->setMouseTracking(true);
    for (QToolButton* button : {widgets_.tbSelectBtn, widgets_.tbArcBtn, widgets_.tbLineBtn,
                                widgets_.tbUndoBtn, widgets_.tbRedoBtn}) {
        button->installEventFilter(this);
    }
    for (ColourBox* box : widgets_.colourBoxes) {
        box->installEventFilter(this);
    }
    widgets_.ColourDisplayBox->installEventFilter(this);

    connect(widgets_.SymbList, &QListWidget::currentRowChanged, this, &TEditForm::SymbListClick);
    // The list grows to its widest name.
    const QAbstractItemModel* names = widgets_.SymbList->model();
    connect(names, &QAbstractItemModel::rowsInserted, this, &TEditForm::fitToTexts);
    connect(names, &QAbstractItemModel::rowsRemoved, this, &TEditForm::fitToTexts);
    connect(names, &QAbstractItemModel::dataChanged, this, &TEditForm::fitToTexts);
    connect(commands_.action(Command::HelpMenu_About), &QAction::triggered, this,
            &TEditForm::HelpMenu_AboutClick);
    connect(commands_.action(Command::HelpMenu_HelpTopics), &QAction::triggered, this,
            &TEditForm::HelpMenu_HelpTopicsClick);
    // Help for any part of the window, a highlighted menu item included, is the contents page.
    auto* help = new QShortcut(QKeySequence::HelpContents, this);
    connect(help, &QShortcut::activated, this, &TEditForm::HelpMenu_HelpTopicsClick);
    for (QMenu* menu : {commands_.MainMenu_File, commands_.MainMenu_Edit, commands_.MainMenu_Draw,
                        commands_.MainMenu_Symbol, commands_.MainMenu_LineType,
                        commands_.MainMenu_Help, commands_.mnuPopup}) {
        menu->installEventFilter(this);
    }
    connectEditingHandlers();
    connectClipboardAndKeyboard();
    connectLibraryHandlers();
    connectTransformHandlers();
    connectEntryArrangement();
}

void TEditForm::Form_Load() {
    if (loaded_) {
        return;
    }
    loaded_ = true;
    EditorState& s = state_;
    using C = Command;

    // 1, 2: the strings module with Qt's texts and the help book in its language, and the
    // cursor shapes.
    useStringsModule(loadStringsModule(options_.stringsModuleFolders));
    ui_.setGrabCursor(constCursor());

    // 3 to 5: what cannot be used before a library is read.
    for (C command : {C::MainMenu_Edit, C::MainMenu_Draw, C::tbArcBtn, C::tbLineBtn, C::tbUndoBtn,
                      C::tbRedoBtn}) {
        ui_.setEnabled(command, false);
    }
    clearSelection(ctx_);
    updatePasteEnabled(ctx_);

    // 6 to 10: hints, the hint display, captions and help contexts.
    setMenuHints(commands_, strings_);
    setButtonHints(commands_, widgets_, strings_);
    hintsInstalled_ = true;
    setMenuCaptions(commands_, strings_);
    setViewMenuTexts(viewMenu_, strings_);
    setPanelTexts();
    emit stringsLoaded();
    setHelpContexts(commands_);
    setRecoveryCommandTexts();
    widgets_.SymbFilter->setPlaceholderText(numberedText(strings_, 366));
    widgets_.SymbFilter->setToolTip(numberedText(strings_, 378));
    setProperty("helpContext", MainWindowHelpContext);

    // 11 to 13: the kind of library, from the command line, and what the window shows for it.
    const StartupChoice& choice = startupChoice_;
    s.library.libraryKind = choice.kind;
    s.library.libraryFileName = choice.fileName;
    setWindowIconText(QString::fromStdString(kindTitle(strings_, choice.kind)));
    setUpForKind(choice.kind);

    // 14 to 19: the edit state.
    s.work.workEntry.originX = 155;
    s.work.workEntry.originY = 155;
    s.snapToGrid = true;
    SetColourSamplePen(ctx_, PaletteColour(1, true));
    s.currentColour = 1;
    widgets_.symBox->setGeometry(0, 0, SurfaceSize * zoom_, SurfaceSize * zoom_);
    s.library.entryCount = 0;
    s.library.currentEntry = 0;
    s.library.entryModified = false;
    s.library.libraryModified = false;
    const int listX = widgets_.DispBox->x() + widgets_.DispBox->width() + EntryListGap;
    widgets_.SymbList->move(listX, widgets_.SymbList->y());
    widgets_.SymbolsLabel->move(listX, widgets_.SymbolsLabel->y());
    widgets_.SymbFilter->move(listX, widgets_.SymbFilter->y());
    s.pointerState = PointerState::SelectIdle;
    ui_.setCursor(CursorShape::Arrow);
    s.undoCount = 0;
    s.redoCount = 0;
    s.lastPoint = {};

    // 20: Qt's hints already take the system's tooltip colours.
    // 21, 22: the Select tool, and nothing to select yet.
    ui_.setChecked(C::tbSelectBtn, true);
    setCutCopyDeleteEnabled(ui_, false);
    setSelectCommandsEnabled(ui_, false);

    // 23 to 25: the library, the empty grid, then the file named on the command line.
    // The file named on the command line comes with storage of its own, read meanwhile.
    std::optional<LibraryRead> read;
    if (preRead_) {
        read = preRead_->take();
        preRead_.reset();
        s.library = std::move(read->library);
    } else {
        allocateLibrary(s.library);
    }
    DrawGrid(canvas_);
    ui_.invalidateDrawing();
    if (read) {
        showLibraryRead(*this, s.library.libraryFileName, read->result);
        s.library.libraryModified = false;
    }
    const bool restored = offerStartupRecovery(*this, startupRecovery_);
    startupRecovery_ = {};
    if (!read && !restored && !choice.fileName.empty()) {
        readLibrary(*this, choice.fileName);
        s.library.libraryModified = false;
    }
    fitToTexts();
    restoreView();
}

void TEditForm::fitToTexts() {
    QStringList statusTexts;
    for (const QAction* action : findChildren<QAction*>()) {
        statusTexts << action->statusTip();
    }
    for (int prompt : StatusPanelStrings) {
        statusTexts << numberedText(strings_, prompt);
    }
    const int pictureSide = entryList_ ? static_cast<int>(entryList_->pictures()) : 0;
    fitEditFormToTexts(*centralWidget(), widgets_, statusTexts, pictureSide);
    // The fitted form is the one the zoom grows.
    keepClassicGeometry();
    layOutForZoom();
}

void TEditForm::useStringsModule(std::optional<StringsModule> module) {
    helpBookFolders_ = QStringList{options_.helpBook};
    if (!module) {
        strings_.setStringsModule(std::nullopt);
        return;
    }
    const QString folder = module->folder;
    strings_.setStringsModule(std::move(module->texts));
    const QString language = numberedText(strings_, LanguageString);
    if (loadQtTranslations(qtTexts_, language)) {
        QCoreApplication::installTranslator(&qtTexts_);
        // Dates in the program's own lists too (the file dialogs follow the system's locale).
        QLocale::setDefault(QLocale(language));
    }
    helpBookFolders_.prepend(QDir(folder).filePath(translatedHelpBookFolder(language)));
}

void TEditForm::showAndLoad() {
    show();
    QElapsedTimer waited;
    waited.start();
    QTimer wakeUp;  // so that the wait for events ends even when none comes
    wakeUp.start(MapWaitStepMs);
    while (!loaded_ && !windowHandle()->isExposed() && waited.elapsed() < MaxMapWaitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    Form_Load();
}

void TEditForm::setUpForKind(LibraryKind kind) {
    using C = Command;
    const bool lineTypes = kind == LibraryKind::LineType;
    ui_.setCaption(kindTitle(strings_, kind));
    widgets_.SymbolsLabel->setText(QString::fromStdString(
        strings_.loadText(lineTypes ? LineTypesInLibraryString : SymbolsInLibraryString)));
    commands_.action(C::MainMenu_Symbol)->setVisible(!lineTypes);
    commands_.action(C::MainMenu_LineType)->setVisible(lineTypes);
    if (lineTypes) {
        ui_.setEnabled(C::LTMenu_Delete, false);
        ui_.setEnabled(C::LTMenu_Settings, false);
    } else {
        for (C command : {C::SymbolMenu_Delete, C::SymbolMenu_Settings, C::SymbolMenu_ShowClipRad,
                          C::SymbolMenu_ShowSizeRad}) {
            ui_.setEnabled(command, false);
        }
    }
    widgets_.LeftLnIndex->setVisible(lineTypes);
    widgets_.RightLnIndex->setVisible(lineTypes);
}

void TEditForm::SymbListClick() {
    const Library& library = state_.library;
    const int row = widgets_.SymbList->currentRow();
    if (row < 0 || row + 1 > library.entryCount || row + 1 == library.currentEntry) {
        return;
    }
    leaveCurrentEntry(ctx_);
    switchToEntry(ctx_, row + 1);
}

void TEditForm::HelpMenu_AboutClick() {
    showAboutBox(aboutBox(), *this);
}

void TEditForm::HelpMenu_HelpTopicsClick() {
    if (options_.showHelpContents) {
        options_.showHelpContents();
    } else {
        showHelp(HelpContentsContext);
    }
}

HelpWindow& TEditForm::helpWindow() {
    QWidget* owner = QApplication::activeModalWidget();
    if (owner == nullptr) {
        owner = this;
    }
    if (helpWindow_ == nullptr) {
        helpWindow_ = new HelpWindow(strings_, helpBookFolders_, owner);
        applyFontSizeAdjustment(*helpWindow_, options_.fontSizeAdjustment);
    } else if (helpWindow_->parentWidget() != owner) {
        helpWindow_->setParent(owner, helpWindow_->windowFlags());
    }
    return *helpWindow_;
}

void TEditForm::showHelp(int context) {
    if (options_.showHelpContext) {
        options_.showHelpContext(context);
    } else {
        HelpWindow& help = helpWindow();
        if (!help.isVisible()) {
            placeCentredOver(help, *help.parentWidget());
        }
        help.showTopic(helpTopic(context));
    }
}

void TEditForm::FormClose() {
    if (closed_) {
        return;
    }
    closed_ = true;
    // Whatever was not saved by now, the user chose not to keep.
    recovery_.discard();
    rememberPanels();
    releaseLibrary(state_.library);
    // A strings module is a table read into memory; letting it go cannot fail.
    strings_.releaseStringsModule();
}

bool TEditForm::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::WindowActivate:
            Form_Load();
            askAboutLibraryChangedOnDisk(*this);
            break;
        case QEvent::StatusTip:
            if (hintsInstalled_) {
                ui_.setStatusText(0, static_cast<QStatusTipEvent*>(event)->tip().toStdString());
            }
            return true;
        default:
            break;
    }
    return QMainWindow::event(event);
}

bool TEditForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && qobject_cast<QMenu*>(watched) != nullptr &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::HelpContents)) {
        HelpMenu_HelpTopicsClick();
        return true;
    }
    if (watched == centralWidget()) {
        if (event->type() == QEvent::MouseMove && loaded_) {
            Form_MouseMove();
        }
    } else if (event->type() == QEvent::Enter && hintsInstalled_) {
        // Buttons and colour boxes have short hints only: their long hint clears panel 0.
        ui_.setStatusText(0, "");
    }
    return QMainWindow::eventFilter(watched, event);
}

void TEditForm::closeEvent(QCloseEvent* event) {
    if (loaded_ && !closed_ && !FormCloseQuery(*this)) {
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}
