#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "common/widgets/help_button.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/stores.h"
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

        // A caption too wide for its small button is set smaller, not cut off;
        // one that fits keeps the window's type.
        QPushButton* narrow = f.button("Command2", "......?", 0, 800, 570, 300);
        QVERIFY(narrow->fontMetrics().horizontalAdvance("......?") <= narrow->width() - 6);
        QPushButton* wide = f.button("Command3", "......?", 0, 1200, 1500, 300);
        QCOMPARE(wide->font().pointSizeF(), w.font().pointSizeF());
    }

    // A press after a good one: the bad entry is named once, and no result
    // keeps the good press's value or is computed from the old entry.
    void aFailedPressClearsItsResultsAndNamesTheEntry() {
        MessageRecorder messages;
        ToolWindow w("形状", "形状", 6000, 3000);
        FormBuilder f = w.form();
        f.label("Label1", "耗煤量(t)：", 0, 0, 1500, 300);
        QLineEdit* b = f.textBox("Text1", 1500, 0, 900, 300, "100");
        QLineEdit* eta = f.textBox("Text2", 1500, 400, 900, 300, "50");
        f.label("Label2", "除尘效率%", 1500, 700, 1500, 300);  // a label below names nothing
        QLineEdit* r1 = f.textBox("Text3", 3000, 0, 900, 300);
        QLineEdit* r2 = f.textBox("Text4", 3000, 400, 900, 300);
        r2->setToolTip("own tip");
        float sb = 0, se = 0;
        auto press = [&] {
            Press p(&w);
            p.read(sb, b, Range::NonNegative);
            p.put(r1, [&] { return NumberText(sb); });  // written before the second entry is read
            p.read(se, eta, Range::Percent);
            p.put(r2, [&] { return NumberText(single(sb * (1 - se / 100))); });
        };
        press();
        QCOMPARE(r1->text(), "100");
        QCOMPARE(r2->text(), "50");
        QVERIFY(messages.messages().isEmpty());

        eta->setText("300");
        b->setText("25O");
        press();
        QCOMPARE(messages.messages().size(), 1);
        QCOMPARE(messages.messages().first(),
                 QString("无法计算，请检查：\n“耗煤量(t)”：不是有效的数值\n“Text2”：须在0～100之间"));
        QVERIFY(r1->text().isEmpty() && r2->text().isEmpty());
        QCOMPARE(r2->placeholderText(), "无法计算");

        messages.clear();
        b->setText("10");
        eta->setText("");
        press();  // the first group is sound again, the second is not
        QCOMPARE(r1->text(), "10");
        QVERIFY(r2->text().isEmpty());
        QVERIFY(messages.messages().first().contains("“Text2”：未输入数值"));

        eta->setText("50");
        press();
        QCOMPARE(r2->text(), "5");
        QCOMPARE(r2->toolTip(), "own tip");
        QVERIFY(r2->placeholderText().isEmpty());
    }

    void aLivePressNeverPopsABoxAndShowsNoInfinity() {
        MessageRecorder messages;
        ToolWindow w("形状", "形状", 6000, 3000);
        FormBuilder f = w.form();
        QLineEdit* r = f.textBox("Text1", 0, 0, 900, 300, "7");
        QLabel* status = f.label("Label1", "", 0, 400, 3000, 300);
        {
            Press p(&w, PressMode::Live);
            p.setStatus(status);
            p.put(r, [] { return std::string("Infinity"); });
        }
        QVERIFY(messages.messages().isEmpty());
        QVERIFY(r->text().isEmpty());
        QVERIFY(status->text().contains("结果不是有效的数值"));
        QVERIFY(r->toolTip().contains("结果不是有效的数值"));
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
