#include <benchmark/benchmark.h>

#include <QApplication>
#include <QStandardPaths>

#include "shell/lifecycle.h"

// The program's application on the offscreen platform, set up as the program
// sets itself up, for all the benchmarks of a run; it ends before the
// process's statics do, as in the program.
int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    korrimet::SetUpApplication();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
