#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

#include "common/widgets/embedded_document.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kStored = "<p>涂料系数</p><table><tr><td>白</td><td>1.00</td></tr></table>";

EmbeddedDocumentForm::Layout layout(DocumentKind kind, const QString& activate) {
    EmbeddedDocumentForm::Layout l;
    l.kind = kind;
    l.activateCaption = activate;
    l.documentTwips = QRect(120, 120, 4815, 3975);
    l.clientWidthTwips = 5040;
    l.clientHeightTwips = 4230;
    return l;
}

}  // namespace

class EmbeddedDocumentTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    QString path_;

    EmbeddedDocumentForm* make(DocumentKind kind = DocumentKind::WordProcessor, const QString& resource = {}) {
        auto* w = new EmbeddedDocumentForm("文档", "文档", layout(kind, "激活（复原）WORD文档"),
                                           richTextDocument(resource.isNull() ? path_ : resource));
        w->show();
        return w;
    }
    static QTextBrowser* doc(QWidget* w) { return test::child<QTextBrowser>(w, "OLE1"); }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        path_ = dir_.filePath("stored.html");
        QFile f(path_);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kStored.toUtf8());
    }
    void cleanup() { test::closeAllTools(); }

    void showsTheStoredDocumentReadOnlyWithItsButtonsUnderIt() {
        std::unique_ptr<EmbeddedDocumentForm> w(make());
        QVERIFY(doc(w.get())->isReadOnly());
        QVERIFY(doc(w.get())->toPlainText().contains("涂料系数"));
        auto* activate = test::child<QPushButton>(w.get(), "Command5");
        auto* close = test::child<QPushButton>(w.get(), "关闭EXCEL");
        QCOMPARE(activate->text(), "激活（复原）WORD文档");
        QCOMPARE(close->text(), "关闭WORD");
        QVERIFY(activate->geometry().top() >= doc(w.get())->geometry().bottom());
        QCOMPARE(close->geometry().top(), activate->geometry().top());
        QVERIFY(close->geometry().left() > activate->geometry().right());
        // The window grows to hold the button row.
        QVERIFY(w->height() > close->geometry().bottom());
        QVERIFY(w->height() > twips(4230));
    }

    void closingEndsEditingButKeepsTheEditsUntilTheWindowCloses() {
        std::unique_ptr<EmbeddedDocumentForm> w(make());
        MessageRecorder messages;
        test::click(w.get(), "Command5");
        QVERIFY(w->isActive());
        QVERIFY(!doc(w.get())->isReadOnly());
        doc(w.get())->insertPlainText("改动");
        test::click(w.get(), "Command5");  // again: brought to the front, edits kept, no message
        QVERIFY(doc(w.get())->toPlainText().contains("改动"));
        QVERIFY(messages.messages().isEmpty());

        test::click(w.get(), "关闭EXCEL");
        QVERIFY(!w->isActive());
        QVERIFY(doc(w.get())->isReadOnly());
        QVERIFY(doc(w.get())->toPlainText().contains("改动"));
        test::click(w.get(), "关闭EXCEL");  // nothing open: ignored
        test::click(w.get(), "Command5");
        QVERIFY(!doc(w.get())->isReadOnly());
        QVERIFY(doc(w.get())->toPlainText().contains("改动"));
        QVERIFY(messages.messages().isEmpty());

        // Nothing was saved: a new window shows the stored copy.
        w.reset(make());
        QVERIFY(!doc(w.get())->toPlainText().contains("改动"));
        QVERIFY(doc(w.get())->toPlainText().contains("涂料系数"));
    }

    void aDoubleClickOnTheShownDocumentActivatesIt() {
        std::unique_ptr<EmbeddedDocumentForm> w(make());
        QTest::mouseDClick(doc(w.get())->viewport(), Qt::LeftButton);
        QVERIFY(w->isActive());
        QVERIFY(!doc(w.get())->isReadOnly());
    }

    void withoutAStoredDocumentEachActivationShowsTheMessageOfItsKind() {
        MessageRecorder messages;
        std::unique_ptr<EmbeddedDocumentForm> word(make(DocumentKind::WordProcessor, ":/no/such/document.html"));
        test::click(word.get(), "Command5");
        test::click(word.get(), "Command5");
        QCOMPARE(messages.messages(), QStringList({kNoWordProcessorMessage, kNoWordProcessorMessage}));
        QVERIFY(!word->isActive());
        QVERIFY(doc(word.get())->isReadOnly());

        messages.clear();
        std::unique_ptr<EmbeddedDocumentForm> sheet(make(DocumentKind::Spreadsheet, ":/no/such/document.html"));
        QCOMPARE(test::child<QPushButton>(sheet.get(), "关闭EXCEL")->text(), "关闭EXCEL");
        test::click(sheet.get(), "Command5");
        QCOMPARE(messages.messages(), QStringList{kNoSpreadsheetMessage});
    }

    void editsAreGoneWhenTheWindowIsOpenedAgain() {
        const QString cls = "文档重开";
        ToolRegistry::instance().add(cls, "文档", [this](ToolRegistry&) -> QWidget* {
            return new EmbeddedDocumentForm("文档重开", "文档", layout(DocumentKind::WordProcessor, "激活（复原）查看"),
                                            richTextDocument(path_));
        });
        QWidget* w = test::openTool(cls);
        test::click(w, "Command5");
        doc(w)->insertPlainText("改动");
        test::closeAllTools();
        w = test::openTool(cls);
        QVERIFY(doc(w)->isReadOnly());
        QVERIFY(!doc(w)->toPlainText().contains("改动"));
        QVERIFY(doc(w)->toPlainText().contains("涂料系数"));
    }
};

KORRIMET_UI_TEST_MAIN(EmbeddedDocumentTest)
#include "embedded_document_uitest.moc"
