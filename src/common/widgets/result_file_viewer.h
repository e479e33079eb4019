#pragma once
#include "common/widgets/tool_window.h"

class QPlainTextEdit;

namespace korrimet {

// A result window over one result file of the private result folder: it reads
// the file whole into `RichTextBox1` when it loads (each carriage return
// starts a line; a missing file leaves the box empty) and, unless told
// otherwise, deletes the file when it closes or the program ends.
class ResultFileViewer : public ToolWindow {
    Q_OBJECT
public:
    ResultFileViewer(const QString& className, const QString& caption, const QString& fileName,
                     const QString& toolTip, bool deletesFile = true);

    QPlainTextEdit* textBox() const { return box_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void removeFile();

    QString fileName_;
    bool deletesFile_;
    QPlainTextEdit* box_;
};

}  // namespace korrimet
