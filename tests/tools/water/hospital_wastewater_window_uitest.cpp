#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "platform/message_service.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kHospital = "医院水污染物排放";
const QString kServiceArea = "公路项目生活服务区水污染物";

QStringList results(QWidget* w, const QStringList& boxes) {
    QStringList texts;
    for (const QString& b : boxes) texts << test::text(w, b);
    return texts;
}
const QStringList kHospitalResults{"Text4", "Text2", "Text3", "Text5", "Text6"};
const QStringList kServiceResults{"Text8", "Text9", "Text10", "Text11"};
}  // namespace

class HospitalWastewaterWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void withoutASizeWaterIsNotComputedButTheLoadsAre() {
        QWidget* w = test::openTool(kHospital);
        auto* size = test::child<QComboBox>(w, "Combo1");
        QCOMPARE(size->count(), 3);
        QCOMPARE(size->itemText(1), "200-400床");
        QCOMPARE(size->currentText(), "");
        test::setComboText(w, "Combo1", "200-400床");
        test::setText(w, "Text1", "300");
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), QStringList({"76650", "61320", "6.57", "6.0225", "1.6425"}));
        // A typed size that is no item: the last class's water must not stay.
        MessageRecorder messages;
        test::setComboText(w, "Combo1", "300床");
        test::setText(w, "Text1", "100");
        test::click(w, "Command2");
        QCOMPARE(results(w, kHospitalResults), QStringList({"", "", "2.19", "2.0075", "0.5475"}));
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n请选择医院规模"});
    }

    void badBedsClearEveryResultAndSayWhy() {
        QWidget* w = test::openTool(kHospital);
        test::setComboText(w, "Combo1", "400床以上");
        test::setText(w, "Text1", "500");
        test::click(w, "Command2");
        QCOMPARE(test::text(w, "Text4"), "182500");
        MessageRecorder messages;
        for (const char* beds : {"五百", "-5", ""}) {
            test::setText(w, "Text1", beds);
            test::click(w, "Command2");
            QCOMPARE(results(w, kHospitalResults), QStringList({"", "", "", "", ""}));
        }
        QCOMPARE(messages.messages(),
                 QStringList({"无法计算，请检查：\n“请输入医院平均使用床位数”：不是有效的数值",
                              "无法计算，请检查：\n“请输入医院平均使用床位数”：不能为负数",
                              "无法计算，请检查：\n“请输入医院平均使用床位数”：未输入数值"}));
    }

    void serviceAreaDefaults() {
        QWidget* w = test::openTool(kServiceArea);
        QCOMPARE(test::text(w, "Text4"), "20000");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"7.5", "3.75", "180", "18"}));
        test::setText(w, "Text2", "0.375");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"3.75", "1.875", "180", "18"}));
    }

    void clearingZeroesPersonsTrafficAndResultsSoTheNextComputeGivesZeros() {
        QWidget* w = test::openTool(kServiceArea);
        test::click(w, "Command1");
        test::click(w, "Command2");
        QCOMPARE(results(w, {"Text1", "Text4", "Text8", "Text9", "Text10", "Text11"}),
                 QStringList({"0", "0", "0", "0", "0", "0"}));
        QCOMPARE(test::text(w, "Text2"), "0.75");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"0", "0", "0", "0"}));
    }

    void aBadEntryClearsOnlyTheResultsThatUseIt() {
        QWidget* w = test::openTool(kServiceArea);
        test::click(w, "Command1");
        MessageRecorder messages;
        test::setText(w, "Text4", "");
        test::setText(w, "Text1", "200");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"15", "7.5", "", ""}));
        test::setText(w, "Text4", "20000");
        test::setText(w, "Text2", "1.5");  // a discharge coefficient is a share
        test::setText(w, "Text7", "许多");
        test::click(w, "Command1");
        QCOMPARE(results(w, kServiceResults), QStringList({"", "", "180", ""}));
        QCOMPARE(messages.messages(),
                 QStringList({"无法计算，请检查：\n“昼夜交通量（辆/d）”：未输入数值",
                              "无法计算，请检查：\n“生活区污水排放系数”：须在0～1之间\n"
                              "“冲洗废水中该污染物的浓度（mg/L）”：不是有效的数值"}));
    }
};

KORRIMET_UI_TEST_MAIN(HospitalWastewaterWindowTest)
#include "hospital_wastewater_window_uitest.moc"
