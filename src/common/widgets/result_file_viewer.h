#pragma once
#include <QByteArray>
#include <memory>

#include "common/widgets/tool_window.h"

class QFile;
class QListView;

namespace korrimet {

class ResultLines;

// A result window over one result file of the private result folder. The
// file's lines (each carriage return, line feed or pair of them ends one)
// show read-only in `RichTextBox1`, in a fixed-pitch font, laid out only as
// far as they are seen, so a file of millions of lines is held once, as its
// bytes. Whole lines are selected with the mouse or keys and copied as text.
// Unless told otherwise the window deletes its file when it closes or the
// program ends, but only the file it shows: a newer file written over the
// same path since it was read stays.
class ResultFileViewer : public ToolWindow {
    Q_OBJECT
public:
    ResultFileViewer(const QString& className, const QString& caption, const QString& fileName,
                     const QString& toolTip, bool deletesFile = true, const QByteArray& missingFileText = {});
    ~ResultFileViewer() override;

    // Reads the file again: a run has replaced it (or failed and removed it).
    void reload();

    QListView* view() const { return view_; }
    int lineCount() const;
    QString line(int index) const;
    // The text shown, every line end as a line feed.
    QString text() const;

    // Shows the latest file of `className`'s viewer: an open viewer reads it
    // again and is raised, else the viewer opens.
    static void showLatest(const QString& className);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void removeOwnFile();
    void copySelection() const;

    QString fileName_;
    bool deletesFile_;
    QByteArray missingFileText_;  // shown when there is no file to read
    QListView* view_;
    ResultLines* lines_;
    std::unique_ptr<QFile> shown_;  // kept open: it names the file shown
};

}  // namespace korrimet
