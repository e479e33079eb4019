#include <QApplication>
#include <QFile>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
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

// A two-by-two sheet with its workbook's sheet tabs beside the scroll bar.
class SheetDocument : public StoredDocument {
public:
    QWidget* createView() override {
        auto* table = new QTableWidget(2, 2);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 2; ++c) table->setItem(r, c, new QTableWidgetItem(QString::number(r * 2 + c)));
        auto* sheets = new QTabBar;
        sheets->setObjectName("Sheets");
        sheets->addTab("Sheet1");
        table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        table->addScrollBarWidget(sheets, Qt::AlignLeft);
        return table;
    }
    bool restore() override { return true; }
    void setEditable(bool) override {}
};

// The names of the controls the focus meets, from the focused one on, for
// `steps` presses of `key` with `modifiers`.
QStringList tabThrough(int steps, Qt::KeyboardModifiers modifiers = Qt::NoModifier, Qt::Key key = Qt::Key_Tab) {
    QStringList met{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        met << QApplication::focusWidget()->objectName();
    }
    return met;
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

    // Tab moves between the cells of a table, as in a spreadsheet; Ctrl+Tab
    // leaves it for the controls under it, and Ctrl+Shift+Tab goes back.
    void tabMovesBetweenCellsAndCtrlTabLeavesTheTable() {
        EmbeddedDocumentForm w("表格", "表格", layout(DocumentKind::Spreadsheet, "激活（复原）表格"),
                               std::make_unique<SheetDocument>());
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        auto* table = test::child<QTableWidget>(&w, "OLE1");
        table->setFocus();
        table->setCurrentCell(0, 0);
        QCOMPARE(tabThrough(2), QStringList({"OLE1", "OLE1", "OLE1"}));
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(table->currentColumn(), 0);

        QCOMPARE(tabThrough(1, Qt::ControlModifier), QStringList({"OLE1", "Sheets"}));
        QCOMPARE(table->currentRow(), 1);  // the cell stays where it was
        QCOMPARE(table->currentColumn(), 0);
        QCOMPARE(tabThrough(2), QStringList({"Sheets", "Command5", "关闭EXCEL"}));
        QCOMPARE(tabThrough(3, Qt::ShiftModifier), QStringList({"关闭EXCEL", "Command5", "Sheets", "OLE1"}));
        QCOMPARE(tabThrough(1, Qt::ControlModifier | Qt::ShiftModifier), QStringList({"OLE1", "关闭EXCEL"}));
        // Keyboards send Shift+Tab as a back tab.
        test::child<QTabBar>(&w, "Sheets")->setFocus();
        QCOMPARE(tabThrough(1, Qt::ShiftModifier, Qt::Key_Backtab), QStringList({"Sheets", "OLE1"}));
        QCOMPARE(tabThrough(1, Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Backtab),
                 QStringList({"OLE1", "关闭EXCEL"}));
        QCOMPARE(table->currentRow(), 1);
        QCOMPARE(table->currentColumn(), 0);
        QCOMPARE(table->item(0, 0)->text(), "0");
    }

    // An open document takes Tab as typing, as its word processor does;
    // Ctrl+Tab leaves it without typing.
    void anOpenDocumentTakesTabAndCtrlTabLeavesIt() {
        std::unique_ptr<EmbeddedDocumentForm> w(make());
        w->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(w.get()));
        test::click(w.get(), "Command5");
        QTextBrowser* document = doc(w.get());
        QCOMPARE(QApplication::focusWidget(), document);
        QTest::keyClick(document, Qt::Key_Tab);
        QVERIFY(document->toPlainText().contains('\t'));
        const QString typed = document->toPlainText();
        QCOMPARE(tabThrough(1, Qt::ControlModifier), QStringList({"OLE1", "Command5"}));
        QCOMPARE(document->toPlainText(), typed);
    }

    void editsAreGoneWhenTheWindowIsOpenedAgain() {
        const QString cls = "文档重开";
        ToolRegistry::instance().add(cls, "文档", [this](ToolRegistry&) -> ToolWindow* {
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
