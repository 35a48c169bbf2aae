// Start-up of the editor on a library, from starting the process to the first painted frame of
// the drawing area, against a process that shows an empty window with the same widgets:
// startup_bench LIBRARY [benchmark flags]. Each iteration starts a new process of this
// program under the offscreen platform, so both figures include loading Qt, its plugins and
// fonts; the peak resident memory of the processes is reported beside the time. Make the
// largest library with codec_bench --write=FILE.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/edit_form.h"
#include "app/edit_form_layout.h"
#include "app/form_commands.h"
#include "app/sym_box.h"
#include "platform/ini_settings_store.h"
#include "platform/qt_text_clipboard.h"
#include "platform/string_table.h"
#include "platform/strings_module.h"

extern char** environ;

namespace {

constexpr const char* ChildFlag = "--first-frame-of";
std::string libraryFile;

// Notes the first paint of the widget it watches.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(QWidget& widget) { widget.installEventFilter(this); }
    // Runs the event loop until the widget has been painted once.
    void await() {
        while (!painted_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        painted_ = painted_ || event->type() == QEvent::Paint;
        return QObject::eventFilter(watched, event);
    }

  private:
    bool painted_ = false;
};

// The editor as the program starts it, on the library named.
void showEditorUpToTheFirstFrame(const std::string& library) {
    const std::shared_ptr<SettingsStore> settings = createHostSettingsStore();
    StringTable strings;
    QtTextClipboard clipboard;
    EditFormOptions options;
    options.argument = library;
    options.stringsModuleFolders = stringsModuleFolders();
    options.settings = settings;
    TEditForm form(std::move(options), strings, clipboard);
    FirstPaint painted(*form.widgets().symBox);
    form.show();
    form.Form_Load();
    painted.await();
    std::_Exit(0);  // closing is no part of the start-up
}

void showEmptyWindowUpToTheFirstFrame() {
    QMainWindow window;
    auto* client = new QWidget(&window);
    window.setCentralWidget(client);
    const FormCommands commands = buildFormCommands(*window.menuBar(), window);
    const EditFormWidgets widgets = buildEditFormWidgets(*client, commands);
    FirstPaint painted(*widgets.symBox);
    window.show();
    painted.await();
    std::_Exit(0);
}

int runChild(int argc, char** argv) {
    // The offscreen platform warns on every window it shows.
    qputenv("QT_LOGGING_RULES", "default.warning=false");
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
    QApplication application(argc, argv);
    if (argc > 3 && std::strcmp(argv[2], "editor") == 0) {
        showEditorUpToTheFirstFrame(argv[3]);
    }
    showEmptyWindowUpToTheFirstFrame();
    return 0;
}

// Starts this program as a child that shows one window, and waits for it to end.
void timeChildStartUps(benchmark::State& state, const std::string& what) {
    std::string self = "/proc/self/exe";
    std::string flag = ChildFlag;
    std::string kind = what;
    char* args[] = {self.data(), flag.data(), kind.data(), libraryFile.data(), nullptr};
    long peakKilobytes = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, "/proc/self/exe", nullptr, nullptr, args, environ) != 0) {
            state.SkipWithError("the child process could not be started");
            return;
        }
        int status = 0;
        rusage usage{};
        wait4(child, &status, 0, &usage);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the child process failed");
            return;
        }
        state.SetIterationTime(elapsed.count());
        peakKilobytes = std::max(peakKilobytes, usage.ru_maxrss);
    }
    state.counters["peak_rss_MB"] = static_cast<double>(peakKilobytes) / 1024.0;
}

void BM_EditorStartUpToTheFirstFrame(benchmark::State& state) {
    timeChildStartUps(state, "editor");
}
BENCHMARK(BM_EditorStartUpToTheFirstFrame)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_EmptyWindowWithTheSameWidgetsToTheFirstFrame(benchmark::State& state) {
    timeChildStartUps(state, "empty");
}
BENCHMARK(BM_EmptyWindowWithTheSameWidgetsToTheFirstFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && std::strcmp(argv[1], ChildFlag) == 0) {
        return runChild(argc, argv);
    }
    if (argc < 2 || argv[1][0] == '-') {
        std::fputs("usage: startup_bench LIBRARY [benchmark flags]\n", stderr);
        return 64;
    }
    libraryFile = argv[1];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
