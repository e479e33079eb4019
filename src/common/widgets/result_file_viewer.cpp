#include "common/widgets/result_file_viewer.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "platform/result_folder.h"

namespace korrimet {

ResultFileViewer::ResultFileViewer(const QString& className, const QString& caption, const QString& fileName,
                                   const QString& toolTip, bool deletesFile)
    : ToolWindow(className, caption, 9600, 6000), fileName_(fileName), deletesFile_(deletesFile) {
    // A table of many columns: let the user widen the window.
    setMinimumSize(twips(3000), twips(1500));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    box_ = new QPlainTextEdit(this);
    box_->setObjectName(QStringLiteral("RichTextBox1"));
    box_->setToolTip(toolTip);
    box_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(box_);

    QFile file(resultFilePath(fileName_));
    if (file.open(QIODevice::ReadOnly)) {
        QString text = QString::fromUtf8(file.readAll());
        text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        box_->setPlainText(text);
    }

    if (deletesFile_)
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { removeFile(); });
}

void ResultFileViewer::closeEvent(QCloseEvent* event) {
    if (deletesFile_) removeFile();
    ToolWindow::closeEvent(event);
}

void ResultFileViewer::removeFile() {
    const QString path = resultFilePath(fileName_);
    if (!path.isEmpty()) QFile::remove(path);
}

}  // namespace korrimet
