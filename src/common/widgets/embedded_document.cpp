#include "common/widgets/embedded_document.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <algorithm>

#include "common/widgets/stored_page.h"
#include "platform/message_service.h"

namespace korrimet {
namespace {

constexpr int kButtonGap = 90;
constexpr int kButtonHeight = 390;
constexpr int kActivateWidth = 2400;
constexpr int kCloseWidth = 1500;
constexpr int kMargin = 120;

class RichTextDocument : public StoredDocument {
public:
    explicit RichTextDocument(QString resource) : resource_(std::move(resource)) {}

    QWidget* createView() override {
        view_ = new QTextBrowser;
        view_->setOpenLinks(false);
        return view_;
    }

    bool restore() override {
        const QString html = resourceText(resource_);
        view_->setReadOnly(true);
        if (html.isEmpty()) {
            view_->clear();
            return false;
        }
        view_->setHtml(html);
        return true;
    }

    void setEditable(bool editable) override { view_->setReadOnly(!editable); }

private:
    QString resource_;
    QTextBrowser* view_ = nullptr;
};

QRect buttonRow(const QRect& doc) {
    return QRect(doc.left(), doc.top() + doc.height() + kButtonGap, kActivateWidth + kMargin + kCloseWidth,
                 kButtonHeight);
}

int clientWidth(const EmbeddedDocumentForm::Layout& l) {
    const QRect row = buttonRow(l.documentTwips);
    return std::max({l.clientWidthTwips, row.left() + row.width() + kMargin,
                     l.documentTwips.left() + l.documentTwips.width() + kMargin});
}

int clientHeight(const EmbeddedDocumentForm::Layout& l) {
    const QRect row = buttonRow(l.documentTwips);
    return std::max(l.clientHeightTwips, row.top() + row.height() + kMargin);
}

}  // namespace

std::unique_ptr<StoredDocument> richTextDocument(const QString& resource) {
    return std::make_unique<RichTextDocument>(resource);
}

QString EmbeddedDocumentForm::failureMessage(DocumentKind kind) {
    return kind == DocumentKind::Spreadsheet ? kNoSpreadsheetMessage : kNoWordProcessorMessage;
}

QString EmbeddedDocumentForm::closeCaption(DocumentKind kind) {
    return kind == DocumentKind::Spreadsheet ? QStringLiteral("关闭EXCEL") : QStringLiteral("关闭WORD");
}

EmbeddedDocumentForm::EmbeddedDocumentForm(const QString& className, const QString& caption, const Layout& layout,
                                           std::unique_ptr<StoredDocument> document)
    : ToolWindow(className, caption, clientWidth(layout), clientHeight(layout)),
      kind_(layout.kind),
      document_(std::move(document)) {
    FormBuilder f = form();
    if (!layout.title.isEmpty()) {
        const QRect t = layout.titleTwips;
        f.label(layout.titleName, layout.title, t.left(), t.top(), t.width(), t.height())->setFont(songti(12));
    }
    const QRect d = layout.documentTwips;
    view_ = f.place(document_->createView(), QStringLiteral("OLE1"), d.left(), d.top(), d.width(), d.height());
    stored_ = document_->restore();

    const QRect row = buttonRow(d);
    QPushButton* activateButton =
        f.button(QStringLiteral("Command5"), layout.activateCaption, row.left(), row.top(), kActivateWidth, kButtonHeight);
    QPushButton* closeButton = f.button(QStringLiteral("关闭EXCEL"), closeCaption(kind_),
                                        row.left() + kActivateWidth + kMargin, row.top(), kCloseWidth, kButtonHeight);
    connect(activateButton, &QPushButton::clicked, this, [this] { activate(); });
    connect(closeButton, &QPushButton::clicked, this, [this] { closeDocument(); });

    // A double click on the shown document opens it, as the button does.
    // Tab goes on from the controls inside it (see eventFilter).
    view_->installEventFilter(this);
    if (auto* area = qobject_cast<QAbstractScrollArea*>(view_)) area->viewport()->installEventFilter(this);
    for (QWidget* inner : view_->findChildren<QWidget*>())
        if (inner->focusPolicy() & Qt::TabFocus) inner->installEventFilter(this);
}

EmbeddedDocumentForm::~EmbeddedDocumentForm() = default;

void EmbeddedDocumentForm::activate() {
    if (!stored_) {
        ShowMessage(failureMessage(kind_), this);
        return;
    }
    if (!active_) {
        document_->setEditable(true);
        active_ = true;
    }
    raise();
    activateWindow();
    view_->setFocus();
}

void EmbeddedDocumentForm::closeDocument() {
    if (!active_) return;  // nothing is being edited
    // The edits stay in view until the window closes; only a new window shows the stored copy.
    document_->setEditable(false);
    active_ = false;
}

bool EmbeddedDocumentForm::eventFilter(QObject* watched, QEvent* event) {
    auto* area = qobject_cast<QAbstractScrollArea*>(view_);
    const bool document = watched == view_ || (area && watched == area->viewport());
    // A table keeps Tab for its cells, as a spreadsheet does (Ctrl+Tab leaves
    // it, as it leaves every control), but a control inside the document (a
    // workbook's sheet tabs) would hand Tab to the table too.
    if (event->type() == QEvent::KeyPress && !document) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            focusNextPrevChild(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (event->type() == QEvent::MouseButtonDblClick && !active_ && document) activate();
    return ToolWindow::eventFilter(watched, event);
}

}  // namespace korrimet
