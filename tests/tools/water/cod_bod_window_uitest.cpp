#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

#include "support/ui_support.h"

using namespace korrimet;

namespace {
const QString kWindow = "COD转换BOD";
}

class CodBodWindowTest : public QObject {
    Q_OBJECT

    QWidget* w_ = nullptr;

private slots:
    void init() { w_ = test::openTool(kWindow); }
    void cleanup() { test::closeAllTools(); }

    void eachCodBoxWritesOnlyItsOwnBod5() {
        const QStringList at100{"29.12", "12.96", "170.43", "39.59", "74.96", "77.43", "33.98", "65.62"};
        for (int row = 1; row <= 8; ++row) {
            test::setText(w_, QString("Text%1").arg(row), "100");
            for (int other = 1; other <= 8; ++other) {
                const QString bod = test::text(w_, QString("Text%1").arg(other + 8));
                QCOMPARE(bod, other <= row ? at100[other - 1] : QString());
            }
        }
        test::setText(w_, "Text4", "0");
        QCOMPARE(test::text(w_, "Text12"), "");
        QVERIFY(test::child<QLineEdit>(w_, "Text12")->toolTip().contains("BOD5为负值"));
        test::setText(w_, "Text7", "250");
        QCOMPARE(test::text(w_, "Text15"), "85.565");
        QVERIFY(test::child<QTextEdit>(w_, "RichTextBox1")->toPlainText().startsWith("说明：COD与BOD5无必然联系"));
    }

    void aCodThatIsNoNumberClearsItsBod5() {
        auto* cod = test::child<QLineEdit>(w_, "Text1");
        auto* bod = test::child<QLineEdit>(w_, "Text9");
        QStringList seen;
        connect(bod, &QLineEdit::textChanged, this, [&](const QString& t) { seen << t; });
        cod->setFocus();
        QTest::keyClicks(cod, "100");
        QCOMPARE(seen, QStringList({"2.0732", "4.532", "29.12"}));
        for (int i = 0; i < 3; ++i) QTest::keyClick(cod, Qt::Key_Backspace);
        QCOMPARE(bod->text(), "");
        QCOMPARE(bod->placeholderText(), "无法计算");
        test::setText(w_, "Text1", "10");
        test::setText(w_, "Text1", "-10");
        QCOMPARE(bod->text(), "");
        QVERIFY(bod->toolTip().contains("不能为负数"));
        test::setText(w_, "Text1", "0");
        QCOMPARE(bod->text(), "1.8");
        QCOMPARE(bod->placeholderText(), "");
    }
};

KORRIMET_UI_TEST_MAIN(CodBodWindowTest)
#include "cod_bod_window_uitest.moc"
