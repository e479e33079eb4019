#include "common/widgets/result_file_viewer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QtConcurrent/QtConcurrentRun>
#include <QVBoxLayout>
#include <algorithm>
#include <map>

#include "common/widgets/run_pool.h"
#include "common/widgets/tool_registry.h"
#include "platform/result_folder.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
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

// Read a megabyte at a time: a closed window stops its read at once.
constexpr qint64 kReadChunk = 1 << 20;

LineIndex readLines(QFile& file, const RunControl* control = nullptr) {
    QByteArray bytes;
    // Straight into one buffer of the file's size: the file is held once.
    bytes.resize(file.size());
    qint64 read = 0;
    for (qint64 n = 0; read < bytes.size(); read += n) {
        if (control) control->check();
        n = file.read(bytes.data() + read, std::min(kReadChunk, bytes.size() - read));
        if (n <= 0) break;
    }
    bytes.truncate(read);
    return IndexLines(std::move(bytes), false, control);
}

}  // namespace

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
    const QString path = resultFilePath(fileName_);
    auto file = std::make_unique<QFile>(path);
    if (path.isEmpty() || !file->open(QIODevice::ReadOnly)) {
        view_->setLines(IndexLines(missingFileText_));
        return;
    }
    auto given = handedOver().find(objectName());
    if (given != handedOver().end()) {
        std::shared_ptr<LineIndex> lines = std::move(given->second);
        handedOver().erase(given);
        if (lines && lines->bytes.size() == file->size()) return showLines(std::move(*lines), std::move(file));
    }
    if (file->size() <= kReadAtOnce) {
        LineIndex lines = readLines(*file);
        return showLines(std::move(lines), std::move(file));
    }
    view_->setLines(IndexLines(QByteArrayLiteral("正在读取计算结果……")));
    reading_ = new QFutureWatcher<LineIndex>(this);
    readingFile_ = std::move(file);
    readControl_ = std::make_shared<RunControl>();
    connect(reading_, &QFutureWatcherBase::finished, this, [this] {
        LineIndex lines = reading_->result();
        reading_->deleteLater();
        reading_ = nullptr;
        readControl_.reset();
        showLines(std::move(lines), std::move(readingFile_));
    });
    // The worker alone uses the file until it has read it.
    reading_->setFuture(QtConcurrent::run(&RunPool(), [source = readingFile_.get(), control = readControl_] {
        try {
            return readLines(*source, control.get());
        } catch (const RunCancelled&) {
            return LineIndex{};
        }
    }));
}

void ResultFileViewer::showLines(LineIndex lines, std::unique_ptr<QFile> file) {
    shown_ = std::move(file);
    view_->setLines(std::move(lines));
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
    const QString path = shown_->fileName();
    const bool own = stillShown(*shown_, path);
    shown_.reset();
    if (own) QFile::remove(path);
}

}  // namespace korrimet
