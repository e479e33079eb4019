#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "common/widgets/embedded_document.h"
#include "common/widgets/cell_table.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

struct Sheet {
    const char* className;
    const char* caption;
    const char* titleName;  // nullptr for none
    const char* title;
};

const Sheet kSheets[] = {
    {"麻纺类", "麻纺类", nullptr, nullptr},
    {"丝织类", "丝织类", nullptr, nullptr},
    {"绒线类", "绒线类", nullptr, nullptr},
    {"毛粗纺", "毛粗纺", nullptr, nullptr},
    {"毛精纺", "毛精纺", nullptr, nullptr},
    {"棉针织", "棉针织", nullptr, nullptr},
    {"棉机织", "棉机织", nullptr, nullptr},
    {"制革行业", "制革行业", "Label1", "制革行业污染物排放的计算"},
    {"酒精行业污染物", "酒精行业污染物", "Label1", "酒精行业污染物排放的计算"},
    {"纸袋纸新闻纸书写纸", "纸袋纸、新闻纸、书写纸", "Label1", "纸袋纸、新闻纸、书写纸行业污染物排放的计算"},
    {"碱法制浆行业", "碱法制浆行业", "Label1", "碱法制浆行业污染物排放的计算"},
    {"镍行业", "镍行业", "镍行业", "镍行业行业污染物排放的计算"},
    {"铝铸件铝材", "铝铸件铝材", "铝铸件铝材", "铝铸件铝材行业污染物排放的计算"},
    {"铝薄板铝箔", "铝薄板铝箔", "铝薄板铝箔", "铝薄板铝箔行业污染物排放的计算"},
    {"铝锭铝厚板", "铝锭铝厚板", "Label1", "铝锭铝厚板行业污染物排放的计算"},
    {"电解铝", "电解铝", "Label1", "电解铝行业污染物排放的计算"},
    {"氧化铝", "氧化铝", "Label1", "氧化铝行业污染物排放的计算"},
    {"粗锌行业污染物排放", "粗锌行业污染物排放", "Label1", "粗锌行业污染物排放的计算"},
    {"粗铅行业产排污量", "粗铅行业产排污量", "Label1", "粗铅行业污染物排放的计算"},
    {"铜锭铜板铅管带", "铜锭铜板铅管带", "Label1", "铜锭、铜板、铅管带污染物排放的计算"},
    {"粗铜行业", "粗铜行业", "Label1", "粗铜行业污染物排放的计算"},
    {"铜精矿污染物", "铜精矿污染物排放的计算", "Label1", "铜精矿污染物排放的计算"},
};

QTableWidget* sheetOf(QWidget* w) { return test::child<QTableWidget>(w, "OLE1"); }

// The text of a cell by its spreadsheet name, "E10".
QString cell(QWidget* w, const QString& at) {
    const QTableWidgetItem* item = sheetOf(w)->item(at.mid(1).toInt() - 1, at[0].unicode() - 'A');
    return item ? item->text() : QString();
}

void type(QWidget* w, const QString& at, const QString& text) {
    QTableWidget* t = sheetOf(w);
    const int row = at.mid(1).toInt() - 1, column = at[0].unicode() - 'A';
    t->setCurrentCell(row, column);
    QTest::keyClicks(t, text.left(1));  // a key starts the edit, as in a spreadsheet
    auto* editor = t->viewport()->findChild<QLineEdit*>();
    QVERIFY(editor);
    QTest::keyClicks(editor, text.mid(1));
    QTest::keyClick(editor, Qt::Key_Return);
    // The editor hands its text over after the key, and goes.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

}  // namespace

class CoefficientSheetsWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void everySheetOpensOnceWithItsCaptionTitleAndButtons() {
        for (const Sheet& s : kSheets) {
            QWidget* w = test::openTool(s.className);
            QVERIFY2(w, s.className);
            QCOMPARE(w->windowTitle(), QString(s.caption));
            QCOMPARE(test::openTool(s.className), w);
            QCOMPARE(test::child<QPushButton>(w, "Command5")->text(), "激活（复原）表格");
            QCOMPARE(test::child<QPushButton>(w, "关闭EXCEL")->text(), "关闭EXCEL");
            const QList<QLabel*> labels = w->findChildren<QLabel*>();
            if (s.titleName) {
                QCOMPARE(labels.size(), 1);
                QCOMPARE(labels[0]->objectName(), QString(s.titleName));
                QCOMPARE(labels[0]->text(), QString(s.title));
            } else {
                QVERIFY2(labels.isEmpty(), s.className);
            }
            // The whole sheet shows inside its container.
            QTableWidget* t = sheetOf(w);
            QVERIFY2(t->verticalHeader()->length() <= t->viewport()->height(), s.className);
            QVERIFY2(t->horizontalHeader()->length() <= t->viewport()->width(), s.className);
            QVERIFY2(t->editTriggers() == QAbstractItemView::NoEditTriggers, s.className);
        }
        QCOMPARE(ToolRegistry::instance().openWindows().size(), int(std::size(kSheets)));
    }

    void theStoredSheetShowsTheResultsOfItsDefaults() {
        QWidget* w = test::openTool("铜精矿污染物");
        QCOMPARE(cell(w, "C1"), "1500");
        QCOMPARE(cell(w, "E3"), "1441500");
        QCOMPARE(cell(w, "F3"), "626400");
        QCOMPARE(cell(w, "E4"), "17670");
        QCOMPARE(cell(w, "F4"), "1620");
        QCOMPARE(cell(test::openTool("粗铜行业"), "F9"), "251.85");
        QWidget* silk = test::openTool("丝织类");
        QCOMPARE(cell(silk, "E7"), "7.7");
        QCOMPARE(cell(silk, "F7"), "7—8");
        QCOMPARE(sheetOf(silk)->columnSpan(0, 0), 6);
    }

    void anActivatedSheetRecomputesOnlyTheTableOfTheChangedAmount() {
        MessageRecorder messages;
        QWidget* w = test::openTool("铝锭铝厚板");
        QCOMPARE(cell(w, "E10"), "88635");
        QCOMPARE(cell(w, "F10"), "34689");
        const QString firstTable = cell(w, "E4");
        test::click(w, "Command5");
        QVERIFY(sheetOf(w)->editTriggers() != QAbstractItemView::NoEditTriggers);
        type(w, "C8", "100");
        QCOMPARE(cell(w, "C8"), "100");
        QCOMPARE(cell(w, "E10"), "29545");
        QCOMPARE(cell(w, "E4"), firstTable);
        type(w, "C8", "abc");
        QCOMPARE(cell(w, "E10"), "#VALUE!");
        QVERIFY(messages.messages().isEmpty());

        // Closing the sheet keeps the edits in view; only a new window shows the stored sheet.
        test::click(w, "关闭EXCEL");
        QCOMPARE(cell(w, "C8"), "abc");
        QCOMPARE(cell(w, "E10"), "#VALUE!");
        QVERIFY(sheetOf(w)->editTriggers() == QAbstractItemView::NoEditTriggers);
        test::click(w, "Command5");
        type(w, "C2", "1");
        test::closeAllTools();
        w = test::openTool("铝锭铝厚板");
        QCOMPARE(cell(w, "C2"), "200");
        QCOMPARE(cell(w, "E10"), "88635");
    }

    void aDoubleClickActivatesAndFormulaCellsStayFormulas() {
        QWidget* w = test::openTool("丝织类");
        QTableWidget* t = sheetOf(w);
        const QRect c = t->visualRect(t->model()->index(6, 2));
        QTest::mouseDClick(t->viewport(), Qt::LeftButton, {}, c.center());
        QVERIFY(t->editTriggers() != QAbstractItemView::NoEditTriggers);
        QVERIFY(!(t->item(6, 4)->flags() & Qt::ItemIsEditable));
        QVERIFY(t->item(6, 2)->flags() & Qt::ItemIsEditable);
        t->item(6, 2)->setText("8.1");
        QCOMPARE(cell(w, "E7"), "8.1");
    }

    // A copied spreadsheet cell is "2\r\n": the cell's editor takes it as the
    // amount, as does the selected input cell with no editor open, while the
    // sheet is activated. A block of cells is refused; a formula takes none.
    void anInputCellTakesAPastedCell() {
        MessageRecorder messages;
        QWidget* w = test::openTool("麻纺类");
        QTableWidget* t = sheetOf(w);
        auto paste = [](QWidget* to, const QString& clipboard) {
            QGuiApplication::clipboard()->setText(clipboard);
            QTest::keyClick(to, Qt::Key_V, Qt::ControlModifier);
        };
        t->setFocus();
        t->setCurrentCell(1, 4);
        paste(t, "2");
        QCOMPARE(cell(w, "E2"), "2600");

        test::click(w, "Command5");
        t->setCurrentCell(1, 4);
        QTest::keyClick(t, Qt::Key_F2);
        auto* editor = t->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->selectAll();
        paste(editor, "2\r\n");
        QCOMPARE(editor->text(), "2");
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(cell(w, "E2"), "2");
        QCOMPARE(cell(w, "E4"), "1432");

        paste(t, " 3\t");
        QCOMPARE(cell(w, "E2"), "3");
        QCOMPARE(cell(w, "E4"), "2148");
        paste(t, "4\t5\r\n6\t7\r\n");
        QCOMPARE(cell(w, "E2"), "3");
        QCOMPARE(messages.messages(), QStringList{kCellBlockMessage});
        t->setCurrentCell(3, 4);
        paste(t, "9");
        QCOMPARE(cell(w, "E4"), "2148");
        QCOMPARE(messages.messages().size(), 1);

        // The same block into an open editor: the real box takes the focus,
        // and the editor is still open as it was once the box is closed.
        t->setCurrentCell(1, 4);
        QTest::keyClick(t, Qt::Key_F2);
        editor = t->viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        QTest::keyClicks(editor, "5");
        MessageService* recorder = MessageService::install(nullptr);
        QTimer::singleShot(0, [] {
            (void)QTest::qWaitFor([] { return QApplication::activeWindow() == QApplication::activeModalWidget(); });
            QApplication::activeModalWidget()->close();
        });
        paste(editor, "1\t2");
        MessageService::install(recorder);
        QCOMPARE(cell(w, "E2"), "3");
        QCOMPARE(w->focusWidget(), editor);  // the focus comes back to it with the window
        QCOMPARE(editor->text(), "5");
        QCOMPARE(editor->cursorPosition(), 1);
        QTest::keyClick(editor, Qt::Key_Escape);
        QCOMPARE(cell(w, "E2"), "3");
    }

    void onlyTheFirstWorksheetHoldsData() {
        QWidget* w = test::openTool("麻纺类");
        auto* sheets = sheetOf(w)->findChild<QTabBar*>();
        QVERIFY(sheets);
        QCOMPARE(sheets->count(), 3);
        QCOMPARE(sheets->tabText(2), "Sheet3");
        sheets->setCurrentIndex(1);
        QVERIFY(sheetOf(w)->isRowHidden(0));
        sheets->setCurrentIndex(0);
        QVERIFY(!sheetOf(w)->isRowHidden(0));
        QCOMPARE(sheetOf(w)->rowCount(), 7);  // 麻纺类 has no 色度 row
    }

    // A cell of a sheet that is not shown takes no key, paste or editor
    // (麻纺类 alone has more sheets than one).
    void aHiddenCellTakesNothing() {
        QWidget* w = test::openTool("麻纺类");
        QTableWidget* t = sheetOf(w);
        test::click(w, "Command5");
        t->setFocus();
        t->setCurrentCell(1, 4);
        // An input method's composition over the selected amount, then the
        // wheel over the sheet tabs: the composition gives the amount back first.
        QTest::keyClick(t, Qt::Key_F2);
        QInputMethodEvent pinyin("ni", {});
        QApplication::sendEvent(t->viewport()->findChild<QLineEdit*>(), &pinyin);
        const QPoint at = t->findChild<QTabBar*>()->mapTo(w, QPoint(4, 4));
        QWheelEvent wheel(at, w->mapToGlobal(at), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w->windowHandle(), &wheel);
        QVERIFY(!t->currentIndex().isValid());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        t->setCurrentCell(1, 4);  // as a key or a click might
        QGuiApplication::clipboard()->setText("7");
        QTest::keyClick(t, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClicks(t, "8");
        QTest::keyClick(t, Qt::Key_F2);
        QVERIFY(!t->viewport()->findChild<QLineEdit*>());
        QTest::keyClick(t, Qt::Key_Return);
        QCOMPARE(cell(w, "E2"), "2600");
        QCOMPARE(cell(w, "E4"), "1861600");
    }
};

KORRIMET_UI_TEST_MAIN(CoefficientSheetsWindowTest)
#include "coefficient_sheets_window_uitest.moc"
