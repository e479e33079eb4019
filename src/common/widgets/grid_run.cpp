#include "common/widgets/grid_run.h"

#include <QWidget>

#include "common/number_text.h"
#include "common/widgets/busy_run.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "platform/message_service.h"
#include "platform/result_folder.h"

namespace korrimet {
QString gridRefusalMessage(GridPlan::Status status) {
    switch (status) {
        case GridPlan::Status::Ready: return {};
        case GridPlan::Status::EndlessX:
        case GridPlan::Status::EndlessY: return QStringLiteral("网格间距不能为0，否则计算无法结束，请检查输入！");
        case GridPlan::Status::TooLarge:
            return QStringLiteral("网格点数超过1000万个，结果文件过大，请加大网格间距或缩小计算范围！");
    }
    return {};
}

bool writeResultFile(QWidget* window, const QString& fileName, std::string_view text) {
    QString error;
    const QString path = resultFilePath(fileName, &error);
    std::string reason;
    if (path.isEmpty() || !WriteWholeFile(path.toStdString(), text, &reason)) {
        if (error.isEmpty()) error = qtext(reason);
        ShowMessage(QStringLiteral("计算结果文件无法写入，本次计算没有结果：%1").arg(error), window);
        return false;
    }
    return true;
}

bool runGridFile(QWidget* window, const GridPlan& plan, const GridCell& cell,
                 const std::function<void(double x)>& afterRow, const QString& fileName,
                 const QString& viewerClass) {
    if (plan.status != GridPlan::Status::Ready) {
        ShowMessage(gridRefusalMessage(plan.status), window);
        return false;
    }

    GridText grid;
    {
        BusyRun busy(window);
        grid = BuildGridText(plan, cell, [&](double x) {
            if (afterRow) afterRow(x);
            busy.pump();
        });
    }

    if (!writeResultFile(window, fileName, grid.text)) return false;

    OpenTool(viewerClass);
    if (grid.failedCells > 0)
        ShowMessage(QStringLiteral("有%1个网格点无法完整计算（第一个在x=%2，y=%3处），其中出错的计算项按0计，"
                                   "这些点的结果不可用，请检查输入参数！")
                        .arg(grid.failedCells)
                        .arg(qtext(NumberText(grid.firstFailedX)), qtext(NumberText(grid.firstFailedY))),
                    window);
    return true;
}

}  // namespace korrimet
