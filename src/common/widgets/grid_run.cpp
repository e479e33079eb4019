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

// The grid text as the viewer holds it.
struct ByteSink : TextSink {
    QByteArray bytes;
    void reserve(std::size_t n) override { bytes.reserve(static_cast<qsizetype>(n)); }
    void append(std::string_view text) override { bytes.append(text.data(), static_cast<qsizetype>(text.size())); }
};

// What a grid run hands back to its window.
struct GridOutcome {
    // Why there is no file: the plan cannot run, the file would be too large
    // or could not be written.
    QString refusal;
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
        discardResultFile(fileName, viewerClass);
        ShowMessage(writeFailedMessage(error), window);
        return false;
    }
    resultFileWritten(fileName);
    return true;
}

void discardResultFile(const QString& fileName, const QString& viewerClass) {
    removeResultFile(fileName);
    reloadOpenViewer(viewerClass);
}

bool startGridRun(WindowRun& run, QAbstractButton* button, GridPlanner plan, const GridCell& cell,
                  const std::function<void(double x)>& rowsDone, const QString& fileName,
                  const QString& viewerClass, const std::function<void()>& written) {
    QWidget* window = qobject_cast<QWidget*>(run.parent());
    auto refuse = [&](const QString& message) {
        discardResultFile(fileName, viewerClass);
        ShowMessage(message, window);
        return false;
    };
    QString folderError;
    const QString path = resultFilePath(fileName, &folderError);
    if (path.isEmpty()) return refuse(writeFailedMessage(folderError));

    auto work = [plan = std::move(plan), cell, path = path.toStdString()](RunControl& control) {
        GridOutcome out;
        const GridPlan grid = plan();
        if (grid.status != GridPlan::Status::Ready) {
            out.refusal = gridRefusalMessage(grid);
            return out;
        }
        // A grid without a row or a column holds no value: said, not shown as a result.
        if (grid.xs.empty() || grid.ys.empty()) {
            out.refusal = kEmptyGridMessage;
            return out;
        }
        control.check();
        // One core stays with the window.
        const auto cores = static_cast<unsigned>(std::max(QThread::idealThreadCount() - 1, 1));
        // Built straight into the bytes the viewer will hold: the text is never copied.
        ByteSink sink;
        GridText text = BuildGridText(grid, cell, sink, &control, cores);
        control.check();
        if (text.tooLarge) {
            out.refusal = gridRefusalMessage(GridPlan{GridPlan::Status::TooLarge, {}, {}, grid.limits});
            return out;
        }
        std::string reason;
        if (!WriteWholeFile(path, std::string_view(sink.bytes.constData(), static_cast<std::size_t>(sink.bytes.size())),
                            &reason, &control)) {
            out.refusal = writeFailedMessage(qtext(reason));
            return out;
        }
        try {
            out.lines = std::make_shared<LineIndex>(IndexLines(std::move(sink.bytes), false, &control));
        } catch (const RunCancelled&) {
            // The file is this run's: a cancelled run leaves none.
            QFile::remove(QString::fromStdString(path));
            throw;
        }
        out.failedCells = text.failedCells;
        out.firstFailedX = text.firstFailedX;
        out.firstFailedY = text.firstFailedY;
        return out;
    };
    auto done = [window, fileName, viewerClass, written](GridOutcome out) {
        if (!out.refusal.isEmpty()) {
            discardResultFile(fileName, viewerClass);
            ShowMessage(out.refusal, window);
            return;
        }
        resultFileWritten(fileName);
        if (written) written();
        ResultFileViewer::showLatest(viewerClass, std::move(out.lines));
        if (out.failedCells > 0)
            ShowMessage(QStringLiteral("有%1个网格点无法完整计算（第一个在x=%2，y=%3处），其中出错的计算项按0计，"
                                       "这些点的结果不可用，请检查输入参数！")
                            .arg(out.failedCells)
                            .arg(qtext(NumberText(out.firstFailedX)), qtext(NumberText(out.firstFailedY))),
                        window);
    };
    return run.start<GridOutcome>(button, work, done, rowsDone,
                                  [fileName, viewerClass] { discardResultFile(fileName, viewerClass); });
}

}  // namespace korrimet
