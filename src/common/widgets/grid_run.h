#pragma once
#include <QString>
#include <functional>
#include <string_view>

#include "common/grid_result_file.h"

class QAbstractButton;
class QWidget;

namespace korrimet {

class WindowRun;

inline const QString kEmptyGridMessage =
    QStringLiteral("按输入的范围和网格间距没有网格点（范围与间距方向相反或范围小于起点），请检查输入！");

// Why a planned grid cannot run, with the limit it would pass; empty when it can.
QString gridRefusalMessage(const GridPlan& plan);

// Writes a result file whole into the private result folder; when it cannot,
// tells the user why, removes what an earlier run left there and lets an open
// viewer `viewerClass` show that it is gone, and returns false.
bool writeResultFile(QWidget* window, const QString& fileName, std::string_view text, const QString& viewerClass);

// Removes a result file that no longer belongs to the entries (its run
// failed, was refused or was cancelled); an open viewer `viewerClass` shows
// it is gone. One that cannot be removed is set aside: no viewer shows it.
void discardResultFile(const QString& fileName, const QString& viewerClass);

// A model window's grid run, on `run`'s worker: the grid is planned there
// (millions of rows take a while), and a plan that cannot run or holds no
// cell is refused with its message before any cell is computed. The cells
// are computed on every core, the file written whole into the result
// folder and indexed for the viewer `viewerClass` on the worker; the window
// gets `rowsDone` (the x of the last row done) as it goes, and `written`
// (when given) once the file is whole; then the viewer shows the file. Cells whose statements failed are reported after
// the viewer shows. Whatever stops a run (a refusal, a file too large, a
// cancel by `button` or Esc) removes the earlier run's file, so no viewer
// shows it as this run's result; every stage sees a cancel at once, and a
// run cancelled while or after its file was written leaves no file.
// Returns whether the run started.
using GridPlanner = std::function<GridPlan()>;
bool startGridRun(WindowRun& run, QAbstractButton* button, GridPlanner plan, const GridCell& cell,
                  const std::function<void(double x)>& rowsDone, const QString& fileName,
                  const QString& viewerClass, const std::function<void()>& written = {});

}  // namespace korrimet
