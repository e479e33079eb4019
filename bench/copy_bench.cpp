#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAbstractButton>
#include <QClipboard>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>

#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"

// Ctrl+A, Ctrl+C over the largest grid a run shows (river 2, one column of
// 3 M lines): how long the window is held by the keys, the widest gap
// between two turns of its event loop until the text is on the clipboard
// (was 1.1–1.2 s, the whole copy on the window's thread), and the copy's
// whole time. Run in the optimized build: --benchmark_filter=Copy
//
// And the keys a reader presses over those millions of lines (ten pages
// down from the middle, Ctrl+Shift+End, Ctrl+A), each with the repaint it
// causes: only the lines in sight are laid out, so each should cost as on
// a short text. --benchmark_filter=Keys

namespace {

using namespace korrimet;

// Runs the window's grid and returns its viewer with the file read.
ResultFileViewer* largestGrid() {
    QWidget* w = OpenTool(QStringLiteral("二维稳态混合模式_河2"));
    const std::pair<const char*, const char*> texts[] = {
        {"Text12", "3000000"}, {"Text14", "1"}, {"Text13", "0"}, {"Text15", "1"}};
    for (const auto& [box, text] : texts) w->findChild<QLineEdit*>(box)->setText(QString::fromUtf8(text));
    bool ended = false;
    QObject::connect(w->findChild<WindowRun*>(), &WindowRun::finished, w, [&] { ended = true; });
    w->findChild<QAbstractButton*>(QStringLiteral("Command2"))->click();
    while (!ended) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    for (QWidget* open : ToolRegistry::instance().openWindows())
        if (auto* viewer = qobject_cast<ResultFileViewer*>(open)) {
            while (viewer->loading()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
            return viewer;
        }
    return nullptr;
}

void closeWindows() {
    for (QWidget* open : ToolRegistry::instance().openWindows()) open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void BM_CopyEveryLineOfTheLargestGrid(benchmark::State& state) {
    ResultFileViewer* viewer = largestGrid();
    if (!viewer) return state.SkipWithError("the run showed no viewer");
    LineView* view = viewer->view();
    qint64 keysMs = 0, widestGap = 0, copyMs = 0, characters = 0;
    for (auto _ : state) {
        QGuiApplication::clipboard()->clear();
        QElapsedTimer clock, sinceTurn;
        QTimer turn;
        QObject::connect(&turn, &QTimer::timeout, [&] { widestGap = std::max(widestGap, sinceTurn.restart()); });
        turn.start(2);
        clock.start();
        sinceTurn.start();
        QKeyEvent selectAll(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        QKeyEvent copy(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
        QCoreApplication::sendEvent(view, &selectAll);
        QCoreApplication::sendEvent(view, &copy);
        keysMs = clock.elapsed();
        while (view->copying()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        widestGap = std::max(widestGap, sinceTurn.elapsed());
        copyMs = clock.elapsed();
        characters = QGuiApplication::clipboard()->text().size();
    }
    state.counters["lines"] = view->lineCount();
    state.counters["characters"] = static_cast<double>(characters);
    state.counters["keys_ms"] = static_cast<double>(keysMs);
    state.counters["widest_gap_ms"] = static_cast<double>(widestGap);
    state.counters["copy_ms"] = static_cast<double>(copyMs);
    closeWindows();
}
BENCHMARK(BM_CopyEveryLineOfTheLargestGrid)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_KeysOverTheLargestGrid(benchmark::State& state) {
    ResultFileViewer* viewer = largestGrid();
    if (!viewer) return state.SkipWithError("the run showed no viewer");
    LineView* view = viewer->view();
    auto press = [view](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QKeyEvent event(QEvent::KeyPress, key, modifiers);
        QCoreApplication::sendEvent(view, &event);
        view->viewport()->repaint();
    };
    double pagesMs = 0, toEndMs = 0, allMs = 0;
    for (auto _ : state) {
        view->verticalScrollBar()->setValue(view->lineCount() / 2);
        view->select({view->lineCount() / 2, 0}, {view->lineCount() / 2, 0});
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 10; ++i) press(Qt::Key_PageDown);
        pagesMs = static_cast<double>(clock.nsecsElapsed()) / 1e6 / 10;
        clock.restart();
        press(Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        toEndMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        clock.restart();
        press(Qt::Key_A, Qt::ControlModifier);
        allMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    }
    state.counters["lines"] = view->lineCount();
    state.counters["page_down_ms"] = pagesMs;
    state.counters["ctrl_shift_end_ms"] = toEndMs;
    state.counters["select_all_ms"] = allMs;
    closeWindows();
}
BENCHMARK(BM_KeysOverTheLargestGrid)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
