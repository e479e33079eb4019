#include "common/widgets/grid_run.h"

#include <QFile>
#include <QThread>
#include <QWidget>
#include <memory>

#include "common/number_text.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/window_run.h"
#include "platform/message_service.h"
#include "platform/result_folder.h"

namespace korrimet {
namespace {

void reloadOpenViewer(const QString& viewerClass) {
    if (auto* viewer = qobject_cast<ResultFileViewer*>(ToolRegistry::instance().window(viewerClass)))
        viewer->reload();
}

QString writeFailedMessage(const QString& reason) {
    return QStringLiteral("计算结果文件无法写入，本次计算没有结果：%1").arg(reason);
}

// What a grid run hands back to its window.
struct GridOutcome {
    bool tooLarge = false;
    QString writeError;  // the file could not be written
    std::shared_ptr<LineIndex> lines;
    std::size_t failedCells = 0;
    double firstFailedX = 0, firstFailedY = 0;
};

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
        ShowMessage(writeFailedMessage(error), window);
        return false;
    }
    return true;
}

void discardResultFile(const QString& fileName, const QString& viewerClass) {
    const QString path = resultFilePath(fileName);
    if (!path.isEmpty()) QFile::remove(path);
    reloadOpenViewer(viewerClass);
}

bool startGridRun(WindowRun& run, QAbstractButton* button, const GridPlan& plan, const GridCell& cell,
                  const std::function<void(double x)>& rowsDone, const QString& fileName,
                  const QString& viewerClass, const std::function<void()>& written) {
    QWidget* window = qobject_cast<QWidget*>(run.parent());
    auto refuse = [&](const QString& message) {
        discardResultFile(fileName, viewerClass);
        ShowMessage(message, window);
        return false;
    };
    if (plan.status != GridPlan::Status::Ready) return refuse(gridRefusalMessage(plan));
    // A grid without a row or a column holds no value: said, not shown as a result.
    if (plan.xs.empty() || plan.ys.empty()) return refuse(kEmptyGridMessage);
    QString folderError;
    const QString path = resultFilePath(fileName, &folderError);
    if (path.isEmpty()) return refuse(writeFailedMessage(folderError));

    // One copy of the plan serves the worker and the window's thread.
    auto shared = std::make_shared<const GridPlan>(plan);
    auto work = [shared, cell, path = path.toStdString()](RunControl& control) {
        GridOutcome out;
        GridText grid = BuildGridText(*shared, cell, &control, static_cast<unsigned>(QThread::idealThreadCount()));
        control.check();
        if (grid.tooLarge) {
            out.tooLarge = true;
            return out;
        }
        std::string reason;
        if (!WriteWholeFile(path, grid.text, &reason)) {
            out.writeError = qtext(reason);
            return out;
        }
        // The viewer holds the file's bytes itself: free the text as they are copied.
        QByteArray bytes = QByteArray::fromStdString(grid.text);
        std::string().swap(grid.text);
        out.lines = std::make_shared<LineIndex>(IndexLines(std::move(bytes)));
        out.failedCells = grid.failedCells;
        out.firstFailedX = grid.firstFailedX;
        out.firstFailedY = grid.firstFailedY;
        return out;
    };
    auto done = [window, limits = plan.limits, fileName, viewerClass, written](GridOutcome out) {
        if (out.tooLarge) {
            GridPlan refused;
            refused.limits = limits;
            refused.status = GridPlan::Status::TooLarge;
            discardResultFile(fileName, viewerClass);
            ShowMessage(gridRefusalMessage(refused), window);
            return;
        }
        if (!out.writeError.isEmpty()) {
            reloadOpenViewer(viewerClass);
            ShowMessage(writeFailedMessage(out.writeError), window);
            return;
        }
        if (written) written();
        ResultFileViewer::showLatest(viewerClass, std::move(out.lines));
        if (out.failedCells > 0)
            ShowMessage(QStringLiteral("有%1个网格点无法完整计算（第一个在x=%2，y=%3处），其中出错的计算项按0计，"
                                       "这些点的结果不可用，请检查输入参数！")
                            .arg(out.failedCells)
                            .arg(qtext(NumberText(out.firstFailedX)), qtext(NumberText(out.firstFailedY))),
                        window);
    };
    auto progress = [shared, rowsDone](double rows) {
        if (rowsDone && rows >= 1) rowsDone(shared->xs[static_cast<std::size_t>(rows) - 1]);
    };
    return run.start<GridOutcome>(button, work, done, progress,
                                  [fileName, viewerClass] { discardResultFile(fileName, viewerClass); });
}

}  // namespace korrimet
