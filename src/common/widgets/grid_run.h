#pragma once
#include <QString>
#include <functional>
#include <string_view>

#include "common/grid_result_file.h"

class QWidget;

namespace korrimet {

inline const QString kGridNotNumberMessage = QStringLiteral("网格范围和网格间距必须输入数值，请检查输入！");

// Why a planned grid cannot run; empty when it can.
QString gridRefusalMessage(GridPlan::Status status);

// Writes a result file whole into the private result folder; when it cannot,
// tells the user why and returns false.
bool writeResultFile(QWidget* window, const QString& fileName, std::string_view text);

// A model window's grid run: refuses a plan that cannot run (with its
// message, before anything changes); otherwise computes every cell, calling
// `afterRow` after each row while the windows keep repainting (user input
// waits and `window` cannot be closed until the run ends), writes the file
// whole into the result folder and shows the viewer window `viewerClass`.
// Cells whose statements failed are reported after the viewer opens. Returns
// true when the file was written.
bool runGridFile(QWidget* window, const GridPlan& plan, const GridCell& cell,
                 const std::function<void(double x)>& afterRow, const QString& fileName,
                 const QString& viewerClass);

}  // namespace korrimet
