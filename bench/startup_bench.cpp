// Start-up of the editor on a library, up to the first painted frame of the drawing area,
// against an empty window with the same widgets: startup_bench LIBRARY [benchmark flags].
// Runs under the offscreen platform; make the largest library with codec_bench --write=FILE.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <cstdio>
#include <memory>
#include <string>

#include "app/edit_form.h"
#include "app/edit_form_layout.h"
#include "app/form_commands.h"
#include "app/sym_box.h"
#include "platform/headless_ports.h"
#include "platform/string_table.h"

namespace {

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

void BM_EditorStartUpToTheFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto strings = std::make_unique<StringTable>();
        PrivateClipboard clipboard;
        EditFormOptions options;
        options.argument = libraryFile;
        auto form = std::make_unique<TEditForm>(std::move(options), *strings, clipboard);
        FirstPaint painted(*form->widgets().symBox);
        form->show();
        form->Form_Load();
        painted.await();
        state.PauseTiming();  // closing is no part of the start-up
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EditorStartUpToTheFirstFrame)->Unit(benchmark::kMillisecond);

void BM_EmptyWindowWithTheSameWidgetsToTheFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        auto window = std::make_unique<QMainWindow>();
        auto* client = new QWidget(window.get());
        window->setCentralWidget(client);
        const FormCommands commands = buildFormCommands(*window->menuBar(), *window);
        const EditFormWidgets widgets = buildEditFormWidgets(*client, commands);
        FirstPaint painted(*widgets.symBox);
        window->show();
        painted.await();
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_EmptyWindowWithTheSameWidgetsToTheFirstFrame)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc < 2 || argv[1][0] == '-') {
        std::fputs("usage: startup_bench LIBRARY [benchmark flags]\n", stderr);
        return 64;
    }
    libraryFile = argv[1];
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
