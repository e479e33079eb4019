#include "common/widgets/grid_run.h"

#include <QFile>
#include <QWidget>

#include "common/number_text.h"
#include "common/widgets/busy_run.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
#include "platform/message_service.h"
#include "platform/result_folder.h"

namespace korrimet {
namespace {

void reloadOpenViewer(const QString& viewerClass) {
    if (auto* viewer = qobject_cast<ResultFileViewer*>(ToolRegistry::instance().window(viewerClass)))
        viewer->reload();
}

}  // namespace

QString gridRefusalMessage(const GridPlan& plan) {
    switch (plan.status) {
        case GridPlan::Status::Ready: return {};
        case GridPlan::Status::EndlessX:
        case GridPlan::Status::EndlessY: return QStringLiteral("网格间距不能为0，否则计算无法结束，请检查输入！");
        case GridPlan::Status::TooLarge:
            return QStringLiteral("网格计算结果文件将超过%1MB的上限，请加大网格间距或缩小计算范围！")
                .arg(plan.limits.fileBytes >> 20);
        case GridPlan::Status::TooWide:
            return QStringLiteral("每行网格点将超过%1个的上限，请加大横向网格间距或缩小横向范围！")
                .arg(plan.limits.rowCells);
    }
    return {};
}

bool writeResultFile(QWidget* window, const QString& fileName, std::string_view text, const QString& viewerClass) {
    QString error;
    const QString path = resultFilePath(fileName, &error);
    std::string reason;
    if (path.isEmpty() || !WriteWholeFile(path.toStdString(), text, &reason)) {
        if (error.isEmpty()) error = qtext(reason);
        reloadOpenViewer(viewerClass);
        ShowMessage(QStringLiteral("计算结果文件无法写入，本次计算没有结果：%1").arg(error), window);
        return false;
    }
    return true;
}

void discardResultFile(const QString& fileName, const QString& viewerClass) {
    const QString path = resultFilePath(fileName);
    if (!path.isEmpty()) QFile::remove(path);
    reloadOpenViewer(viewerClass);
}

bool runGridFile(QWidget* window, const GridPlan& plan, const GridCell& cell,
                 const std::function<void(double x)>& afterRow, const QString& fileName,
                 const QString& viewerClass, QAbstractButton* cancel) {
    if (plan.status != GridPlan::Status::Ready) {
        ShowMessage(gridRefusalMessage(plan), window);
        return false;
    }
    // A grid without a row or a column holds no value: said, not shown as a result.
    if (plan.xs.empty() || plan.ys.empty()) {
        ShowMessage(kEmptyGridMessage, window);
        return false;
    }

    GridText grid;
    try {
        BusyRun busy(window, cancel);
        busy.pump();
        // A row may hold 20,000 cells: the window answers within it too.
        unsigned cells = 0;
        auto answering = [&](double x, double y, std::string& out) {
            if (++cells % 1024 == 0) busy.pump();
            return cell(x, y, out);
        };
        grid = BuildGridText(plan, answering, [&](double x) {
            if (afterRow) afterRow(x);
            busy.pump();
        });
    } catch (const RunCancelled&) {
        ShowMessage(kRunCancelledMessage, window);
        return false;
    }
    if (grid.tooLarge) {
        GridPlan refused = plan;
        refused.status = GridPlan::Status::TooLarge;
        ShowMessage(gridRefusalMessage(refused), window);
        return false;
    }

    const bool written = writeResultFile(window, fileName, grid.text, viewerClass);
    // The viewer holds the file's bytes itself: free the text before it reads them.
    std::string().swap(grid.text);
    if (!written) return false;

    ResultFileViewer::showLatest(viewerClass);
    if (grid.failedCells > 0)
        ShowMessage(QStringLiteral("有%1个网格点无法完整计算（第一个在x=%2，y=%3处），其中出错的计算项按0计，"
                                   "这些点的结果不可用，请检查输入参数！")
                        .arg(grid.failedCells)
                        .arg(qtext(NumberText(grid.firstFailedX)), qtext(NumberText(grid.firstFailedY))),
                    window);
    return true;
}

}  // namespace korrimet
