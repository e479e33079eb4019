#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QScreen>
#include <QScrollBar>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTest>
#include <QThreadPool>
#include <cmath>

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

// At `column` of `row`, counted in columns with their fractions: 5.25 is the left half of column 5.
QPoint on(const LineView& view, int row, qreal column) {
    const qreal x = 3 + column * columnWidth(view) - view.horizontalScrollBar()->value();
    return QPoint(static_cast<int>(std::lround(x)), at(view, row, 0).y());
}

// Clicks as the platform delivers them, to the view's window: press, release,
// and for a double-click press, the double-click, release.
QWindow* windowOf(const LineView& view) { return view.window()->windowHandle(); }
QPoint inWindow(const LineView& view, QPoint point) { return view.viewport()->mapTo(view.window(), point); }
void doubleClick(LineView& view, QPoint point) {
    QTest::mouseDClick(windowOf(view), Qt::LeftButton, {}, inWindow(view, point));
}

void drag(LineView& view, QPoint from, QPoint to) {
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(view.viewport(), to);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
}

// A wheel turn over `point` of the window, the left button held.
void wheel(LineView& view, QPoint point, int delta) {
    QWheelEvent event(point, view.mapToGlobal(point), {}, {0, delta}, Qt::LeftButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(windowOf(view), &event);
}

void copy(LineView& view) { QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier); }

