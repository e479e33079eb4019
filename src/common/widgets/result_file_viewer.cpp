#include "common/widgets/result_file_viewer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QtConcurrent/QtConcurrentRun>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "common/result_file_read.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/run_pool.h"
#include "common/widgets/tool_registry.h"
#include "platform/result_folder.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace korrimet {

namespace {

QFont viewerFont() { return fixedPitchFont(9); }

// Whether `path` still names the file that `shown` holds open.
bool stillShown(const QFile& shown, const QString& path) {
#ifdef Q_OS_UNIX
    struct stat open {}, named {};
    return ::fstat(shown.handle(), &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
#else
    Q_UNUSED(shown);
    Q_UNUSED(path);
    return true;
#endif
}

}  // namespace

ResultFileViewer::ResultFileViewer(const QString& className, const QString& caption, const QString& fileName,
                                   const QString& toolTip, bool deletesFile, const QByteArray& missingFileText)
    : ToolWindow(className, caption, 9600, 6000),
      fileName_(fileName),
      deletesFile_(deletesFile),
      missingFileText_(missingFileText) {
    // A table of many columns: let the user widen the window.
    setMinimumSize(twips(3000), twips(1500));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    view_ = new LineView(this);
    view_->setObjectName(QStringLiteral("RichTextBox1"));
    view_->setToolTip(toolTip);
    view_->setFont(viewerFont());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    reload();
    if (deletesFile_)
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { removeOwnFile(); });
}

ResultFileViewer::~ResultFileViewer() { stopReading(); }

namespace {

// Lines a run has indexed already, waiting for their viewer to open.
std::map<QString, std::shared_ptr<LineIndex>>& handedOver() {
    static std::map<QString, std::shared_ptr<LineIndex>> lines;
    return lines;
}

// Up to this size a file is read at once; a larger one on a worker.
constexpr qint64 kReadAtOnce = 1 << 20;

// Opens `path` to read; a pipe or a device is refused, never waited on, and
// so is a file far larger than any run writes. When there is a file that
// cannot be read, nullptr and what went wrong in `problem`; when there is
// no file, nullptr and nothing said.
std::unique_ptr<QFile> openToRead(const QString& path, QString& problem, qint64& size) {
    const ResultFileOpen open = OpenResultFile(QFile::encodeName(path).toStdString());
    if (open.status != ResultFileOpen::Status::Open) {
        problem = qtext(open.problem);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (file->open(open.fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        size = static_cast<qint64>(open.size);
        return file;
    }
    problem = qtext(CannotReadResultFile("无法打开文件"));
    ::close(open.fd);
    return nullptr;
}

}  // namespace

struct ResultFileViewer::Read {
    LineIndex lines;
    // Why the lines are not the file's; empty when they are.
    QString problem;
};

ResultFileViewer::Read ResultFileViewer::readFile(QFile& file, qint64 size, const RunControl* control) {
    // Whatever goes wrong is said in the view; none of it may reach the
    // window's event loop.
    try {
        QByteArray bytes;
        bytes.resize(size);
        const std::string problem =
            ReadResultBytes(file.handle(), bytes.data(), static_cast<std::size_t>(size), control);
        if (!problem.empty()) return {{}, qtext(problem)};
        return {IndexLines(std::move(bytes), false, control), {}};
    } catch (const RunCancelled&) {
        throw;
    } catch (const std::bad_alloc&) {
        return {{}, qtext(CannotReadResultFile("内存不足，容纳不下整个文件"))};
    } catch (...) {
        return {{}, qtext(CannotReadResultFile("读取时出现意外错误"))};
    }
}

std::unique_ptr<QFile> ResultFileViewer::stopReading() {
    if (!reading_) return nullptr;
    // Its lines are no longer wanted.
    readControl_->cancel();
    reading_->disconnect(this);
    reading_->waitForFinished();
    reading_->deleteLater();
    reading_ = nullptr;
    readControl_.reset();
    return std::move(readingFile_);
}

void ResultFileViewer::reload() {
    stopReading();
    shown_.reset();
    // A file left by a run without a result is no result either.
    path_ = resultFileSetAside(fileName_) ? QString() : resultFilePath(fileName_);
    QString problem;
    qint64 size = 0;
    std::unique_ptr<QFile> file = path_.isEmpty() ? nullptr : openToRead(path_, problem, size);
    if (!file) {
        if (problem.isEmpty()) view_->setLines(IndexLines(missingFileText_));
        else showProblem(problem);
        return;
    }
    auto given = handedOver().find(objectName());
    if (given != handedOver().end()) {
        std::shared_ptr<LineIndex> lines = std::move(given->second);
        handedOver().erase(given);
        if (lines && lines->bytes.size() == size) return showRead({std::move(*lines), {}}, std::move(file));
    }
    if (size <= kReadAtOnce) {
        Read read = readFile(*file, size);
        return showRead(std::move(read), std::move(file));
    }
    view_->setLines(IndexLines(QByteArrayLiteral("正在读取计算结果……")));
    reading_ = new QFutureWatcher<Read>(this);
    readingFile_ = std::move(file);
    readControl_ = std::make_shared<RunControl>();
    connect(reading_, &QFutureWatcherBase::finished, this, [this] {
        // Moved, not copied: millions of lines are tens of megabytes.
        Read read = reading_->future().takeResult();
        reading_->deleteLater();
        reading_ = nullptr;
        readControl_.reset();
        showRead(std::move(read), std::move(readingFile_));
    });
    // The worker alone uses the file until it has read it.
    reading_->setFuture(QtConcurrent::run(&RunPool(), [source = readingFile_.get(), size, control = readControl_] {
        try {
            return readFile(*source, size, control.get());
        } catch (const RunCancelled&) {
            return Read{};
        }
    }));
}

void ResultFileViewer::showRead(Read read, std::unique_ptr<QFile> file) {
    // A file read, whole or not, is the window's.
    shown_ = std::move(file);
    if (read.problem.isEmpty()) view_->setLines(std::move(read.lines));
    else showProblem(read.problem);
}

void ResultFileViewer::showProblem(const QString& problem) {
    view_->setLines(IndexLines((problem + QStringLiteral("：\n") + QDir::toNativeSeparators(path_)).toUtf8()));
}

int ResultFileViewer::lineCount() const { return view_->lineCount(); }

QString ResultFileViewer::line(int index) const { return view_->line(index); }

QString ResultFileViewer::text() const { return view_->text(); }

void ResultFileViewer::showLatest(const QString& className, std::shared_ptr<LineIndex> lines) {
    if (lines) handedOver()[className] = std::move(lines);
    if (auto* viewer = qobject_cast<ResultFileViewer*>(ToolRegistry::instance().window(className))) viewer->reload();
    OpenTool(className);
    handedOver().erase(className);
}

void ResultFileViewer::closeEvent(QCloseEvent* event) {
    if (deletesFile_) removeOwnFile();
    ToolWindow::closeEvent(event);
}

void ResultFileViewer::removeOwnFile() {
    // A file still being read is as much the window's as one shown.
    if (reading_) shown_ = stopReading();
    if (!shown_) return;
    const bool own = stillShown(*shown_, path_);
    shown_.reset();
    if (own) QFile::remove(path_);
}

}  // namespace korrimet
