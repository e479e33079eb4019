#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextLayout>

#include "common/number_text.h"
#include "support/ui_support.h"

using namespace korrimet;

class LeakRateWindowsTest : public QObject {
    Q_OBJECT

    static double number(QWidget* w, const char* box) {
        return ParseNumber(test::text(w, box).toStdString(), Precision::Single);
    }
    static QString warning(QWidget* w) { return test::child<QLabel>(w, "FlashWarning")->text(); }

private slots:
    void cleanup() { test::closeAllTools(); }

    // The formula never breaks inside its root and, like the symbol table, fits its box.
    void formulasAndSymbolTablesFitTheirBoxes() {
        for (const char* name : {"液体泄漏速度", "气体泄漏量", "两相泄漏量计算"}) {
            QWidget* w = test::openTool(name);
            w->show();
            QCoreApplication::processEvents();
            auto* picture = test::child<QTextBrowser>(w, "Image1");
            QTextDocument* doc = picture->document();
            QVERIFY2(doc->size().width() <= picture->viewport()->width() &&
                         doc->size().height() <= picture->viewport()->height(),
                     name);
            for (QTextBlock b = doc->begin(); b.isValid(); b = b.next())
                for (int i = 0; i < b.layout()->lineCount(); ++i) {
                    const QTextLine line = b.layout()->lineAt(i);
                    const QString text = b.text().mid(line.textStart(), line.textLength());
                    if (text.contains("√[")) QVERIFY2(text.trimmed().endsWith("]"), qPrintable(text));
                }
            auto* legend = test::child<QLabel>(w, "Label2");
            QVERIFY2(legend->heightForWidth(legend->width()) <= legend->height(), name);
            QVERIFY(legend->text().contains("式中："));
        }
    }

    void liquidLeakOfTheDefaults() {
        QWidget* w = test::openTool("液体泄漏速度");
        QCOMPARE(test::text(w, "Text6"), "");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text6"), "119.4063");
        test::setText(w, "Text2", "101325");
        test::setText(w, "Text4", "0");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text6"), "0");
    }

    // After a good press a bad entry or a hole that lets nothing out is said, and no old value remains.
    void aFailedPressIsSaidAndClearsTheResult() {
        MessageRecorder messages;
        QWidget* w = test::openTool("液体泄漏速度");
        test::click(w, "Command1");
        test::setText(w, "Text5", "");
        test::click(w, "Command1");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“ρ--液体密度（Kg/m3）”：未输入数值"});
        QCOMPARE(test::text(w, "Text6"), "");
        test::setText(w, "Text5", "800");
        test::setText(w, "Text2", "10000");  // far below ambient
        test::click(w, "Command1");
        QVERIFY(messages.messages().value(1).contains("液体不会从裂口流出"));
        QCOMPARE(test::text(w, "Text6"), "");

        // The gas window's variables outlive a click and the window: none may decide a later result.
        QWidget* gas = test::openTool("气体泄漏量");
        test::click(gas, "Command1");
        QCOMPARE(test::text(gas, "Text6").left(6), "0.4889");
        test::setText(gas, "Text3", "13000");  // above the vessel pressure: 103 kg/s from the kept terms
        test::click(gas, "Command1");
        // The reason alone (was followed by the outflow terms failing after it).
        QCOMPARE(messages.messages().value(2), "无法计算，请检查：\n环境压力高于容器介质压力，气体不会从裂口流出");
        QCOMPARE(test::text(gas, "Text6"), "");
        test::closeAllTools();
        gas = test::openTool("气体泄漏量");
        test::setText(gas, "Text7", "1");
        test::setText(gas, "Text2", "30000");
        test::click(gas, "Command1");
        QCOMPARE(messages.messages().value(3), "无法计算，请检查：\n“气体绝热指数（热容比）”须大于1");
        QCOMPARE(test::text(gas, "Text6"), "");
        QCOMPARE(messages.messages().size(), 4);
    }

    void gasLeakByHoleShape() {
        QWidget* w = test::openTool("气体泄漏量");
        auto* shape = test::child<QComboBox>(w, "Combo1");
        QCOMPARE(shape->count(), 3);
        QCOMPARE(shape->itemText(1), "三角形");
        QCOMPARE(shape->currentText(), "");
        // The molecular weight is asked in g/mol and enters the formula in kg/mol (HJ 169-2018 appendix F).
        QCOMPARE(test::child<QLabel>(w, "Label13")->text(), "气体分子量（g/mol）：");
        test::click(w, "Command1");
        QCOMPARE(qRound(number(w, "Text6") * 10000), 4889);  // 15.46112 / √1000: was 15.46
        test::setComboText(w, "Combo1", "圆形");
        test::click(w, "Command1");
        QCOMPARE(qRound(number(w, "Text6") * 10000), 5432);
        test::setComboText(w, "Combo1", "椭圆形");
        test::setText(w, "Text2", "30000");
        test::click(w, "Command1");
        QCOMPARE(qRound(number(w, "Text6") * 10000), 16608);  // was 52.52
    }

    // Live: a bad entry clears the rate and says why in the window, never in a box.
    void twoPhaseRecomputesOnEveryEdit() {
        QWidget* w = test::openTool("两相泄漏量计算");
        QCOMPARE(test::text(w, "Text6"), "");
        QCOMPARE(warning(w), "");
        test::setText(w, "Text4", "260");  // no flashing: the liquid density alone
        QCOMPARE(test::text(w, "Text6"), "57.6");  // 0.8·A·√(2·ρ2·0.45·P)
        QCOMPARE(warning(w), "");
        const std::pair<const char*, const char*> bad[] = {
            {"Text3", ""}, {"Text7", "0"}, {"Text9", "1e999"}};  // once all shown as 57.6 or 0
        for (auto [box, entry] : bad) {
            const QString good = test::text(w, box);
            test::setText(w, box, entry);
            QCOMPARE(test::text(w, "Text6"), "");
            QVERIFY2(warning(w).startsWith("无法计算，请检查：\n“"), qPrintable(warning(w)));
            test::setText(w, box, good);
            QCOMPARE(test::text(w, "Text6"), "57.6");
        }
        QCOMPARE(warning(w), "");
        test::setText(w, "Text6", "x");
        QTest::mouseClick(test::child<QLineEdit>(w, "Text6"), Qt::LeftButton);
        QCOMPARE(test::text(w, "Text6"), "57.6");
    }

    void twoPhaseRefusesAFlashFractionOutsideZeroToOne() {
        QWidget* w = test::openTool("两相泄漏量计算");
        test::setText(w, "Text1", "0.03");  // the defaults flash 808 times over
        QCOMPARE(test::text(w, "Text6"), "");
        QVERIFY(warning(w).contains("FV=808＞1"));
        test::setText(w, "Text4", "250");
        QCOMPARE(test::text(w, "Text6"), "");
        QVERIFY(warning(w).contains("FV=-202＜0"));
        test::setText(w, "Text4", "260.01");
        QCOMPARE(warning(w), "");
        QVERIFY(number(w, "Text6") > 0);
    }
};

KORRIMET_UI_TEST_MAIN(LeakRateWindowsTest)
#include "leak_rate_window_uitest.moc"