// A report view as the windows make it, shown (on `screen` when one is given).
struct Report {
    LineView view;
    explicit Report(const QByteArray& bytes, bool tabbed = false, QScreen* screen = nullptr) {
        if (screen) view.move(screen->geometry().topLeft());
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

// What painting the view's lines records, drawn or clipped away.
QPicture painted(LineView& view) {
    QPicture picture;
    view.viewport()->render(&picture);
    return picture;
}

// QTest spaces clicks 500 ms apart on the events' clock: a slower hand's
// double-click interval lets a click follow a double-click as a third.
struct SlowDoubleClicks {
    const int kept = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    SlowDoubleClicks() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(1500); }
    ~SlowDoubleClicks() { QGuiApplication::styleHints()->setMouseDoubleClickInterval(kept); }
};

// A double-click at `from` held, dragged on to `to` and released there.
void doubleClickAndDrag(LineView& view, QPoint from, QPoint to) {
    SlowDoubleClicks slow;
    QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, inWindow(view, from));
    QTest::mousePress(windowOf(view), Qt::LeftButton, {}, inWindow(view, from));
    QTest::mouseMove(windowOf(view), inWindow(view, to));
    QTest::mouseRelease(windowOf(view), Qt::LeftButton, {}, inWindow(view, to));
}

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
        doubleClick(view, at(view, 1, tab + 3));
        copy(view);
        QCOMPARE(clipboard(), "-3.5e-05");
        QVERIFY(!report.selected(1, tab - 1));
        QVERIFY(report.selected(1, tab));
        QVERIFY(report.selected(1, tab + 7));
        QVERIFY(!report.selected(1, tab + 8));
        doubleClick(view, at(view, 2, 3));
        copy(view);
        QCOMPARE(clipboard(), "10");
        doubleClick(view, at(view, 2, 8));
        copy(view);
        QCOMPARE(clipboard(), "1.2345");
        // Held and dragged on, whole words are added.
        doubleClickAndDrag(view, at(view, 2, 8), at(view, 2, 0));
        copy(view);
        QCOMPARE(clipboard(), "x=10;1.2345");
    }

    // Was: on the right half of a word's last character the separator after it was taken.
    void aDoubleClickTakesTheWordUnderThePointerOnEitherHalfOfACharacter() {
        Report report("X=\\c/Y=;y=0;y=10;y=20;\rx=10;35.7825;32.3868;24.0187;\r最大落地浓度\t9.168；\r", true);
        LineView& view = report.view;
        auto wordAt = [&](int row, qreal column) {
            doubleClick(view, on(view, row, column));
            copy(view);
            return clipboard();
        };
        // Either half of the first and last character of each word; 度 and ； are two columns wide.
        const int tab = view.lines().tabColumns;
        const struct {
            int row;
            qreal column;
            const char* word;
        } cases[] = {{1, 5.25, "35.7825"},       {1, 5.75, "35.7825"},       {1, 11.25, "35.7825"},
                     {1, 11.75, "35.7825"},      {1, 12.25, ";"},            {1, 12.75, ";"},
                     {1, 4.75, ";"},             {1, 19.75, "32.3868"},      {2, 0.25, "最大落地浓度"},
                     {2, 1.75, "最大落地浓度"},  {2, 10.25, "最大落地浓度"}, {2, 11.75, "最大落地浓度"},
                     {2, 12.25, "\t"},           {2, tab - 0.25, "\t"},      {2, tab + 0.25, "9.168"},
                     {2, tab + 4.75, "9.168"},   {2, tab + 5.25, "；"},      {2, tab + 6.75, "；"}};
        for (const auto& c : cases)
            QVERIFY2(wordAt(c.row, c.column) == QString::fromUtf8(c.word),
                     qPrintable(QStringLiteral("%1:%2 took \"%3\"").arg(c.row).arg(c.column).arg(clipboard())));
        wordAt(1, 11.75);
        QVERIFY(!report.selected(1, 4));
        QVERIFY(report.selected(1, 5));
        QVERIFY(report.selected(1, 11));
        QVERIFY(!report.selected(1, 12));

        SlowDoubleClicks slow;
        // Held after the double-click, a drag adds whole words from that word on.
        doubleClickAndDrag(view, on(view, 1, 11.75), on(view, 1, 19.75));
        copy(view);
        QCOMPARE(clipboard(), "35.7825;32.3868");
        // A third click takes the line, with its end.
        QTest::mouseDClick(windowOf(view), Qt::LeftButton, {}, inWindow(view, on(view, 2, 3.5)));
        QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, inWindow(view, on(view, 2, 3.5)));
        copy(view);
        QCOMPARE(clipboard(), "最大落地浓度\t9.168；\n");
    }

    // Every click of a gesture acts on what lay under its first press; a click
    // or key between a double-click and a third click ends the gesture.
    void theClicksOfAGestureActOnItsFirstPressAndOnlyAThirdRightAfterADoubleClickTakesTheLine() {
        SlowDoubleClicks slow;
        // The row the bottom edge cuts: the first press scrolls it into sight, the triple-click takes it.
        Report report(gridLines(100));
        LineView& view = report.view;
        const int line = lineHeight(view);
        view.resize(view.width(), view.height() + line / 2 - view.viewport()->height() % line);
        const int cut = view.viewport()->height() / line;
        const QPoint onCut = inWindow(view, QPoint(20, cut * line + 2));
        QTest::mouseDClick(windowOf(view), Qt::LeftButton, {}, onCut);
        QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, onCut);
        QCOMPARE(view.firstVisibleLine(), 1);
        copy(view);
        QCOMPARE(clipboard(), QStringLiteral("x=%1;1.2345;\n").arg(cut));

        // A click elsewhere or a key between a double-click and a click at its
        // place: that click only places the cursor.
        view.setLines(IndexLines("alpha beta gamma\nsecond line\n"));
        const QPoint beta = inWindow(view, at(view, 0, 7)), alpha = inWindow(view, at(view, 0, 1));
        // Each gesture starts well after the last: QTest only moves the events' clock.
        const int apart = 2000;
        QTest::mouseDClick(windowOf(view), Qt::LeftButton, {}, beta, apart);
        QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, alpha);
        QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, beta);
        QVERIFY(!view.hasSelection());
        QTest::mouseDClick(windowOf(view), Qt::LeftButton, {}, beta, apart);
        QTest::keyClick(&view, Qt::Key_End, Qt::ShiftModifier);
        QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, beta);
        QVERIFY(!view.hasSelection());
        QCOMPARE(view.cursorPosition(), (LinePosition{0, 7}));
    }

    // On the row the bottom edge cuts, which a click brings into sight: after
    // `clicks`, a press `at` from there, `delay` after QTest's 500 ms, moved `by`.
    // The drag's moving end is under the pointer on the text as scrolled then.
    void aPressPairsAsQtsDoubleClickAndAMoveShorterThanTheStartDragDistanceSelectsNothing() {
        SlowDoubleClicks slow;
        Report report(gridLines(100));
        LineView& view = report.view;
        const int line = lineHeight(view);
        view.resize(view.width(), view.height() + line / 2 - view.viewport()->height() % line);
        const int cut = view.viewport()->height() / line, near = QApplication::startDragDistance() - 1;
        const int d = QGuiApplication::styleHints()->mouseDoubleClickDistance();
        const QPoint press = inWindow(view, QPoint(on(view, cut, 6).x(), cut * line + 2));  // at ".2345;"
        const int right = on(view, cut, 9).x() - on(view, cut, 6).x();
        const QString row = QStringLiteral("x=%1;1.2345;\n").arg(cut), up = QStringLiteral(".2345;\nx=%1;1").arg(cut);
        auto down = [&](int rows) {  // to column 9, `rows` below
            QString text = ".2345;\n";
            for (int r = cut + 1; r < cut + rows; ++r) text += QStringLiteral("x=%1;1.2345;\n").arg(r);
            return text + QStringLiteral("x=%1;1.23").arg(cut + rows);
        };
        // Then, the button held: a wheel notch down (3 rows) or Shift+PageDown (a page
        // and a row: the cursor lands on the cut row and comes into sight), and a 1 px move.
        enum Then { Release, Wheel, PageDown };
        const struct { int clicks; QPoint at; int delay; QPoint by; QString selected; Then then = Release; } cases[] = {
            {0, {}, 0, {1, 0}, ""}, {0, {}, 0, {0, 1}, ""}, {0, {}, 0, {near, 0}, ""}, {0, {}, 0, {0, -near}, ""},
            {0, {}, 0, {right, 0}, ".23"}, {0, {}, 0, {0, -line}, up}, {1, {}, 0, {1, 1}, "1.2345"},
            {1, {}, 0, {0, near}, "1.2345"}, {2, {d, -d}, 0, {}, row},
            {2, {-d, -d}, 900, {}, row}, {2, {d + 1, 0}, 0, {}, ""}, {2, {0, -d - 1}, 0, {}, ""}, {2, {}, 1100, {}, ""},
            {1, {}, 0, {right + 2 * line, 0}, QStringLiteral("1.2345;\nx=%1;1.2345;").arg(cut + 1)},
            {0, {}, 0, {right, 0}, down(3), Wheel}, {0, {}, 0, {right, 0}, down(cut + 1), PageDown},
            {1, {}, 0, {0, -3 * line}, QStringLiteral("1.2345;\nx=%1;1.2345;\nx=%2;1.2345").arg(cut - 1).arg(cut)}};
        for (const auto& c : cases) {
            view.verticalScrollBar()->setValue(0);
            if (c.clicks == 1) QTest::mouseClick(windowOf(view), Qt::LeftButton, {}, press, 2000);
            if (c.clicks == 2) QTest::mouseDClick(windowOf(view), Qt::LeftButton, {}, press, 2000);
            QTest::mousePress(windowOf(view), Qt::LeftButton, {}, press + c.at, c.clicks ? c.delay : 2000);
            QPoint to = press + c.at + c.by;
            QTest::mouseMove(windowOf(view), to);
            if (c.then == Wheel) wheel(view, to, -120);
            if (c.then == PageDown) QTest::keyClick(&view, Qt::Key_PageDown, Qt::ShiftModifier);
            if (c.then != Release) QTest::mouseMove(windowOf(view), to += QPoint(1, 0));
            QTest::mouseRelease(windowOf(view), Qt::LeftButton, {}, to);
            QCOMPARE(view.selectedText(), c.selected);
        }
    }

    // A form feed takes its one column, a tab with no stops its one column too.
    void controlCharactersAndTabsArePaintedAsTheColumnsTheyTake() {
        const std::pair<QByteArray, QByteArray> cases[] = {{"a\fb\tc;\x01;", "a b c; ;"},
                                                           {"度\fb\tc;\x7F;", "度 b c; ;"}};
        for (const auto& [text, blanks] : cases) {
            Report controls(text), shown(blanks);
            QCOMPARE(controls.view.viewport()->grab().toImage(), shown.view.viewport()->grab().toImage());
        }
    }

    // U+FFFD of a broken byte, a glyph of a fallback font, stays out of the next column.
    void aBrokenByteIsPaintedWithinItsOneColumn() {
        Report broken("\x80\n\xE4\xB8\n"), blank(" \n  \n");
        const QImage a = broken.view.viewport()->grab().toImage(), b = blank.view.viewport()->grab().toImage();
        QVERIFY(a != b);
        const int right = static_cast<int>(std::ceil(3 + 2 * columnWidth(blank.view))) + 1;
        QCOMPARE(a.copy(right, 0, a.width() - right, a.height()), b.copy(right, 0, b.width() - right, b.height()));
        const int second = static_cast<int>(std::ceil(3 + columnWidth(blank.view))) + 1;
        const int top = lineHeight(blank.view);
        QCOMPARE(a.copy(second, 0, a.width() - second, top), b.copy(second, 0, b.width() - second, top));
    }

    // Ideographs, U+FFFD of fallback fonts (wider than their column) and ASCII
    // in one row, and a text of ASCII alone, look as each character drawn
    // alone, squeezed into its columns: also in a font other than the one
    // the view painted in before, and after it painted more distinct
    // characters than it keeps the glyphs of.
    void eachGlyphOfARowIsDrawnOnItsColumns() {
        const QByteArray mixed = "\xE5\xBA\xA6\x80x\xE6\xB7\xB7\xEF\xBF\xBD \xF0\x9F\x98\x80;\xE4\xB8z\xCC\x81";
        QString many;
        for (char32_t c = U'\u4E00'; c < U'\u4E00' + 17000; ++c)
            many += QString::fromUcs4(&c, 1) + QString(c % 30 == 0, u'\n');
        const struct { QByteArray row, before; double points; } cases[] = {
            {mixed, {}, 9}, {"x=290;8.3942;\x01|", {}, 9}, {mixed, mixed, 12}, {mixed, many.toUtf8(), 9}};
        for (const auto& [row, before, points] : cases) {
            Report shown(before), blank(" ");
            for (int first = 0; first < shown.view.lineCount(); first += shown.view.height() / lineHeight(shown.view)) {
                shown.view.verticalScrollBar()->setValue(first);
                shown.view.viewport()->grab();
            }
            shown.view.setFont(fixedPitchFont(points));
            shown.view.setLines(IndexLines(row));
            QCoreApplication::processEvents();  // the scroll bars go
            QImage expected = blank.view.viewport()->grab().toImage();
            QPainter painter(&expected);
            painter.setFont(shown.view.font());
            painter.setPen(shown.view.palette().text().color());
            const QFontMetricsF fm(shown.view.font());
            const qreal cw = columnWidth(shown.view);
            const qreal baseline = (lineHeight(shown.view) - fm.height()) / 2 + fm.ascent();
            const LineIndex index = IndexLines(row);
            LineGeometry(std::string_view(row.data(), row.size()), index).walk([&](const LaidCharacter& c) {
                const QString text = c.code < 0x20 ? QString() : QString::fromUcs4(&c.code, 1);
                const qreal advance = fm.horizontalAdvance(text), room = static_cast<qreal>(c.columns) * cw;
                painter.save();
                painter.translate(3 + static_cast<qreal>(c.column) * cw, baseline);
                if (advance > room) painter.scale(room / advance, 1);
                painter.drawText(QPointF(), text);
                painter.restore();
                return true;
            });
            painter.end();
            QCOMPARE(shown.view.viewport()->grab().toImage(), expected);
        }
    }

    // Moved to a screen of twice the resolution, a view lays out and draws
    // its rows, scroll bars and selection as one made there: its own font's
    // glyphs, fallback fonts' and a broken byte's.
    void aViewMovedToAScreenOfAnotherResolutionPaintsAsOneMadeThere() {
        QScreen* fine = QGuiApplication::screens().value(1);
        QVERIFY(fine && fine->logicalDotsPerInchY() == 2 * QGuiApplication::primaryScreen()->logicalDotsPerInchY());
        QByteArray text = "x=290;8.3942;" + QByteArray(40, '7') + "\n河流二维稳态\x80z 가나\n";
        for (int i = 0; i < 10; ++i) text += QByteArray::number(i) + ";\n";
        Report moved(text), made(text, false, fine);
        moved.view.viewport()->grab();
        moved.view.move(fine->geometry().topLeft());
        QCOMPARE(moved.view.screen(), fine);
        QCoreApplication::processEvents();  // the scroll bars come
        for (Report* report : {&moved, &made}) report->view.select({0, 3}, {1, 3});
        QCOMPARE(moved.view.grab().toImage(), made.view.grab().toImage());
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

        // A text whose last line has no end ends at that line's end, as in any text view.
        Report unended("abc\ndef");
        LineView& last = unended.view;
        const LinePosition end{1, 3};
        QTest::mouseClick(last.viewport(), Qt::LeftButton, {}, at(last, 0, 1));
        for (const auto& [key, modifiers] : {std::pair{Qt::Key_End, ctrl}, {Qt::Key_Down, {}}, {Qt::Key_PageDown, {}},
                                             {Qt::Key_Right, {}}, {Qt::Key_Down, shift}}) {
            QTest::keyClick(&last, key, modifiers);
            QCOMPARE(last.cursorPosition(), end);
        }
        QTest::keyClick(&last, Qt::Key_A, ctrl);
        copy(last);
        QCOMPARE(clipboard(), "abc\ndef");
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

    // How long the keys take is measured in bench/.
    void aViewerOfMillionsOfLinesPaintsOnlyTheLinesInSight() {
        writeFile(gridLines(2'000'000));
        auto* viewer = static_cast<ResultFileViewer*>(test::openTool(TestViewer::kClassName));
        QTRY_VERIFY_WITH_TIMEOUT(!viewer->loading(), 60000);
        QCOMPARE(viewer->lineCount(), 2'000'000);
        LineView* view = viewer->view();
        view->verticalScrollBar()->setValue(1'000'000);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
        for (int i = 0; i < 10; ++i) QTest::keyClick(view, Qt::Key_PageDown);
        QTest::keyClick(view, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(view->selectionLast(), 1'999'999);
        QVERIFY(view->selectionFirst() > 1'000'000);
        QCOMPARE(viewer->line(view->selectionFirst()).left(2), "x=");
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(view->selectionFirst(), 0);
        QCOMPARE(view->selectionLast(), 1'999'999);

        // Scrolled into the middle of the millions selected, the view draws
        // what a view of the lines in sight alone draws.
        view->verticalScrollBar()->setValue(1'000'000);
        QByteArray inSight;
        for (int row = 1'000'000; row < 1'000'100; ++row) inSight += viewer->line(row).toLatin1() + '\r';
        Report alone(inSight);
        alone.view.setFont(view->font());
        alone.view.resize(alone.view.size() + view->viewport()->size() - alone.view.viewport()->size());
        QCOMPARE(alone.view.viewport()->size(), view->viewport()->size());
        alone.view.selectAll();
        const QPicture all = painted(*view), few = painted(alone.view);
        QVERIFY(few.size() > 0);
        QCOMPARE(all.size(), few.size());
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

// The offscreen platform's own screen first, where the views are made unless
// a case moves them, and right of it one of twice its resolution.
KORRIMET_UI_TEST_MAIN_ON(LineViewTest, R"({"screens": [
    {"name": "", "width": 800, "height": 800, "logicalDpi": 96},
    {"name": "fine", "x": 800, "width": 800, "height": 800, "logicalDpi": 192}]})")
#include "line_view_uitest.moc"
