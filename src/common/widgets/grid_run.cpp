#include "common/widgets/grid_run.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "common/number_text.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "platform/message_service.h"
#include "platform/result_folder.h"

namespace korrimet {
namespace {

// Keeps a window open while its run uses it; the events pumped for
// repainting would otherwise let the window manager close it mid-run.
class CloseBlocker : public QObject {
public:
    explicit CloseBlocker(QWidget* window) : window_(window) {
        if (window_) window_->installEventFilter(this);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~CloseBlocker() override {
        if (window_) window_->removeEventFilter(this);
        QApplication::restoreOverrideCursor();
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Close) return false;
        event->ignore();
        return true;
    }

private:
    QPointer<QWidget> window_;
};

}  // namespace

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

bool runGridFile(QWidget* window, const GridPlan& plan, const GridCell& cell,
                 const std::function<void(double x)>& afterRow, const QString& fileName,
                 const QString& viewerClass) {
    if (plan.status != GridPlan::Status::Ready) {
        ShowMessage(gridRefusalMessage(plan.status), window);
        return false;
    }

    GridText grid;
    {
        CloseBlocker blocker(window);
        QElapsedTimer sincePaint;
        bool first = true;
        grid = BuildGridText(plan, cell, [&](double x) {
            if (afterRow) afterRow(x);
            if (first || sincePaint.elapsed() >= 30) {
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
                sincePaint.start();
                first = false;
            }
        });
    }

    QString error;
    const QString path = resultFilePath(fileName, &error);
    std::string reason;
    if (path.isEmpty() || !WriteWholeFile(path.toStdString(), grid.text, &reason)) {
        if (error.isEmpty()) error = qtext(reason);
        ShowMessage(QStringLiteral("计算结果文件无法写入，本次计算没有结果：%1").arg(error), window);
        return false;
    }

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
