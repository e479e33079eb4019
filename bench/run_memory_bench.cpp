#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QAbstractButton>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <algorithm>
#include <fstream>

#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"
#include "platform/result_folder.h"

// What a long run leaves behind and how fast its last stages stop: run alone
// in the optimized build (not under sanitizers), e.g.
// --benchmark_filter=TwelveRuns, for the resident memory of the process.

namespace {

using namespace korrimet;

double residentMegabytes() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

double peakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024;
}

struct Entries {
    const char* window;
    std::vector<std::pair<const char*, const char*>> texts;
    const char* button;
    const char* file;  // the result file the run writes
};

const Entries kRiver4Tall{"稳态累积流量模式_河4", {{"Text12", "3000000"}, {"Text14", "1"}, {"Text13", "0"}, {"Text15", "1"}},
                          "Command2", "河四模式计算结果.txt"};
const Entries kRiver2Tall{"二维稳态混合模式_河2", {{"Text12", "3000000"}, {"Text14", "1"}, {"Text13", "0"}, {"Text15", "1"}},
                          "Command2", "河二模式计算结果.txt"};
const Entries kPuffSquare{"风险评价之烟团模式", {{"Text13", "2600"}, {"Text12", "1"}, {"Text14", "2400"}, {"Text11", "1"}},
                          "Command2", "风险评价计算结果.txt"};

QWidget* openWithEntries(const Entries& e) {
    QWidget* w = OpenTool(QString::fromUtf8(e.window));
    for (const auto& [name, text] : e.texts) w->findChild<QLineEdit*>(name)->setText(QString::fromUtf8(text));
    return w;
}

void closeEverything() {
    for (QWidget* open : ToolRegistry::instance().openWindows()) open->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Presses the button and waits for the outcome; `during` is called on each
// turn of the event loop until it returns true (then it is called no more).
double runOnce(QWidget* w, const Entries& e, const std::function<bool()>& during = {}) {
    auto* run = w->findChild<WindowRun*>();
    bool ended = false, stopCalling = !during;
    QObject::connect(run, &WindowRun::finished, w, [&] { ended = true; });
    QPointer<QWidget> open(w);  // a close ends the run without an outcome
    QElapsedTimer clock;
    clock.start();
    w->findChild<QAbstractButton*>(e.button)->click();
    while (!ended && open) {
        QCoreApplication::processEvents(stopCalling ? QEventLoop::WaitForMoreEvents : QEventLoop::AllEvents);
        if (!stopCalling) stopCalling = during();
    }
    return clock.elapsed() / 1000.0;
}

// Twelve of the largest runs of river 4 (3 million rows of one column) in a
// row, every window closed after each as a user does: the resident memory
// after the first and after the last, and the slowest run.
void BM_River4TallTwelveRuns(benchmark::State& state) {
    for (auto _ : state) {
        double first = 0, last = 0, slowest = 0;
        const double before = residentMegabytes();
        for (int i = 0; i < 12; ++i) {
            slowest = std::max(slowest, runOnce(openWithEntries(kRiver4Tall), kRiver4Tall));
            closeEverything();
            (i == 0 ? first : last) = residentMegabytes();
        }
        state.counters["rss_before_MB"] = before;
        state.counters["rss_first_MB"] = first;
        state.counters["rss_last_MB"] = last;
        state.counters["slowest_run_s"] = slowest;
        state.counters["peak_MB"] = peakMegabytes();
    }
}
BENCHMARK(BM_River4TallTwelveRuns)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// The largest grids of every grid model, one after another as a user runs
// them, every window closed after each, twice over: the slowest run, the
// resident memory after the first round and after the second, the peak.
void BM_LargestGridsOfEveryModelTwice(benchmark::State& state) {
    MessageRecorder messages;  // none is expected
    std::vector<Entries> grids{kPuffSquare};
    for (const char* window : {"二维稳态混合模式_河2", "二维稳态混合衰减模式_河6", "稳态累积流量模式_河4",
                               "稳态混合衰减累积流量模式_河8"}) {
        grids.push_back({window, {{"Text12", "3000000"}, {"Text14", "1"}, {"Text13", "0"}, {"Text15", "1"}}, "Command2", ""});
        grids.push_back({window, {{"Text12", "340"}, {"Text14", "1"}, {"Text13", "19999"}, {"Text15", "1"}}, "Command2", ""});
        grids.push_back({window, {{"Text12", "2450"}, {"Text14", "1"}, {"Text13", "2399"}, {"Text15", "1"}}, "Command2", ""});
    }
    for (auto _ : state) {
        double slowest = 0, afterFirst = 0;
        for (int round = 0; round < 2; ++round) {
            for (const Entries& e : grids) {
                slowest = std::max(slowest, runOnce(openWithEntries(e), e));
                closeEverything();
            }
            if (round == 0) afterFirst = residentMegabytes();
        }
        state.counters["slowest_run_s"] = slowest;
        state.counters["rss_first_round_MB"] = afterFirst;
        state.counters["rss_second_round_MB"] = residentMegabytes();
        state.counters["peak_MB"] = peakMegabytes();
        state.counters["messages"] = messages.messages().size();
    }
}
BENCHMARK(BM_LargestGridsOfEveryModelTwice)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(1);

// A cancel, or a close of the window, once the file's ".part" is seen (the
// file is being written; the index follows): the time from it to the
// outcome (for a close, until the window is gone), and whether a file was
// left in the result folder.
void stopWhileWriting(benchmark::State& state, const Entries& e, bool close) {
    MessageRecorder messages;  // the cancel's message
    const QString path = resultFilePath(QString::fromUtf8(e.file));
    double slowest = 0;
    int left = 0, missed = 0;
    for (auto _ : state) {
        QWidget* w = openWithEntries(e);
        auto* run = w->findChild<WindowRun*>();
        QElapsedTimer sinceStop;
        runOnce(w, e, [&] {
            if (!QFile::exists(path + ".part")) return false;
            sinceStop.start();
            if (close) {
                w->close();
                QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            } else {
                run->cancel();
            }
            return true;
        });
        if (sinceStop.isValid()) slowest = std::max(slowest, sinceStop.elapsed() / 1000.0);
        else ++missed;
        closeEverything();
        if (QFile::exists(path) || QFile::exists(path + ".part")) ++left;
        QFile::remove(path);
    }
    state.counters["stop_to_outcome_s"] = slowest;
    state.counters["write_not_seen"] = missed;
    state.counters["files_left"] = left;
}
void BM_River2TallCancelWhileWriting(benchmark::State& s) { stopWhileWriting(s, kRiver2Tall, false); }
void BM_River2TallCloseWhileWriting(benchmark::State& s) { stopWhileWriting(s, kRiver2Tall, true); }
void BM_PuffSquareCancelWhileWriting(benchmark::State& s) { stopWhileWriting(s, kPuffSquare, false); }
void BM_PuffSquareCloseWhileWriting(benchmark::State& s) { stopWhileWriting(s, kPuffSquare, true); }
BENCHMARK(BM_River2TallCancelWhileWriting)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_River2TallCloseWhileWriting)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_PuffSquareCancelWhileWriting)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(5);
BENCHMARK(BM_PuffSquareCloseWhileWriting)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(5);

}  // namespace
