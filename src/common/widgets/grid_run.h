#pragma once
#include <QString>
#include <functional>
#include <string_view>

#include "common/grid_result_file.h"

class QAbstractButton;
class QWidget;

namespace korrimet {

inline const QString kEmptyGridMessage =
    QStringLiteral("按输入的范围和网格间距没有网格点（范围与间距方向相反或范围小于起点），请检查输入！");

// Why a planned grid cannot run, with the limit it would pass; empty when it can.
QString gridRefusalMessage(const GridPlan& plan);

// Writes a result file whole into the private result folder; when it cannot,
// tells the user why, removes what an earlier run left there and lets an open
// viewer `viewerClass` show that it is gone, and returns false.
bool writeResultFile(QWidget* window, const QString& fileName, std::string_view text, const QString& viewerClass);

// Removes a result file that no longer belongs to the entries (its run
// failed or was cancelled); an open viewer `viewerClass` shows it is gone.
void discardResultFile(const QString& fileName, const QString& viewerClass);

// A model window's grid run: refuses a plan that cannot run or holds no
// cell (with its message, before anything changes); otherwise computes every cell, calling
// `afterRow` after each row while the windows keep repainting and `cancel`
// (or Esc) stops the run with a message and no file; writes the file whole
// into the result folder and shows it in the viewer window `viewerClass`,
// reading it again when that window is open. Cells whose statements failed
// are reported after the viewer shows. Returns true when the file was written.
bool runGridFile(QWidget* window, const GridPlan& plan, const GridCell& cell,
                 const std::function<void(double x)>& afterRow, const QString& fileName,
                 const QString& viewerClass, QAbstractButton* cancel = nullptr);

}  // namespace korrimet
