#pragma once
#include <QByteArray>
#include <QFutureWatcher>
#include <memory>

#include "common/run_control.h"
#include "common/widgets/line_view.h"
#include "common/widgets/tool_window.h"

class QFile;

namespace korrimet {

// A result window over one result file of the private result folder. The
// file's lines (each carriage return, line feed or pair of them ends one)
// show read-only in `RichTextBox1`, in a fixed-pitch font, laid out only as
// far as they are seen, so a file of millions of lines is held once, as its
// bytes. Text is selected with the mouse or keys and copied as in a text view.
// A file that cannot be read (a folder, no permission, a link that leads
// nowhere, one far larger than any run writes, refused from its size, or one
// that memory cannot hold), or that is cut short while it is read, is named
// with what went wrong, in place of its lines: no part of a result shows as
// if it were the whole, and no failure of a read leaves the event loop.
// A file a run without a result could not remove shows as no file.
// Unless told otherwise the window deletes its file when it closes or the
// program ends, also while it still reads it (the read stops), but only the
// file it shows or reads: a newer file written over the same path since it
// was opened stays, and so does one it could not open.
class ResultFileViewer : public ToolWindow {
    Q_OBJECT
public:
    ResultFileViewer(const QString& className, const QString& caption, const QString& fileName,
                     const QString& toolTip, bool deletesFile = true, const QByteArray& missingFileText = {});
    ~ResultFileViewer() override;

    // Reads the file again: a run has replaced it (or failed and removed it).
    // A large file is read and indexed on a worker while the window says so.
    void reload();
    // Whether a reload is still reading.
    bool loading() const { return reading_ != nullptr; }

    LineView* view() const { return view_; }
    int lineCount() const;
    QString line(int index) const;
    // The text shown, every line end as a line feed.
    QString text() const;

    // Shows the latest file of `className`'s viewer: an open viewer reads it
    // again and is raised, else the viewer opens. `lines`, when given, are
    // the file's, indexed already by the run that wrote it.
    static void showLatest(const QString& className, std::shared_ptr<LineIndex> lines = {});

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    struct Read;
    // Reads the `size` bytes the file had when it was opened, straight into
    // one buffer: the file is held once. Made on any thread.
    static Read readFile(QFile& file, qint64 size, const RunControl* control = nullptr);
    void removeOwnFile();
    void showRead(Read read, std::unique_ptr<QFile> file);
    // Says in the view what went wrong with the file at `path_`.
    void showProblem(const QString& problem);
    // Stops a read under way and waits for its worker; the file it read.
    std::unique_ptr<QFile> stopReading();

    QString fileName_;
    bool deletesFile_;
    QByteArray missingFileText_;  // shown when there is no file to read
    LineView* view_;
    QString path_;  // where the file was looked for at the last reload
    std::unique_ptr<QFile> shown_;  // kept open: it names the file shown
    QFutureWatcher<Read>* reading_ = nullptr;
    std::unique_ptr<QFile> readingFile_;  // used by the worker alone while it reads
    std::shared_ptr<RunControl> readControl_;
};

}  // namespace korrimet
