#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAbstractButton>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QWindow>
#include <functional>

#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"
#include "shell/main_window.h"

// How soon a window's long run answers the user: a cancel, a refusal, the
// main window at start. The window tests check that these happen at all;
// how long they take is measured here.

namespace {

using namespace korrimet;

using Texts = std::vector<std::pair<const char*, const char*>>;

void spin(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

void closeAll() {
    for (QWidget* open : ToolRegistry::instance().openWindows()) open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Opens the window with `texts` and presses `button`; `meanwhile` acts on
// the running window. Returns the milliseconds from `meanwhile`'s end to the
// outcome shown.
double toOutcome(const char* windowClass, const Texts& texts, const char* button,
                 const std::function<void(QWidget*)>& meanwhile) {
    QWidget* w = OpenTool(QString::fromUtf8(windowClass));
    for (const auto& [name, text] : texts) w->findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
    bool ended = false;
    QObject::connect(w->findChild<WindowRun*>(), &WindowRun::finished, w, [&] { ended = true; });
    w->findChild<QAbstractButton*>(button)->click();
    meanwhile(w);
    QElapsedTimer clock;
    clock.start();
    while (!ended) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    closeAll();
    return ms;
}

// From a cancel, `afterMs` into a run, until the cancel is shown.
void cancelLatency(benchmark::State& state, const char* windowClass, const Texts& texts, const char* button,
                   int afterMs) {
    MessageRecorder messages;
    double ms = 0;
    for (auto _ : state) {
        ms = toOutcome(windowClass, texts, button, [afterMs](QWidget* w) {
            spin(afterMs);
            w->findChild<WindowRun*>()->cancel();  // as Esc does
        });
    }
    if (messages.messages().value(0) != kRunCancelledMessage) state.SkipWithError("the run was not cancelled");
    state.counters["cancel_to_outcome_ms"] = ms;
}

// From the press until a grid that cannot be written is refused.
void refusalLatency(benchmark::State& state, const char* windowClass, const Texts& texts, const char* button) {
    MessageRecorder messages;
    double ms = 0;
    for (auto _ : state) ms = toOutcome(windowClass, texts, button, [](QWidget*) {});
    if (messages.messages().size() != static_cast<qsizetype>(state.iterations()))
        state.SkipWithError("the grid was not refused");
    state.counters["press_to_refusal_ms"] = ms;
}

const Texts kRiver2Square{{"Text12", "2598"}, {"Text14", "1"}, {"Text13", "2587"}, {"Text15", "1"}};

void BM_River2GridCancel(benchmark::State& s) { cancelLatency(s, "二维稳态混合模式_河2", kRiver2Square, "Command2", 40); }
void BM_ThomasTableCancel(benchmark::State& s) {
    cancelLatency(s, "托马斯模式_河9", {{"Text9", "100000"}, {"Text8", "1"}, {"Text5", "1"}}, "Command1", 20);
}
// Cells of "200000.xxxx" make three million rows too large for the file.
void BM_River2WideCellsRefused(benchmark::State& s) {
    refusalLatency(s, "二维稳态混合模式_河2",
                   {{"Text1", "200000"}, {"Text12", "3000000"}, {"Text14", "1"}, {"Text13", "0"}, {"Text15", "1"}},
                   "Command2");
}
BENCHMARK(BM_River2GridCancel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_ThomasTableCancel)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
BENCHMARK(BM_River2WideCellsRefused)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// The main window built and shown, as at the program's start.
void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        MainWindow w;
        w.show();
        while (!w.windowHandle() || !w.windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace
