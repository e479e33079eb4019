#pragma once
#include <QApplication>
#include <QStandardPaths>

#include "shell/lifecycle.h"

namespace korrimet::bench {

// The program's application on the offscreen platform, set up as the
// program sets itself up; one for all the benchmarks of a run.
inline void setUpApplication() {
    static int argc = 1;
    static char name[] = "korrimet_bench";
    static char* argv[] = {name, nullptr};
    if (qApp) return;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    static QApplication app(argc, argv);
    SetUpApplication();
}

}  // namespace korrimet::bench
