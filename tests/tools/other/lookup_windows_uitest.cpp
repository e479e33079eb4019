#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTextEdit>

#include "common/widgets/report_box.h"
#include "support/page_support.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kCatalogue = "产业结构调整指导目录";
const QString kIndustry = "国民经济行业分类与代码检索1";
const QString kWaste = "危险废物名录查询1";
const QString kRefused =
    "你输入检索行业类别的关键字为空，或是第一个字符为数字、字母，请检查输入，检索行业类别的关键字为中文字符！";
const QString kHeading = "国民经济行业分类与代码\n(科技统计用)\n国民经济行业代码 （GB/T 4754—2002 ）\n\n";

void pick(QWidget* w, const QString& name, const QString& item) {
    auto* c = test::child<QComboBox>(w, name);
    const int i = c->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    c->setCurrentIndex(i);
    emit c->activated(i);
}
QString report(QWidget* w, const QString& name) { return reportText(test::child<QTextEdit>(w, name)); }
bool shown(QWidget* w, const QString& name) { return test::child<QWidget>(w, name)->isVisibleTo(w); }

}  // namespace

class LookupWindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { test::closeAllTools(); }

    // The stored categories hold no entries: the window says so under the
    // input and, instead of "查无此项目", in the result.
    void catalogueSaysItsEntriesAreMissingAndAnswersNoKeyword() {
        const QString missing = "本机未收录产业结构调整指导目录的条目，无法按关键字查询。";
        QWidget* w = test::openTool(kCatalogue);
        auto* category = test::child<QComboBox>(w, "Combo1");
        QCOMPARE(category->count(), 3);
        QCOMPARE(category->currentText(), "");
        QCOMPARE(test::text(w, "Text1"), "太阳能");
        auto* notice = test::child<QLabel>(w, "Label5");
        QVERIFY(notice->isVisibleTo(w));
        QCOMPARE(notice->text(), missing);

        for (const char* item : {"鼓励类", "淘汰类"}) {
            pick(w, "Combo1", item);
            test::click(w, "Command1");
            QCOMPARE(test::child<QGroupBox>(w, "Frame1")->title(), "查询结果");
            QCOMPARE(report(w, "Text2"), missing);
        }
    }

    void catalogueRefusesKeywordsAndMissingChoices() {
        QWidget* w = test::openTool(kCatalogue);
        pick(w, "Combo1", "限制类");
        test::click(w, "Command1");
        const QString before = report(w, "Text2");
        QVERIFY(!before.isEmpty());

        MessageRecorder messages;
        test::setText(w, "Text1", "PVC管材");
        test::click(w, "Command1");
        QCOMPARE(messages.messages(), QStringList{kRefused});
        QCOMPARE(report(w, "Text2"), "");

        test::setComboText(w, "Combo1", "");
        test::setText(w, "Text1", "太阳能");
        test::click(w, "Command1");
        QCOMPARE(report(w, "Text2"), "");

        // Emptying the keyword while typing, or picking a category then,
        // pops no box: the empty box asks for the keyword itself.
        messages.clear();
        auto* keyword = test::child<QLineEdit>(w, "Text1");
        keyword->setFocus();
        keyword->selectAll();
        QTest::keyClick(keyword, Qt::Key_Delete);
        pick(w, "Combo1", "鼓励类");
        QVERIFY(messages.messages().isEmpty());
        QCOMPARE(keyword->placeholderText(), "请输入你要查询的关键字");
        QCOMPARE(w->focusWidget(), keyword);
    }

    void catalogueOpensItsFullText() {
        QWidget* w = test::openTool(kCatalogue);
        test::click(w, "Command2");
        QWidget* full = ToolRegistry::instance().window("产业结构调整目录全文");
        QVERIFY(full);
        QCOMPARE(full->windowTitle(), "2011产业结构调整指导目录全文");
        const QString text = test::child<QTextBrowser>(full, "RichTextBox1")->toPlainText();
        QVERIFY(text.startsWith("产业结构调整指导目录（2011年本）"));
        QVERIFY(text.contains("本机未收录目录（2011年本）的全文"));
    }

    void industrySectionsListTheirClasses() {
        QWidget* w = test::openTool(kIndustry);
        QCOMPARE(w->windowTitle(), "国民经济行业分类与代码检索");
        QVERIFY(shown(w, "Combo1") && !shown(w, "Text1") && !shown(w, "Command1"));
        QCOMPARE(test::child<QLabel>(w, "Label4")->text(), "请选择你想检索的行业类别：");
        QCOMPARE(test::child<QComboBox>(w, "Combo1")->count(), 20);

        pick(w, "Combo1", "A 农、林、牧、渔业");
        const QString a = report(w, "RichTextBox1");
        const QString intro = kHeading + "你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\n";
        QVERIFY(a.startsWith(intro + "A 农、林、牧、渔业\r\n01 农业\r\n011 谷物及其他作物的种植\r\n"));
        QVERIFY(a.endsWith("\r\n") && !a.contains("B 采矿业"));

        pick(w, "Combo1", "T 国际组织");
        QCOMPARE(report(w, "RichTextBox1"), intro + "T 国际组织\r\n98 国际组织\r\n9800 国际组织\r");
    }

    void industryKeywordsListTheLinesThatHoldThem() {
        QWidget* w = test::openTool(kIndustry);
        pick(w, "Combo1", "P 教育");
        const QString section = report(w, "RichTextBox1");
        test::click(w, "Option2");
        QVERIFY(!shown(w, "Combo1") && shown(w, "Text1") && shown(w, "Command1"));
        QCOMPARE(test::child<QLabel>(w, "Label4")->text(), "输入检索行业类别的关键字：");
        QCOMPARE(test::text(w, "Text1"), "化工");
        QCOMPARE(report(w, "RichTextBox1"), section);

        test::setText(w, "Text1", "谷物");
        test::click(w, "Command1");
        QCOMPARE(report(w, "RichTextBox1"), kHeading + "包含你输入关键字的行业类别及其代码如下：\n"
                                                       "\n011 谷物及其他作物的种植\r"
                                                       "\n0111 谷物的种植\r"
                                                       "\n1310 谷物磨制\r"
                                                       "\n5810 谷物、棉花等农产品仓储\r"
                                                       "\n6311 谷物、豆及薯类批发\r"
                                                       "\n");

        // Short lines one after the other, each listed once.
        test::setText(w, "Text1", "教育");
        test::click(w, "Command1");
        QVERIFY(report(w, "RichTextBox1").contains("\nP 教育\r\n84 教育\r\n8410 学前教育\r\n"));

        // A keyword in nearly every line of the whole list.
        test::setText(w, "Text1", "制造");
        test::click(w, "Command1");
        QVERIFY(report(w, "RichTextBox1").count('\n') > 300);

        // Every line that holds the keyword, each once, and no other: as a
        // plain scan of the stored list finds them.
        const QStringList listLines =
            QString::fromUtf8(test::fileBytes(KORRIMET_TEST_DATA "/../../src/tools/other/data/"
                                                                 "industry-classification-gbt4754-2002.txt"))
                .split("\r\n")
                .mid(7);
        QCOMPARE(listLines.first(), "A 农、林、牧、渔业");
        for (const char* k : {"护理设备", "设备", "食品", "机械", "服务", "批发", "化学", "塑料", "汽车", "木材"}) {
            test::setText(w, "Text1", k);
            test::click(w, "Command1");
            QString expected;
            for (const QString& line : listLines)
                if (line.contains(QString::fromUtf8(k))) expected += "\n" + line + "\r";
            const QString found = report(w, "RichTextBox1");
            QCOMPARE(found.mid(found.indexOf("如下：\n") + 4), expected + "\n");
        }
        test::setText(w, "Text1", "护理设备");
        test::click(w, "Command1");
        QVERIFY(report(w, "RichTextBox1").endsWith("如下：\n\n3685 机械治疗及病房护理设备制造\r\n"));

        test::setText(w, "Text1", "区块链");
        test::click(w, "Command1");
        QCOMPARE(report(w, "RichTextBox1"), kHeading + "检索无记录，请重新输入");
    }

    void industryRefusesAKeywordAndKeepsTheLastResult() {
        QWidget* w = test::openTool(kIndustry);
        test::click(w, "Option2");
        test::click(w, "Command1");
        const QString chemistry = report(w, "RichTextBox1");
        QVERIFY(chemistry.contains("化工"));
        MessageRecorder messages;
        test::setText(w, "Text1", "3C");
        test::click(w, "Command1");
        QCOMPARE(messages.messages(), QStringList{kRefused});
        QCOMPARE(report(w, "RichTextBox1"), "");
        QCOMPARE(w->focusWidget(), test::child<QLineEdit>(w, "Text1"));

        test::closeAllTools();
        w = test::openTool(kIndustry);
        QVERIFY(shown(w, "Combo1"));
        QCOMPARE(report(w, "RichTextBox1"), "");
    }

    // The stored list holds each class's code and name only; the entry says so.
    void wasteCodesShowTheirClassAndEntry() {
        QWidget* w = test::openTool(kWaste);
        auto* codes = test::child<QComboBox>(w, "Combo1");
        QCOMPARE(codes->count(), 47);
        QCOMPARE(codes->itemText(8), "HW09");
        QCOMPARE(codes->itemText(46), "HW47");
        QVERIFY(!test::child<QComboBox>(w, "Combo2")->isEnabled());

        test::click(w, "Command1");  // nothing chosen: the first entry
        QCOMPARE(report(w, "Text3"), "HW01\r\n医院临床废物\r\n\n本机未收录各类的废物来源和常见危害组分或废物名称，只有各类的编号和类别名称。");

        pick(w, "Combo1", "HW01");
        QCOMPARE(test::text(w, "Text4"), "HW01\r\n医院临床废物\r");
        pick(w, "Combo1", "HW47");
        QCOMPARE(test::text(w, "Text4"), "HW47\r\n含钡废物\r");
        test::click(w, "Command1");
        QVERIFY(report(w, "Text3").startsWith("HW47\r\n含钡废物\r\n\n"));

        MessageRecorder messages;
        test::setComboText(w, "Combo1", "HW48");
        test::click(w, "Command1");
        QCOMPARE(messages.messages(), QStringList{"危险废物名录中没有“HW48”，请从列表中选取危废编号！"});
        QCOMPARE(report(w, "Text3"), "");
        QCOMPARE(test::text(w, "Text4"), "");
        // A code typed by hand names its class as a chosen one does.
        test::setComboText(w, "Combo1", "HW02");
        test::click(w, "Command1");
        QCOMPARE(test::text(w, "Text4"), "HW02\r\n医药废物\r");
        QVERIFY(report(w, "Text3").startsWith("HW02"));
        // Only a whole code finds an entry, not a piece of a name.
        test::setComboText(w, "Combo1", "废");
        test::click(w, "Command1");
        QCOMPARE(messages.messages().size(), 2);
    }

    void wasteFullListShowsEveryClass() {
        QWidget* w = test::openTool(kWaste);
        test::click(w, "Command3");
        QWidget* full = ToolRegistry::instance().window("国家危险废物名录全文");
        QVERIFY(full);
        QCOMPARE(full->windowTitle(), "国家危险废物名录全文");
        QCOMPARE(test::child<QPushButton>(full, "Command5")->text(), "激活（复原）查看");
        QCOMPARE(test::child<QPushButton>(full, "关闭EXCEL")->text(), "关闭WORD");
        const auto rows = test::tableRows(test::child<QTextBrowser>(full, "OLE1")->document());
        QCOMPARE(rows.size(), 48);
        QCOMPARE(rows[0], QStringList({"编号", "废物类别", "废物来源", "常见危害组分或废物名称"}));
        QCOMPARE(rows[11], QStringList({"HW11", "精(蒸) 馏残渣", "", ""}));
        QCOMPARE(rows[47].first(), "HW47");

        QWidget* later = test::openTool("危险废物名录2008");
        QCOMPARE(later->windowTitle(), "危险废物名录2008");
    }

    void unitPagesShowWhole() {
        for (const char* page : {"常用单位换算", "浓度单位换算"}) {
            QWidget* w = test::openTool(page);
            QCOMPARE(w->windowTitle(), QString(page));
            auto* view = test::child<QTextBrowser>(w, "Image1");
            QVERIFY2(test::fitsItsView(view), page);
            QVERIFY(view->toPlainText().startsWith("常用单位换算"));
        }
        const QString ppm = test::child<QTextBrowser>(test::openTool("常用单位换算"), "Image1")->toPlainText();
        QVERIFY(ppm.contains("土壤、动植物与固废物中PPM与PPB的换算"));
        QVERIFY(ppm.contains("1 ppm = 1 mg/kg = 1000 ug/kg"));
        QVERIFY(ppm.contains("质量体积浓度换算"));
        const QString solution = test::child<QTextBrowser>(test::openTool("浓度单位换算"), "Image1")->toPlainText();
        QVERIFY(solution.contains("溶质的克当量"));
    }
};

KORRIMET_UI_TEST_MAIN(LookupWindowsTest)
#include "lookup_windows_uitest.moc"
