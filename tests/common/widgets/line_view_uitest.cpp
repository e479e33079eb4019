#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTest>
#include <QThreadPool>

#include "common/widgets/line_view.h"
#include "common/widgets/result_file_viewer.h"
#include "common/widgets/run_pool.h"
#include "common/widgets/tool_window.h"
#include "platform/result_folder.h"
#include "support/ui_support.h"

using namespace korrimet;

namespace {

const QString kFile = QStringLiteral("行视图测试.txt");

class TestViewer : public ResultFileViewer {
public:
    static constexpr const char* kClassName = "行视图测试窗口";
    static constexpr const char* kCaption = "行视图测试";
    TestViewer() : ResultFileViewer(kClassName, kCaption, kFile, {}) {}
};
KORRIMET_REGISTER_TOOL(TestViewer);

void writeFile(const QByteArray& bytes) { test::writeResultFile(kFile, bytes); }

QString clipboard() { return QGuiApplication::clipboard()->text(); }

qreal columnWidth(const LineView& view) {
    return QFontMetricsF(view.font()).horizontalAdvance(QString(64, QLatin1Char('0'))) / 64;
}
int lineHeight(const LineView& view) { return view.fontMetrics().height() + 2; }

// Just right of the left edge of `column` on `row`, in the viewport.
QPoint at(const LineView& view, int row, int column) {
    const qreal x = 3 + column * columnWidth(view) + 1 - view.horizontalScrollBar()->value();
    return QPoint(static_cast<int>(x), (row - view.firstVisibleLine()) * lineHeight(view) + lineHeight(view) / 2);
}

void drag(LineView& view, QPoint from, QPoint to) {
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view.viewport(), to);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
}

void copy(LineView& view) { QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier); }

// A report view as the windows make it, shown.
struct Report {
    LineView view;
    explicit Report(const QByteArray& bytes, bool tabbed = false) {
        view.setFont(fixedPitchFont(9));
        view.resize(480, 240);
        view.setLines(IndexLines(bytes, tabbed));
        view.show();
        if (!QTest::qWaitForWindowExposed(&view)) qFatal("the view was not shown");
    }
    // The colour at the top pixel row of `row` (no glyph reaches it), in the middle of `column`.
    QColor shade(int row, int column) const {
        const QImage image = view.viewport()->grab().toImage();
        const qreal x = 3 + (column + 0.5) * columnWidth(view) - view.horizontalScrollBar()->value();
        return image.pixelColor(static_cast<int>(x), (row - view.firstVisibleLine()) * lineHeight(view));
    }
    bool selected(int row, int column) const { return shade(row, column) == view.palette().highlight().color(); }
};

// Lines of a grid as the runs write them, each ended by a carriage return.
QByteArray gridLines(int count) {
    QByteArray bytes;
    bytes.reserve(count * 20);
    for (int i = 0; i < count; ++i) bytes.append("x=").append(QByteArray::number(i)).append(";1.2345;\r");
    return bytes;
}

}  // namespace

class LineViewTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() { QGuiApplication::clipboard()->setText(QStringLiteral("未复制")); }
    void cleanup() {
        test::closeAllTools();
        QFile::remove(resultFilePath(kFile));
    }

    void linesAreCopiedAsTheFileHoldsThem() {
        writeFile("a;1;\rb;22;\r\nc;333;\n");
        auto* viewer = static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName));
        QCOMPARE(viewer->lineCount(), 3);
        LineView& view = *test::child<LineView>(viewer, "RichTextBox1");
        view.setFocus();
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        copy(view);
        QCOMPARE(clipboard(), "a;1;\nb;22;\nc;333;\n");
        // From the middle of one line to the middle of another, over both kinds of line end.
        drag(view, at(view, 0, 2), at(view, 2, 3));
        copy(view);
        QCOMPARE(clipboard(), "1;\nb;22;\nc;3");
        // A line's start to the next line's start: the line with its end.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(view, 1, 0));
        QTest::keyClick(&view, Qt::Key_Down, Qt::ShiftModifier);
        copy(view);
        QCOMPARE(clipboard(), "b;22;\n");
        // Down from the last line takes its end too, though the text has none.
        Report unended("p\nq");
        QTest::mouseClick(unended.view.viewport(), Qt::LeftButton, {}, at(unended.view, 1, 0));
        QTest::keyClick(&unended.view, Qt::Key_Down, Qt::ShiftModifier);
        copy(unended.view);
        QCOMPARE(clipboard(), "q\n");
    }

    void aDragSelectsFromPressToReleaseByColumns() {
        Report report("浓度=1.25;mg/L\nabcdef\n");
        LineView& view = report.view;
        // 浓 and 度 are two columns each: '=' is column 4.
        drag(view, at(view, 0, 2), at(view, 0, 5));
        copy(view);
        QCOMPARE(clipboard(), "度=");
        QVERIFY(!report.selected(0, 1));
        QVERIFY(report.selected(0, 2));
        QVERIFY(report.selected(0, 4));
        QVERIFY(!report.selected(0, 5));
        QVERIFY(!report.selected(1, 3));
        // Backwards, over a line end: the first line from column 8, the second to column 2.
        drag(view, at(view, 1, 2), at(view, 0, 8));
        copy(view);
        QCOMPARE(clipboard(), "5;mg/L\nab");
        QVERIFY(!report.selected(0, 7));
        QVERIFY(report.selected(0, 8));
        QVERIFY(report.selected(0, 14));  // the line's end
        QVERIFY(!report.selected(0, 15));
        QVERIFY(report.selected(1, 1));
        QVERIFY(!report.selected(1, 2));
        // A Shift+click moves the end released; the end pressed stays.
        QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, at(view, 0, 5));
        copy(view);
        QCOMPARE(clipboard(), "1.25;mg/L\nab");
    }

    void aDoubleClickSelectsANumber() {
        Report report("x(m)\tD(mg/L)\n100\t-3.5e-05\t9.168\nx=10;1.2345;2\n", true);
        LineView& view = report.view;
        const int tab = view.lines().tabColumns;
        QVERIFY(tab >= 8);
        // The second field starts at its tab stop.
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(view, 1, tab + 3));
        copy(view);
        QCOMPARE(clipboard(), "-3.5e-05");
        QVERIFY(!report.selected(1, tab - 1));
        QVERIFY(report.selected(1, tab));
        QVERIFY(report.selected(1, tab + 7));
        QVERIFY(!report.selected(1, tab + 8));
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(view, 2, 3));
        copy(view);
        QCOMPARE(clipboard(), "10");
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at(view, 2, 8));
        copy(view);
        QCOMPARE(clipboard(), "1.2345");
        // Held and dragged on, whole words are added.
        QTest::mouseMove(view.viewport(), at(view, 2, 0));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at(view, 2, 0));
        copy(view);
        QCOMPARE(clipboard(), "x=10;1.2345");
    }

    void keysMoveAndExtendByCharactersLinesAndWholeText() {
        Report report("abcdef\nxy\nlonger line\n度a\n");
        LineView& view = report.view;
        auto keys = [&](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses) {
            for (const auto& [key, modifiers] : presses) QTest::keyClick(&view, key, modifiers);
            copy(view);
            return clipboard();
        };
        const auto shift = Qt::ShiftModifier;
        const auto ctrl = Qt::ControlModifier;
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(view, 0, 3));
        QCOMPARE(keys({{Qt::Key_Right, shift}, {Qt::Key_Right, shift}}), "de");
        QCOMPARE(keys({{Qt::Key_Left, shift}}), "d");
        // ↓ keeps the column as far as each line allows: "xy" is shorter.
        QCOMPARE(keys({{Qt::Key_Right, {}}, {Qt::Key_Down, shift}}), "ef\nxy");
        QCOMPARE(keys({{Qt::Key_Down, {}}, {Qt::Key_End, shift}}), "er line");
        QCOMPARE(keys({{Qt::Key_Home, shift}}), "long");
        QCOMPARE(keys({{Qt::Key_Left, {}}, {Qt::Key_Left, {}}, {Qt::Key_Up, shift}}), "cdef\nxy");
        // A character of two columns and three bytes is one step.
        QCOMPARE(keys({{Qt::Key_End, ctrl}, {Qt::Key_Up, {}}, {Qt::Key_Right, shift}}), "度");
        QCOMPARE(keys({{Qt::Key_Home, ctrl | shift}}), "abcdef\nxy\nlonger line\n");
        QCOMPARE(keys({{Qt::Key_Home, ctrl}, {Qt::Key_End, ctrl | shift}}), "abcdef\nxy\nlonger line\n度a\n");
        QCOMPARE(keys({{Qt::Key_Home, ctrl}, {Qt::Key_Right, {}}, {Qt::Key_Right, ctrl | shift}}), "bcdef");
        // A move without Shift leaves the selection at its end.
        QCOMPARE(keys({{Qt::Key_Right, {}}, {Qt::Key_Right, shift}}), "\n");
    }

    void theViewScrollsToKeepTheCursorInSight() {
        Report report("short\n" + QByteArray(3000, '7') + "\n");
        LineView& view = report.view;
        QScrollBar* bar = view.horizontalScrollBar();
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at(view, 1, 0));
        QTest::keyClick(&view, Qt::Key_End);
        QVERIFY(bar->value() > 0);
        const qreal cursorX = 3 + 3000 * columnWidth(view) - bar->value();
        QVERIFY2(cursorX > 0 && cursorX < view.viewport()->width(), qPrintable(QString::number(cursorX)));
        QTest::keyClick(&view, Qt::Key_Left, Qt::ShiftModifier);
        copy(view);
        QCOMPARE(clipboard(), "7");
        QTest::keyClick(&view, Qt::Key_Home);
        QCOMPARE(bar->value(), 0);
    }

    void aFreshViewerOfMillionsOfLinesAnswersKeysAtOnce() {
        writeFile(gridLines(2'000'000));
        auto* viewer = static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName));
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->loading(), 60000);
        QCOMPARE(viewer->lineCount(), 2'000'000);
        LineView* view = viewer->view();
        view->verticalScrollBar()->setValue(1'000'000);
        const qint64 before = view->linesLaidOut();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        for (int i = 0; i < 10; ++i) QTest::keyClick(view, Qt::Key_PageDown);
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        view->viewport()->repaint();
        QCOMPARE(view->selectionLast(), 1'999'999);
        QVERIFY(view->selectionFirst() > 1'000'000);
        QCOMPARE(viewer->line(view->selectionFirst()).left(2), "x=");
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        view->viewport()->repaint();
        QCOMPARE(view->selectionFirst(), 0);
        QCOMPARE(view->selectionLast(), 1'999'999);
        // Only lines in sight were laid out, not the millions selected.
        const qint64 laidOut = view->linesLaidOut() - before;
        QVERIFY2(laidOut > 0 && laidOut < 2000, qPrintable(QString::number(laidOut)));
    }

    // Was: 1.1 s of the window's time and 120 MB for 3 M lines.
    void aLargeCopyIsBuiltOffTheWindowsThread() {
        const QByteArray bytes = gridLines(2'000'000);
        Report report(bytes);
        LineView& view = report.view;
        QTest::keyClick(&view, Qt::Key_A, Qt::ControlModifier);
        copy(view);
        // The key came back before any event turn: the clipboard is not written yet.
        QCOMPARE(clipboard(), "未复制");
        QVERIFY(view.copying());
        QTRY_VERIFY_WITH_TIMEOUT(!view.copying(), 60000);
        QCOMPARE(clipboard(), QString::fromLatin1(bytes).replace('\r', '\n'));
        // A small one is copied at once.
        drag(view, at(view, 0, 2), at(view, 0, 4));
        copy(view);
        QCOMPARE(clipboard(), "0;");
    }

    void aNewerCopyOrOtherLinesDropACopyBeingBuilt() {
        // More than is copied at once.
        auto report = std::make_unique<Report>(gridLines(300'000));
        LineView* view = &report->view;
        auto builtAndDelivered = [] {
            QVERIFY(RunPool().waitForDone(60000));
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        };
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        copy(*view);
        QVERIFY(view->copying());
        drag(*view, at(*view, 1, 2), at(*view, 1, 4));
        copy(*view);
        QCOMPARE(clipboard(), "1;");
        builtAndDelivered();
        QCOMPARE(clipboard(), "1;");

        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        copy(*view);
        QVERIFY(view->copying());
        view->setLines(IndexLines("other lines\n"));
        builtAndDelivered();
        QCOMPARE(clipboard(), "1;");

        // A view closed meanwhile is not touched by the copy's end.
        view->setLines(IndexLines(gridLines(300'000)));
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        copy(*view);
        QVERIFY(view->copying());
        report.reset();
        builtAndDelivered();
        QCOMPARE(clipboard(), "1;");
    }
};

KORRIMET_UI_TEST_MAIN(LineViewTest)
#include "line_view_uitest.moc"
