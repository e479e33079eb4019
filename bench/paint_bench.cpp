#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QScrollBar>

#include "common/widgets/line_view.h"
#include "common/widgets/tool_window.h"

// One paint of a full 900×600 screen of rows in a LineView and in a
// QPlainTextEdit with the same font and the same text, each rendered into
// an image: ASCII grid rows, rows of ideographs, rows of broken bytes (a file
// in a legacy Chinese encoding, every byte one U+FFFD), ASCII table rows
// whose tabs are set to stops, 6,000 distinct ideographs, and 6,000 distinct
// Hangul syllables, which only a fallback font draws; and in a LineView alone,
// one ASCII line of 1 MB. The median of the repetitions is the figure to compare.
// --benchmark_filter=Paint

namespace {

using namespace korrimet;

enum Rows { Ascii, Cjk, Broken, Tabbed, LongLine, DistinctCjk, Hangul };

// 6,000 characters from `first` on, each once, 80 a row: a row as wide as the screen.
QByteArray distinct(char32_t first) {
    QString text;
    for (char32_t c = first; c < first + 6000; ++c) {
        text += QString::fromUcs4(&c, 1);
        if ((c - first) % 80 == 79) text += QLatin1Char('\n');
    }
    return text.toUtf8();
}

QByteArray screenOf(Rows rows) {
    QByteArray bytes;
    if (rows == LongLine) return QByteArray(1 << 20, '7');
    if (rows == DistinctCjk) return distinct(U'\u4E00');
    if (rows == Hangul) return distinct(U'\uAC00');
    for (int i = 0; i < 200; ++i) {
        switch (rows) {
        case Ascii:
            for (int j = 0; j < 12; ++j) bytes += "x=" + QByteArray::number(i * 12 + j) + ";8.4594;";
            break;
        case Cjk:
            for (int j = 0; j < 8; ++j) bytes += "河流二维稳态混合模式计算结果；";
            break;
        case Broken:
            // "河二模式" in a two-byte legacy encoding, then a number.
            for (int j = 0; j < 12; ++j) bytes += "\xBA\xD3\xB6\xFE\xC4\xA3\xCA\xBD;" + QByteArray::number(j) + ";";
            break;
        case Tabbed:
            for (int j = 0; j < 12; ++j) bytes += QByteArray::number(i * 12 + j) + "\t8.4594\t";
            break;
        case LongLine:  // returned above
        case DistinctCjk:
        case Hangul:
            break;
        }
        bytes += '\n';
    }
    return bytes;
}

template <class View>
void paintScreens(benchmark::State& state, View& view) {
    view.setFont(fixedPitchFont(9));
    view.resize(900, 600);
    QImage image(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        view.viewport()->render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}

LineIndex linesOf(Rows rows) { return IndexLines(screenOf(rows), rows == Tabbed); }

void BM_PaintLineView(benchmark::State& state) {
    LineView view;
    view.setLines(linesOf(static_cast<Rows>(state.range(0))));
    paintScreens(state, view);
}

void BM_PaintPlainTextEdit(benchmark::State& state) {
    // The text as the line view decodes it, broken bytes and all.
    LineView decoder;
    decoder.setLines(linesOf(static_cast<Rows>(state.range(0))));
    QPlainTextEdit view;
    view.setLineWrapMode(QPlainTextEdit::NoWrap);
    view.setPlainText(decoder.text());
    paintScreens(state, view);
}

void rowsOfEachKind(benchmark::internal::Benchmark* b) {
    b->ArgName("rows")->Arg(Ascii)->Arg(Cjk)->Arg(Broken)->Arg(Tabbed)->Arg(DistinctCjk)->Arg(Hangul);
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}
BENCHMARK(BM_PaintLineView)->Apply(rowsOfEachKind)->Arg(LongLine);
BENCHMARK(BM_PaintPlainTextEdit)->Apply(rowsOfEachKind);

}  // namespace
