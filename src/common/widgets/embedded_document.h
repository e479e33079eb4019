#pragma once
#include <QRect>
#include <QString>
#include <memory>

#include "common/widgets/tool_window.h"

class QLabel;
class QPushButton;

namespace korrimet {

enum class DocumentKind { Spreadsheet, WordProcessor };

inline const QString kNoSpreadsheetMessage = QStringLiteral("你的电脑上未装EXCEL，请装入以后，才能使用！");
inline const QString kNoWordProcessorMessage = QStringLiteral("你的电脑上未装WORD，请装入以后，才能使用！");

// What a document window holds: shown as stored, opened for editing by
// activation and made read-only again by closing, the edits still in view.
// Nothing the user changes is ever saved: a new window shows the stored copy.
class StoredDocument {
public:
    virtual ~StoredDocument() = default;
    // Creates the view (called once, by the window).
    virtual QWidget* createView() = 0;
    // Shows the stored content, not editable; false when nothing is stored.
    virtual bool restore() = 0;
    virtual void setEditable(bool editable) = 0;
};

// A stored HTML resource (tables, headings, notes) in a rich-text view.
std::unique_ptr<StoredDocument> richTextDocument(const QString& resource);

// A tool window around one stored document: an optional title line `Label1`,
// the document `OLE1`, and under it, side by side, the activate button
// `Command5` and the close button `关闭EXCEL`.
class EmbeddedDocumentForm : public ToolWindow {
    Q_OBJECT
public:
    struct Layout {
        DocumentKind kind = DocumentKind::WordProcessor;
        QString activateCaption;   // "激活（复原）表格", "激活（复原）查看", "激活（复原）WORD文档"
        QRect documentTwips;       // OLE1: left, top, width, height
        int clientWidthTwips = 0;  // the window grows to hold the buttons when these are too small
        int clientHeightTwips = 0;
        QString title;             // 12-point title line above the document; none when empty
        QString titleName = QStringLiteral("Label1");
        QRect titleTwips;
    };

    EmbeddedDocumentForm(const QString& className, const QString& caption, const Layout& layout,
                         std::unique_ptr<StoredDocument> document);
    ~EmbeddedDocumentForm() override;

    bool isActive() const { return active_; }
    // Opens the document for editing and brings it to the front; when there
    // is no document to open, shows the kind's message and changes nothing.
    void activate();
    // Ends editing; the edits stay until the window closes.
    void closeDocument();

    static QString failureMessage(DocumentKind kind);
    static QString closeCaption(DocumentKind kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DocumentKind kind_;
    std::unique_ptr<StoredDocument> document_;
    QWidget* view_ = nullptr;
    bool stored_ = false;
    bool active_ = false;
};

}  // namespace korrimet
