#pragma once

#include <QDockWidget>
#include <QMainWindow>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/about_form.h"
#include "app/character_set.h"
#include "app/command_line.h"
#include "app/edit_form_layout.h"
#include "app/edit_signals.h"
#include "app/form_commands.h"
#include "app/qt_editor_ui.h"
#include "app/recovery_commands.h"
#include "app/view_menu.h"
#include "editing/edit_context.h"
#include "editing/editor_state.h"
#include "editing/text_clipboard.h"
#include "model/settings_store.h"
#include "platform/file_change_watch.h"
#include "platform/help_book.h"
#include "platform/library_pre_read.h"
#include "platform/qt_canvas.h"
#include "platform/recovery_keeper.h"
#include "platform/string_table.h"
#include "platform/strings_module.h"

class EntryDialog;
class EntryListView;
enum class ListPictures;
class ProblemsPanel;
class HelpWindow;
class LibraryFileDialog;
class ScaleDialog;

// What the main window is started with.
struct EditFormOptions {
    std::string argument;              // the first command-line argument, empty when none
    QStringList stringsModuleFolders;  // where the strings module is looked for
    int fontSizeAdjustment = 0;        // read once for the run
    // Whether the host has a project open; asked before every save.
    std::function<bool()> hostIsRunning = [] { return false; };
    // The help book's folder.
    QString helpBook = helpBookFolder();
    // Shows the help book's contents and index page; when none is given, the help window.
    std::function<void()> showHelpContents;
    // Opens the help book at a context number (the entry dialogs' pages); when none is given,
    // the help window.
    std::function<void(int)> showHelpContext;
    // The host's settings, where its default libraries are recorded; when none is given, the
    // store the README describes (createHostSettingsStore).
    std::shared_ptr<SettingsStore> settings;
    // Shows the Preview panel when no layout of the panels has been remembered yet.
    bool previewOnFirstRun = false;
};

// The main window: the one library, its entry list, the drawing area and every command.
// It owns the edit state; its event handlers carry the names of the form's components.
class TEditForm : public QMainWindow {
    Q_OBJECT
  public:
    TEditForm(EditFormOptions options, StringTable& strings, TextClipboard& clipboard,
              QWidget* parent = nullptr);
    ~TEditForm() override;

    // The start-up sequence; runs once, at the first activation (or when called first).
    void Form_Load();
    // Shows the window, then runs the start-up once the window system has shown it (waiting a
    // second at most), so that the warnings of the start-up come centred over it.
    void showAndLoad();

    EditorState& state() { return state_; }
    EditContext& context() { return ctx_; }
    QtEditorUi& ui() { return ui_; }
    const FormCommands& commands() const { return commands_; }
    const ViewMenu& viewMenu() const { return viewMenu_; }
    // What changed in the edit state, as Qt signals for the panels.
    const EditSignals& editSignals() const { return editSignals_; }
    const EditFormWidgets& widgets() const { return widgets_; }
    const StringTable& strings() const { return strings_; }
    QtCanvas& canvas() { return canvas_; }
    const EditFormOptions& options() const { return options_; }
    FontCharset fontCharset() const { return fontCharset_; }
    SettingsStore& settings() { return *settings_; }
    TAboutFrm& aboutBox();
    LibraryFileDialog& openDialog();
    LibraryFileDialog& saveDialog();
    // TAddSym or TAddLType, whichever the library kind uses.
    EntryDialog& entryDialog();
    ScaleDialog& scaleDialog();
    ProblemsPanel& problemsPanel() { return *problemsPanel_; }
    // The help book's window, owned by the modal dialog that is open, if any, so that it
    // takes input beside it.
    HelpWindow& helpWindow();
    // Shows the help book at the page of a context number; the contents for one without a page.
    void showHelp(int context);
    // The entry list's pictures, filter and dragging.
    EntryListView& entryList() { return *entryList_; }
    // The library file as last read or written, to notice other programs' changes.
    FileChangeWatch& libraryWatch() { return libraryWatch_; }
    // The copy of the unsaved library kept against a crash.
    RecoveryKeeper& recovery() { return recovery_; }

    // Runs handler on the edit state, settles the picture (SettlePicture), then shows what it
    // drew. Every handler of the editing core runs through here, except the pointer's moves
    // and presses, whose XOR feedback runs through runPointerFeedback.
    void runHandler(const std::function<void(EditContext&)>& handler);
    // Runs handler whenever the command's menu item or button is used.
    void connectCommand(Command command, std::function<void(EditContext&)> handler);

