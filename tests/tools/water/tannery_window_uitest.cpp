#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "platform/message_service.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "制革行业污染物排放量";
// Generated, then discharged, pollutant by pollutant.
const QStringList kGenerated{"Text2", "Text5", "Text7", "Text9", "Text11", "Text13"};
const QStringList kDischarged{"Text3", "Text6", "Text8", "Text10", "Text12", "Text14"};

QStringList texts(QWidget* w, const QStringList& boxes) {
    QStringList t;
    for (const QString& b : boxes) t << test::text(w, b);
    return t;
}
}  // namespace

class TanneryWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

    void compute(const QString& hide, const QString& tonnage) {
        test::setComboText(w_, "Combo2", hide);
        test::setText(w_, "Text1", tonnage);
        test::click(w_, "Command1");
    }

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void loadsWithTheThreeHidesAndItsBasisNote() {
        auto* hides = test::child<QComboBox>(w_, "Combo2");
        QCOMPARE(hides->count(), 3);
        QCOMPARE(hides->itemText(0), "猪盐湿皮");
        QCOMPARE(hides->itemText(2), "羊干皮");
        QCOMPARE(hides->currentText(), "");
        const QString note = test::child<QPlainTextEdit>(w_, "Text4")->toPlainText();
        QVERIFY(note.startsWith("计算依据《工业污染物产生和排放系\n数》表4.4-10"));
        QVERIFY(note.contains("排放情况!"));
    }

    void driedCattleHide() {
        compute("牛干皮", "1000");
        QCOMPARE(texts(w_, kGenerated), QStringList({"140000", "301000", "106800", "261000", "5600", "3500"}));
        QCOMPARE(texts(w_, kDischarged), QStringList({"114000", "222900", "75700", "187300", "4100", "2500"}));
    }

    void wholeFactorsGiveSinglesAndFractionalOnesDoubles() {
        compute("猪盐湿皮", "0.1");
        QCOMPARE(test::text(w_, "Text2"), "12.3");
        QCOMPARE(test::text(w_, "Text5"), "24.7400003686547");
        // Its end alone ("3686547") would read as another number.
        QCOMPARE(test::child<QLineEdit>(w_, "Text5")->cursorPosition(), 0);
    }

    void aBadEntryClearsEveryResultAndSaysWhich() {
        compute("羊干皮", "10");
        QCOMPARE(texts(w_, kGenerated), QStringList({"3120", "3410", "1110", "1237", "51", "6.5"}));
        MessageRecorder messages;
        compute("牛皮", "10");
        QCOMPARE(texts(w_, kGenerated + kDischarged), QStringList(12, ""));
        compute("猪盐湿皮", "十吨");
        QCOMPARE(texts(w_, kGenerated + kDischarged), QStringList(12, ""));
        QCOMPARE(messages.messages(),
                 QStringList({"无法计算，请检查：\n请选择原料皮类型",
                              "无法计算，请检查：\n“请输入年处理原皮量(T/年))”：不是有效的数值"}));
        compute("猪盐湿皮", "10");
        QCOMPARE(texts(w_, kDischarged), QStringList({"1050", "1883", "675", "1220", "55", "18"}));
    }
};

KORRIMET_UI_TEST_MAIN(TanneryWindowTest)
#include "tannery_window_uitest.moc"
