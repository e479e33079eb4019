#include <QApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTextEdit>
#include <QTreeWidget>

#include "platform/web_links.h"
#include "shell/help_topics.h"
#include "shell/help_window.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kHelp = "帮助内容";

// The tree as the window must build it: key, parent, title, paragraphs of its topic.
struct Node {
    const char* key;
    const char* parent;
    const char* title;
    int paragraphs;
};
const Node kTree[] = {
    {"R1", "", "关于Korrimet", 1},
    {"R11", "R1", "软件介绍", 1},
    {"R12", "R1", "制作人员", 6},
    {"R13", "R1", "联系方式", 4},
    {"R14", "R1", "关于Orlenfeld", 1},
    {"R2", "", "关于《八五环境统计手册》", 2},
    {"R21", "R2", "关于计算公式说明", 1},
    {"R22", "R2", "感 谢", 1},
    {"R3", "", "关于《工业污染物产生和排放系数手册》", 2},
    {"R31", "R3", "产污系数的定义", 1},
    {"R32", "R3", "原始产污和排污系数", 1},
    {"R33", "R3", "过程排污系数和终端排污系数", 1},
    {"R34", "R3", "产污控制系数和排污控制系数", 1},
    {"R35", "R3", "个体产污系数和综合产污系数", 1},
    {"R36", "R3", "三次系数说明", 2},
    {"R37", "R3", "二次系数说明", 1},
    {"R38", "R3", "个体系数说明", 1},
    {"R39", "R3", "原始系数说明", 1},
    {"R4", "", "关于《上岗培训教材》", 1},
    {"R41", "R4", "引用说明", 1},
    {"R42", "R4", "关于卫生防护距离", 1},
    {"R5", "", "关于《环境保护计算手册》", 1},
    {"R6", "", "关于《环境保护实用数据手册》", 1},
    {"R7", "", "升级历史", 1},
    {"R72", "R7", "060718特别版", 13},
    {"R73", "R7", "060808升级版", 8},
    {"R74", "R7", "060808升级版(修正)", 5},
    {"R75", "R7", "061018升级版", 6},
    {"R76", "R7", "07贺岁版", 6},
    {"R77", "R7", "070218版", 2},
    {"R78", "R7", "070218版(修正)", 1},
    {"R79", "R7", "070818版（测试版）", 9},
    {"R710", "R7", "070818版", 3},
    {"R711", "R7", "Orlenfeld五周年纪念版", 6},
    {"R712", "R7", "20111104版", 6},
    {"R8", "", "意见和建议", 5},
};

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
    QPointer<HelpWindow> w_;

    QTreeWidget* tree() const { return test::child<QTreeWidget>(w_, "TreeView1"); }
    QString shown() const { return test::child<QTextEdit>(w_, "RichTextBox1")->toPlainText(); }

    // A mouse click on a node, as the user makes it (its parents opened first).
    void clickNode(const QString& key) {
        QTreeWidgetItem* item = w_->node(key);
        if (!item) qFatal("no node %s", qPrintable(key));
        for (QTreeWidgetItem* p = item->parent(); p; p = p->parent()) p->setExpanded(true);
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, tree()->visualItemRect(item).center());
    }
    QStringList clickedLines(const QString& key) {
        clickNode(key);
        return shown().split('\n');
    }