    // Adds content as a panel: a dock of the window, hidden until shown from its toggle in the
    // View menu. name identifies it in the remembered layout; the title and the toggle's hint
    // are numbered strings, set when the strings are loaded.
    // The toggle's text is its own string, as it needs an accelerator of the View menu.
    struct PanelTexts {
        int title;
        int toggle;
        int hint;
    };
    QDockWidget* addPanel(QWidget* content, const char* name, PanelTexts texts,
                          Qt::DockWidgetArea area = Qt::RightDockWidgetArea);

    // Shows the drawing area zoom times as large (1..8; others are brought into that range);
    // the window grows or shrinks around it and the drawing scrolls where the screen ends.
    void setZoom(int zoom);
    int zoom() const { return zoom_; }

  signals:
    // The string table is loaded (at start-up): panels set their texts from it.
    void stringsLoaded();

  public slots:
    void SymbListClick();
    void HelpMenu_AboutClick();
    void HelpMenu_HelpTopicsClick();

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void FormCreate();
    void FormClose();
    // Chooses the strings module, and Qt's texts and the help book in its language.
    void useStringsModule(std::optional<StringsModule> module);
    void setUpForKind(LibraryKind kind);
    // Grows the window and its components to their texts (edit_form_layout).
    void fitToTexts();
    void connectHandlers();
    void connectEditingHandlers();
    void connectClipboardAndKeyboard();
    void connectLibraryHandlers();
    void connectTransformHandlers();
    void connectEntryArrangement();
    // View > List Pictures, as the user left it in the last run.
    void connectListPictures();
    void showListPictures(ListPictures pictures);
    // Runs a handler of the File menu or the entry menus whenever the command is used.
    void connectFormCommand(Command command, void (*handler)(TEditForm&));
    void Form_MouseMove();
    void FormPaint();
    void addRecoveryCommands();
    void setRecoveryCommandTexts();
    // Runs a pointer move or press and shows its feedback; the picture settles at the release.
    void runPointerFeedback(const std::function<void(EditContext&)>& handler);
    void createPanels();
    void setPanelTexts();
    void connectZoom();
    void applyZoom(int zoom);
    // Takes the form's present layout as the one at 100 %.
    void keepClassicGeometry();
    void layOutForZoom();
    // The zoom and the panels as the user left them in the last run.
    void restoreView();
    void rememberPanels();
    void placeIndexMarks();

    EditFormOptions options_;
    StringTable& strings_;
    FormCommands commands_;
    ViewMenu viewMenu_;
    EditFormWidgets widgets_;
    QtEditorUi ui_;
    QtCanvas canvas_;
    EditorState state_;
    EditSignals editSignals_;
    EditContext ctx_;
    std::shared_ptr<SettingsStore> settings_;
    StartupChoice startupChoice_;              // from the command line, for the whole run
    std::unique_ptr<LibraryPreRead> preRead_;  // the library file being read until Form_Load
    FileChangeWatch libraryWatch_;
    RecoveryKeeper recovery_;
    StartupRecovery startupRecovery_;  // found before the library is read, offered at Form_Load
    QAction* LibMenu_Recover = nullptr;
    QAction* LibMenu_Versions = nullptr;
    EntryListView* entryList_ = nullptr;
    TAboutFrm* aboutBox_ = nullptr;
    LibraryFileDialog* OpenDialog1 = nullptr;
    LibraryFileDialog* SaveDialog1 = nullptr;
    EntryDialog* AddSym = nullptr;
    EntryDialog* AddLType = nullptr;
    ScaleDialog* scaleDialog_ = nullptr;
    ProblemsPanel* problemsPanel_ = nullptr;
    struct Panel {
        QDockWidget* dock;
        PanelTexts texts;
    };
    std::vector<Panel> panels_;
    QDockWidget* previewDock_ = nullptr;
    // The client area as built, at 100 %: what the zoom grows from.
    struct ClassicGeometry {
        QSize client;
        QRect toolBar, dispBox, leftMark, rightMark, label, filter, list, statusBar;
    };
    ClassicGeometry classic_;
    int zoom_ = 1;
    HelpWindow* helpWindow_ = nullptr;
    QStringList helpBookFolders_;  // a translated book beside the strings module first
    QTranslator qtTexts_;          // Qt's own texts in the strings module's language
    FontCharset fontCharset_ = FontCharset::Default;
    bool loaded_ = false;
    bool hintsInstalled_ = false;
    bool closed_ = false;
};
