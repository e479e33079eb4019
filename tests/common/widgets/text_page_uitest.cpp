#include <QGroupBox>
#include <QLabel>
#include <QTextBrowser>
#include <QTest>

#include "common/widgets/text_page.h"
#include "support/ui_support.h"

using namespace korrimet;

class TextPageTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { test::closeAllTools(); }

    void indexLinesBecomePages() {
        QStringList errors;
        const auto rows = parseTextIndex(
            "# 注释\n"
            "甲 | 甲页 | 6000 | 4000 | under | 数据来源：表3.0.1 | info | :/a.html\n"
            "乙 | 乙页 | 6000 | 4000 | 上面 | x | info | :/b.html\n"
            "丙 | 丙页 | 6000 | 4000 | frame | 原文： | 白色 | :/c.html\n"
            "丁 | 丁页 | 6000 | 0 | none |  | window | :/d.html\n"
            "戊 | 戊页 | 6000 | 4000 | none |  | window\n",
            &errors);
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0].captionPlace, TextPageRow::Caption::Under);
        QCOMPARE(rows[0].background, TextPageRow::Background::Info);
        QCOMPARE(rows[0].captionText, "数据来源：表3.0.1");
        QCOMPARE(errors.size(), 4);
        QVERIFY(errors[0].startsWith("line 3:"));
        QVERIFY(errors[3].startsWith("line 6:"));
    }

    void everyStoredIndexIsSoundAndRegistered() {
        QStringList errors;
        const auto rows = storedTextPageRows(&errors);
        QVERIFY2(errors.isEmpty(), qPrintable(errors.join('\n')));
        for (const TextPageRow& row : rows) {
            QWidget* w = test::openTool(row.className);
            QCOMPARE(w->windowTitle(), row.caption);
            QVERIFY2(!test::child<QTextBrowser>(w, "RichTextBox1")->toPlainText().isEmpty(), qPrintable(row.page));
        }
    }

    void captionsStandWhereTheRowSays() {
        TextPageRow row;
        row.className = "测试文本页";
        row.caption = "测试";
        row.clientWidth = 6000;
        row.clientHeight = 4500;
        row.page = ":/none.html";
        row.captionText = "原文：";
        row.captionPlace = TextPageRow::Caption::Frame;
        TextReferencePage framed(row);
        QCOMPARE(test::child<QGroupBox>(&framed, "Frame1")->title(), "原文：");
        QCOMPARE(test::child<QTextBrowser>(&framed, "RichTextBox1")->parentWidget()->objectName(), "Frame1");

        row.captionPlace = TextPageRow::Caption::Under;
        TextReferencePage under(row);
        auto* label = test::child<QLabel>(&under, "Label1");
        QVERIFY(label->geometry().top() >= test::child<QTextBrowser>(&under, "RichTextBox1")->geometry().bottom());
    }

    void aReopenedPageShowsTheStoredTextAgain() {
        registerTextPages({{"测试文本页2", "测试", 6000, 4000, TextPageRow::Caption::None, {},
                            TextPageRow::Background::Window, ":/none.html"}});
        QWidget* w = test::openTool("测试文本页2");
        auto* box = test::child<QTextBrowser>(w, "RichTextBox1");
        QVERIFY(box->isReadOnly());
        box->setPlainText("改动");
        QCOMPARE(test::openTool("测试文本页2"), w);
        test::closeAllTools();
        QVERIFY(test::child<QTextBrowser>(test::openTool("测试文本页2"), "RichTextBox1")->toPlainText().isEmpty());
    }
};

KORRIMET_UI_TEST_MAIN(TextPageTest)
#include "text_page_uitest.moc"