private slots:
    void init() { w_ = qobject_cast<HelpWindow*>(test::openTool(kHelp)); }
    void cleanup() { test::closeAllTools(); }

    void theTreeHoldsTheTopicsInOrder() {
        QCOMPARE(w_->windowTitle(), "帮助内容");
        QCOMPARE(w_->size(), QSize(506, 411));
        QCOMPARE(tree()->topLevelItemCount(), 8);
        int count = 0;
        for (QTreeWidgetItemIterator it(tree()); *it; ++it, ++count) {
            QVERIFY(count < int(std::size(kTree)));
            const Node& n = kTree[count];
            QCOMPARE((*it)->text(0), QString::fromUtf8(n.title));
            QCOMPARE(w_->node(n.key), *it);
            QCOMPARE((*it)->parent(), *n.parent ? w_->node(n.parent) : nullptr);
        }
        QCOMPARE(count, int(std::size(kTree)));
    }

    void openingExpandsTheFirstAndReleaseNodesAndGreets() {
        for (const char* key : {"R1", "R7"}) QVERIFY2(w_->node(key)->isExpanded(), key);
        for (const char* key : {"R2", "R3", "R4"}) QVERIFY2(!w_->node(key)->isExpanded(), key);
        QVERIFY(tree()->selectedItems().isEmpty());
        const QStringList lines = shown().split('\n');
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], "关于Korrimet");
        QVERIFY(lines[1].startsWith("    ") && lines[1].contains("Orlenfeld2011版"));
        QVERIFY(lines[1].contains(WebAddress("main-site").host()));
        QVERIFY(lines[1].contains(WebAddress("forum").host()));
        QCOMPARE(w_->workingTitle(), "关于Korrimet");
        QCOMPARE(w_->workingText(), shown());
    }

    void theLastRootIsScrolledIntoView() {
        // Rows tall enough that the opened tree overflows its view.
        test::closeAllTools();
        const QFont font = QApplication::font();
        QFont large = font;
        large.setPixelSize(24);
        QApplication::setFont(large);
        w_ = qobject_cast<HelpWindow*>(test::openTool(kHelp));
        QApplication::setFont(font);
        const QScrollBar* bar = tree()->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        const QRect last = tree()->visualItemRect(w_->node("R8"));
        QVERIFY(!last.isEmpty() && last.top() >= 0 && last.bottom() <= tree()->viewport()->height());
    }

    void eachNodeShowsItsTitleAndParagraphsLineByLine() {
        for (const Node& n : kTree) {
            clickNode(n.key);
            const QString text = shown();
            QVERIFY2(text.startsWith(QString::fromUtf8(n.title) + "\n"), n.key);
            QVERIFY2(!text.endsWith('\n') && !text.contains('\r'), n.key);
            QCOMPARE(text.count('\n'), n.paragraphs);
            QVERIFY2(!text.contains('{'), n.key);  // every placeholder was filled in
            QCOMPARE(w_->workingText(), text);
        }
    }

    void textsGivenWordForWordStandAsTheyAre() {
        clickNode("R7");
        QCOMPARE(shown(), "升级历史\n    介绍软件的编制过程及升级情况！");
        clickNode("R5");
        QCOMPARE(shown(), "关于《环境保护计算手册》\n"
                          "    本书介绍了环境监测、环境统计、环境质量评价、环境预测、环境规划、环境工程等环境保护六大学科中有关问题的计算方法。");
        QCOMPARE(clickedLines("R2")[1], "    《八五环境统计手册》的确为一本好书！");

        const QStringList advice = clickedLines("R8");
        QCOMPARE(advice.mid(1, 4), QStringList({"    在使用过程中，若有任何意义和建议：", "    请与我们联系！",
                                                "    你可以Orlenfeld环境评价区发表你关于此软件的看法和意见！",
                                                "    也可以直接与我联系,联系邮箱:"}));
        QVERIFY(advice[5].contains(ContactAddresses().mail));

        const QStringList contact = clickedLines("R13");
        QCOMPARE(contact[1], "    你可以通过以下的几种方式与我们联系：");
        QVERIFY(contact[2].startsWith("    1、") && contact[2].contains(WebAddress("main-site").host()));
        QVERIFY(contact[3].startsWith("    2、") && contact[3].contains(WebAddress("forum").host()));
        QVERIFY(contact[4].startsWith("    3、") && contact[4].contains(ContactAddresses().mail));
    }

    void theTextFollowsTheArrowKeys() {
        clickNode("R12");
        QTest::keyClick(tree(), Qt::Key_Down);
        QVERIFY(shown().startsWith("联系方式\n"));
        QCOMPARE(w_->workingTitle(), "联系方式");
        QTest::keyClick(tree(), Qt::Key_Up);
        QVERIFY(shown().startsWith("制作人员\n"));
    }

    void longTitlesScrollSidewaysInsteadOfBeingCut() {
        w_->node("R3")->setExpanded(true);
        QApplication::processEvents();
        for (QTreeWidgetItemIterator it(tree()); *it; ++it) {
            if ((*it)->parent() && !(*it)->parent()->isExpanded()) continue;
            const int text = tree()->fontMetrics().horizontalAdvance((*it)->text(0));
            QVERIFY2(tree()->visualItemRect(*it).width() > text, qPrintable((*it)->text(0)));
        }
        QVERIFY(tree()->horizontalScrollBar()->maximum() > 0);
    }

    void creditsHaveOneEmptyLineBeforeTheThanks() {
        const QStringList lines = clickedLines("R12");
        const QStringList heads{"    程序编制：", "    资料收集整理：", "    界面建议：", "    前期测试人员："};
        for (int i = 0; i < heads.size(); ++i) QVERIFY2(lines[i + 1].startsWith(heads[i]), qPrintable(heads[i]));
        QVERIFY(lines[4].endsWith("......"));
        QCOMPARE(lines[5], "");
        QCOMPARE(lines[6], "    在此，对参与软件编制、测试的其它人员表示感谢");
    }

    void twoSecondParagraphsStartWithoutBlanks() {
        for (const char* key : {"R3", "R36"}) {
            const QStringList lines = clickedLines(key);
            QCOMPARE(lines.size(), 3);
            QVERIFY2(lines[1].startsWith("    "), key);
            QVERIFY2(!lines[2].isEmpty() && !lines[2].startsWith(' '), key);
        }
    }

    // A point of the tree under its last row, once the long branches are closed.
    QPoint emptyArea() const {
        w_->node("R1")->setExpanded(false);
        w_->node("R7")->setExpanded(false);
        const QRect last = tree()->visualItemRect(w_->node("R8"));
        const QPoint p(last.center().x(), last.bottom() + 10);
        if (tree()->itemAt(p) || !tree()->viewport()->rect().contains(p)) qFatal("no empty area under the last row");
        return p;
    }

    void aClickThatKeepsTheSelectionComposesTheTopicAgain() {
        clickNode("R42");
        const QString topic = shown();
        test::child<QTextEdit>(w_, "RichTextBox1")->setPlainText("别的文字");
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, emptyArea());
        QCOMPARE(tree()->selectedItems(), QList<QTreeWidgetItem*>{w_->node("R42")});
        QCOMPARE(shown(), topic);
        clickNode("R42");
        QCOMPARE(shown(), topic);
    }

    void aTitleWithoutTopicEmptiesTheTextAndKeepsTheWorkingText() {
        clickNode("R31");
        const QString last = w_->workingText();
        w_->node("R32")->setText(0, "原始产污和排污系数 ");  // one blank more: no title equals it
        clickNode("R32");
        QCOMPARE(shown(), "");
        QCOMPARE(w_->workingTitle(), "原始产污和排污系数 ");
        QCOMPARE(w_->workingText(), last);
    }

    void aClickWithNothingSelectedLeavesTheGreeting() {
        const QString greeting = shown();
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, emptyArea());
        QVERIFY(tree()->selectedItems().isEmpty());
        QCOMPARE(shown(), greeting);
        QCOMPARE(w_->workingTitle(), "关于Korrimet");
    }

    void aReopenedWindowIsBuiltAnew() {
        clickNode("R3");
        w_->node("R1")->setExpanded(false);
        test::closeAllTools();
        QTRY_VERIFY(w_.isNull());
        w_ = qobject_cast<HelpWindow*>(test::openTool(kHelp));
        QVERIFY(w_->node("R1")->isExpanded());
        QVERIFY(!w_->node("R3")->isExpanded());
        QVERIFY(shown().startsWith("关于Korrimet\n"));
    }

    void malformedTopicDataIsRefusedWithItsLine() {
        const auto none = [](const QString&) { return QString(); };
        const QList<QPair<QString, QString>> bad{
            {"|早\nA\t\t甲\n|x\n", "line 1: a paragraph before the first node"},
            {"A\t\t甲\nB\t\t乙\n|x\n", "line 1: node A has no paragraph"},
            {"A\t\t甲\n|x\nB\t\t乙\n", "line 3: node B has no paragraph"},
            {"A\t\t甲\n|x\nA\t\t乙\n|y\n", "line 3: key twice: A"},
            {"A\t\t甲\n|x\nB\tC\t乙\n|y\n", "line 3: no node C before this line"},
            {"A\t\t甲\tshown\n|x\n", "line 1: unknown flag shown"},
            {"A\t甲\n|x\n", "line 1: expected 3 or 4 cells"},
            {"A\t\t甲\n|见 {web:forum}\n", "line 2: unknown placeholder {web:forum}"},
            {"# only a comment\n", "no nodes"},
        };
        for (const auto& [text, why] : bad) {
            QString error;
            QVERIFY(ParseHelpTopics(text, none, &error).isEmpty());
            QCOMPARE(error, why);
        }

        QString error = "unset";
        const auto fill = [](const QString& name) { return name == "web:forum" ? QString("bbs.example") : QString(); };
        const QList<HelpNode> nodes =
            ParseHelpTopics("# c\nA\t\t甲\tshow\r\n|  见{web:forum}，或{web:forum}。\n|\nB\tA\t乙 丙\n|x\n", fill, &error);
        QCOMPARE(error, "");
        QCOMPARE(nodes.size(), 2);
        QVERIFY(nodes[0].show && !nodes[1].show);
        QCOMPARE(nodes[0].paragraphs, QStringList({"  见bbs.example，或bbs.example。", ""}));
        QCOMPARE(ComposeTopic(nodes, "甲"), "甲\n  见bbs.example，或bbs.example。\n");
        bool found = true;
        QCOMPARE(ComposeTopic(nodes, "乙丙", &found), "");
        QVERIFY(!found);
        QCOMPARE(ComposeTopic(nodes, "乙 丙", &found), "乙 丙\nx");
        QVERIFY(found);
    }
};

KORRIMET_UI_TEST_MAIN(HelpWindowTest)
#include "help_window_uitest.moc"
