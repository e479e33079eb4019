#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTextBrowser>

#include "support/page_support.h"
#include "support/ui_support.h"
#include "tools/solid_waste/sludge.h"

using namespace korrimet;

namespace {
const QString kSewage = "污泥量计算";
const QString kSettling = "沉淀池污泥量";
}  // namespace

class SludgeWindowsTest : public QObject {
    Q_OBJECT

    static QStringList sewageResults(QWidget* w) { return {test::text(w, "Text4"), test::text(w, "Text6")}; }

private slots:
    // The sewage window's variables outlive it: every case starts from a
    // window opened for the first time.
    void init() { ToolRegistry::instance().state<solid_waste::SewageSludge>(kSewage) = {}; }
    void cleanup() { test::closeAllTools(); }

    void sewageComputesOnlyWhenPressed() {
        QWidget* w = test::openTool(kSewage);
        QCOMPARE(w->windowTitle(), "污泥量计算");
        QCOMPARE(test::text(w, "Text7"), "0.018");
        QCOMPARE(sewageResults(w), QStringList({"", ""}));
        test::setText(w, "Text1", "10000");
        QCOMPARE(sewageResults(w), QStringList({"", ""}));
        test::setText(w, "Text1", "20000");
        test::click(w, "Command2");
        // 20000 persons × 0.047 kg/(人·d) = 940 kg/d, as the labels say (was 0.9399999, in tonnes).
        QCOMPARE(sewageResults(w), QStringList({"939.9999", "939.9999"}));
        test::setText(w, "Text8", "80");
        test::click(w, "Command2");
        QCOMPARE(sewageResults(w), QStringList({"939.9999", "4700"}));
    }

    // The window's variables outlive it, but a press computes only from the
    // boxes as they are: a failed one is named and leaves no old result.
    void sewageABadEntryAfterAGoodPressLeavesNoOldResult() {
        MessageRecorder messages;
        QWidget* w = test::openTool(kSewage);
        test::setText(w, "Text2", "0.01");
        test::click(w, "Command2");
        QCOMPARE(sewageResults(w), QStringList({"960", "960"}));
        test::setText(w, "Text1", "");
        test::click(w, "Command2");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“计算的人口数”：未输入数值"});
        QCOMPARE(sewageResults(w), QStringList({"", ""}));
        test::closeAllTools();

        messages.clear();
        w = test::openTool(kSewage);
        test::setText(w, "Text2", "abc");  // the 0.01 of the earlier opening is not seen
        test::click(w, "Command2");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“K沉(沉砂系数)选取”：不是有效的数值"});
        QCOMPARE(sewageResults(w), QStringList({"", ""}));

        messages.clear();
        test::setText(w, "Text2", "0.009");
        test::setText(w, "Text8", "100");  // all water: no wet sludge, the dry one stands
        test::click(w, "Command2");
        QCOMPARE(messages.messages(), QStringList{"无法计算，请检查：\n“污泥含水率”须小于100"});
        QCOMPARE(sewageResults(w), QStringList({"939.9999", ""}));
    }

    void sewageSourcePageShowsItsSourceAboveTheMethod() {
        QWidget* w = test::openTool(kSewage);
        test::click(w, "Command1");
        QWidget* page = ToolRegistry::instance().window("生活污水处理污泥计算来源");
        QVERIFY(page && page->isVisible());
        QCOMPARE(page->windowTitle(), "生活污水处理污泥计算来源");
        auto* source = test::child<QLabel>(page, "Label2");
        QCOMPARE(source->text(), "计算依据：《环境统计报表填报指南》P82");
        auto* method = page->findChild<QTextBrowser*>();
        QVERIFY(source->geometry().bottom() < method->geometry().top());
        QVERIFY(method->toPlainText().contains("0.006～0.012 kg/(人·d)"));
        QVERIFY(!method->toPlainText().contains("含水率"));  // the wet step is not on the page
    }

    // Live: no message box; a volume that cannot be computed is cleared and
    // says why, never "Infinity", "NaN" or a negative volume.
    void settlingRecomputesOnEveryChange() {
        MessageRecorder messages;
        QWidget* w = test::openTool(kSettling);
        QCOMPARE(w->windowTitle(), "沉淀池污泥量");
        QCOMPARE(test::text(w, "Text6"), "");
        test::retype(w, "Text5", "300");
        QCOMPARE(test::text(w, "Text6"), "0.05555556");
        test::retype(w, "Text4", "0");
        QCOMPARE(test::text(w, "Text6"), "0.05");
        auto* volume = test::child<QLineEdit>(w, "Text6");
        const QList<std::pair<QString, QString>> bad = {
            {"Text4", "100"}, {"Text4", "120"}, {"Text4", ""}, {"Text5", "0"}, {"Text3", "40"}};
        for (const auto& [box, text] : bad) {
            test::retype(w, "Text4", "10");
            test::retype(w, "Text5", "300");
            test::retype(w, "Text3", "20");
            QCOMPARE(volume->text(), "0.05555556");
            test::retype(w, box, text);
            QVERIFY2(volume->text().isEmpty(), qPrintable(box + text));
            QCOMPARE(volume->placeholderText(), "无法计算");
        }
        QVERIFY(volume->toolTip().contains("出水SS浓度不能大于进水SS浓度"));
        QVERIFY(messages.messages().isEmpty());
    }

    void settlingResultClickReplacesTypedText() {
        QWidget* w = test::openTool(kSettling);
        test::retype(w, "Text6", "12");
        QCOMPARE(test::text(w, "Text6"), "12");
        QTest::mouseClick(test::child<QLineEdit>(w, "Text6"), Qt::LeftButton);
        QCOMPARE(test::text(w, "Text6"), "0.05555556");
    }

    void settlingShowsItsMethodInTheFrame() {
        QWidget* w = test::openTool(kSettling);
        auto* frame = test::child<QGroupBox>(w, "Frame1");
        QCOMPARE(frame->title(), "计算依据：《环境统计报表填报指南》P82");
        auto* picture = test::child<QTextBrowser>(frame, "Image1");
        QVERIFY(picture->toPlainText().contains("沉淀池污泥计算公式："));
        QVERIFY(test::fitsItsView(picture));
        QVERIFY(frame->geometry().bottom() < w->height());
    }
};

KORRIMET_UI_TEST_MAIN(SludgeWindowsTest)
#include "sludge_windows_uitest.moc"
