#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextTable>

#include "common/widgets/tool_window.h"
#include "support/ui_support.h"

using namespace korrimet;

class TankTablesTest : public QObject {
    Q_OBJECT

    static QTextTable* firstTable(QTextBrowser* view) {
        for (QTextFrame* f : view->document()->rootFrame()->childFrames())
            if (auto* t = qobject_cast<QTextTable*>(f)) return t;
        return nullptr;
    }
    static QString cell(QTextTable* t, int row, int col) {
        QTextTableCell c = t->cellAt(row, col);
        QTextCursor cursor = c.firstCursorPosition();
        cursor.setPosition(c.lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText().replace(QChar::LineSeparator, "");
    }

private slots:
    void cleanup() { test::closeAllTools(); }

    void eachTableShowsItsStoredCellsReadOnly() {
        struct Expect {
            const char* cls;
            const char* caption;
            QRect document;  // twips
            int rows, cols;
            int row, col;
            const char* cellText;
        };
        const Expect tables[] = {
            {"边圈密封损耗系数", "边圈密封损耗系数 Ke", {120, 120, 6375, 2055}, 5, 2, 2, 1, "9.8"},
            // two header rows, nine welded and three riveted variants
            {"mfxs", "密封相关系数Kt和与密封有关的风速指数", {120, 120, 5535, 4455}, 14, 7, 13, 5, "-"},
            {"tlxs", "表A.0.3-1 涂料系数 Fp", {120, 120, 4815, 3975}, 11, 4, 9, 2, "1.33"},
        };
        for (const Expect& e : tables) {
            QWidget* w = test::openTool(e.cls);
            QCOMPARE(w->windowTitle(), QString::fromUtf8(e.caption));
            auto* view = test::child<QTextBrowser>(w, "OLE1");
            QCOMPARE(view->geometry(), twipsRect(e.document.left(), e.document.top(), e.document.width(),
                                                 e.document.height()));
            QVERIFY(view->isReadOnly());
            QTextTable* t = firstTable(view);
            QVERIFY2(t, e.cls);
            QCOMPARE(t->rows(), e.rows);
            QCOMPARE(t->columns(), e.cols);
            QCOMPARE(cell(t, e.row, e.col), QString::fromUtf8(e.cellText));
            QCOMPARE(test::child<QPushButton>(w, "Command5")->text(), "激活（复原）WORD文档");
            QCOMPARE(test::child<QPushButton>(w, "关闭EXCEL")->text(), "关闭WORD");
        }
    }

    void theWeldedTankGroupIsWrittenDownItsCell() {
        QWidget* w = test::openTool("mfxs");
        QTextTable* t = firstTable(test::child<QTextBrowser>(w, "OLE1"));
        QCOMPARE(cell(t, 2, 0), "焊接罐");
        QCOMPARE(t->cellAt(10, 0).row(), 2);  // one cell spans the nine welded rows
        QCOMPARE(cell(t, 11, 0), "铆接油罐");
        QCOMPARE(cell(t, 8, 6), "1.7");  // vapour-space seal, primary only, small gap: n
    }

    // Rows 3 and 4 are the specular aluminium (1), rows 5 and 6 the diffuse one (2) of the source table;
    // 5 and 6 once repeated the labels of 3 and 4 with other values.
    void thePaintTableTellsBothAluminiumsApart() {
        QTextTable* t = firstTable(test::child<QTextBrowser>(test::openTool("tlxs"), "OLE1"));
        const QStringList rows[] = {{"白", "铝粉(1)", "1.16"},
                                    {"铝粉(1)", "铝粉(1)", "1.20"},
                                    {"白", "铝粉(2)", "1.30"},
                                    {"铝粉(2)", "铝粉(2)", "1.39"}};
        for (int r = 0; r < 4; ++r)
            QCOMPARE(QStringList({cell(t, 4 + r, 0), cell(t, 4 + r, 1), cell(t, 4 + r, 2)}), rows[r]);
    }

    void editsToATableLastUntilTheWindowCloses() {
        QWidget* w = test::openTool("tlxs");
        auto* view = test::child<QTextBrowser>(w, "OLE1");
        const QString stored = view->toPlainText();
        QVERIFY(stored.contains("注:(1)有金属光泽 (2)无金属光泽"));
        test::click(w, "Command5");
        QVERIFY(!view->isReadOnly());
        view->moveCursor(QTextCursor::End);
        view->insertPlainText("1.99");
        const QString edited = view->toPlainText();
        QVERIFY(edited != stored);
        test::click(w, "关闭EXCEL");
        QCOMPARE(view->toPlainText(), edited);
        QVERIFY(view->isReadOnly());
        test::closeAllTools();
        w = test::openTool("tlxs");
        QCOMPARE(test::child<QTextBrowser>(w, "OLE1")->toPlainText(), stored);
    }
};

KORRIMET_UI_TEST_MAIN(TankTablesTest)
#include "tank_tables_window_uitest.moc"
