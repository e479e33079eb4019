#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "common/widgets/help_button.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/report_box.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_window.h"
#include "support/ui_support.h"

using namespace korrimet;

class ShapesTest : public QObject {
    Q_OBJECT
private slots:
    void changesAndClicksRecomputeButLoadingDoesNot() {
        ToolWindow w("形状", "形状", 3000, 3000);
        FormBuilder f = w.form();
        QLineEdit* a = f.textBox("Text1", 0, 0, 900, 300, "2");
        QLineEdit* r = f.textBox("Text2", 0, 400, 900, 300);
        int runs = 0;
        (new LiveRecompute(&w))->onChange({a}, [&] { ++runs; r->setText(a->text() + "!"); }).onClick({r}, [&] {
            ++runs;
        });
        QCOMPARE(runs, 0);
        a->setText("25");
        QCOMPARE(runs, 1);
        QCOMPARE(r->text(), "25!");
        a->setText("25");  // an unchanged text is no change
        QCOMPARE(runs, 1);
        w.show();
        QTest::mouseClick(r, Qt::LeftButton);
        QCOMPARE(runs, 2);
    }

    void aHandlerThatWritesItsOwnInputDoesNotLoop() {
        ToolWindow w("形状", "形状", 3000, 3000);
        QLineEdit* a = w.form().textBox("Text1", 0, 0, 900, 300);
        int runs = 0;
        (new LiveRecompute(&w))->onChange({a}, [&] {
            ++runs;
            a->setText(a->text() + "x");
        });
        a->setText("1");
        QCOMPARE(runs, 1);
        QCOMPARE(a->text(), "1x");
    }

    void chainedBoxesFollowEachOther() {
        ToolWindow w("形状", "形状", 3000, 3000);
        FormBuilder f = w.form();
        QLineEdit* v = f.textBox("V", 0, 0, 900, 300);
        QLineEdit* n = f.textBox("N", 0, 0, 900, 300);
        QLineEdit* total = f.textBox("T", 0, 0, 900, 300);
        auto* live = new LiveRecompute(&w);
        live->onChange({v}, [&] { n->setText(v->text() + "n"); });
        live->onChange({n}, [&] { total->setText(n->text() + "t"); });
        v->setText("1");
        QCOMPARE(total->text(), "1nt");
    }

    void writingTheSameTextStillRecomputes() {
        ToolWindow w("形状", "形状", 3000, 3000);
        QLineEdit* a = w.form().textBox("Text1", 0, 0, 900, 300, "5");
        int runs = 0;
        (new LiveRecompute(&w))->onChange({a}, [&] { ++runs; });
        setTextAndNotify(a, "5");
        QCOMPARE(runs, 1);
        setTextAndNotify(a, "6");
        QCOMPARE(runs, 2);
        QCOMPARE(a->text(), "6");
    }

    void aReportReplacesTheWholeText() {
        QTextEdit box;
        setReport(&box, joinReport({"a", "b"}));
        setReport(&box, joinReport({"c", "d"}, "\r", true));
        QCOMPARE(reportText(&box), "c\rd\r");
        QCOMPARE(box.toPlainText(), "c\nd\n");
    }

    void helpButtonsShowTheirTextAsStored() {
        ToolWindow w("形状", "形状", 3000, 3000);
        FormBuilder f = w.form();
        QLineEdit* input = f.textBox("Text1", 0, 0, 900, 300, "abc");
        helpButton(f, "Command1", "......?", 0, 400, 915, 240, "取值范围：0～1！ 见  手册");
        MessageRecorder messages;
        test::click(&w, "Command1");
        test::click(&w, "Command1");
        QCOMPARE(messages.messages(), QStringList({"取值范围：0～1！ 见  手册", "取值范围：0～1！ 见  手册"}));
        QCOMPARE(input->text(), "abc");
    }

    void aMissingResourceGivesAnEmptyPage() {
        ToolWindow w("形状", "形状", 3000, 3000);
        FormBuilder f = w.form();
        QTextBrowser* page = storedPage(f, "Picture1", ":/no/such.html", 0, 0, 900, 900);
        QVERIFY(page->isReadOnly());
        QVERIFY(page->toPlainText().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(ShapesTest)
#include "shapes_uitest.moc"
