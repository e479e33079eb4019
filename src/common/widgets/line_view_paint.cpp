#include <QGlyphRun>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QScrollBar>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <vector>

#include "common/widgets/line_view.h"

// How a LineView paints its lines: each character where the geometry lays it.

namespace korrimet {
namespace {

// Control characters take their columns blank, as no glyph of theirs would.
bool isControl(char32_t c) { return c < 0x20 || (c >= 0x7F && c < 0xA0); }

}  // namespace

// The glyphs of the characters a view has painted in its font at its
// screen's resolution, looked up once, as Qt's own text keeps its layouts
// from paint to paint: a screen of distinct ideographs, or of characters only
// a fallback font has, would otherwise pay a look-up for each character at
// every paint.
struct GlyphCache {
    // A character's glyph: in which of the fonts, its index there and how
    // far it advances. A character no font draws has none (font -1).
    struct Glyph {
        int font = -1;
        quint32 index = 0;
        qreal advance = 0;
    };
    // More than a full screen of distinct ideographs; past it the cache
    // starts over at the next paint.
    static constexpr qsizetype kBound = 1 << 14;

    explicit GlyphCache(const QFont& f) : font(f), dpi(QFontMetricsF(f).fontDpi()), fonts{QRawFont::fromFont(f)} {}
    // QFont's == ignores the resolution: moved to a screen of another one,
    // a view's font is equal to the one its glyphs were found for.
    bool holds(const QFont& f) const { return f == font && QFontMetricsF(f).fontDpi() == dpi; }
    const Glyph& glyphOf(char32_t code);

    const QFont font;
    const qreal dpi;
    std::vector<QRawFont> fonts;  // the view's own font first, then those Qt falls back on
    QHash<char32_t, Glyph> glyphs;

private:
    Glyph lookUp(char32_t code);
};

const GlyphCache::Glyph& GlyphCache::glyphOf(char32_t code) {
    auto found = glyphs.find(code);
    if (found == glyphs.end()) found = glyphs.insert(code, lookUp(code));
    return *found;
}

GlyphCache::Glyph GlyphCache::lookUp(char32_t code) {
    const QString text = QString::fromUcs4(&code, 1);
    quint32 indexes[2] = {};
    int count = 2;
    const QRawFont& own = fonts.front();
    if (own.glyphIndexesForChars(text.constData(), static_cast<int>(text.size()), indexes, &count) && count == 1 &&
        indexes[0] != 0)
        return {0, indexes[0], own.advancesForGlyphIndexes(QList<quint32>{indexes[0]}).value(0).x()};
    // Not in the view's font: the glyph of the font Qt falls back on, as
    // it would draw the character.
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (run.glyphIndexes().isEmpty()) continue;
        const QRawFont raw = run.rawFont();
        auto at = std::find(fonts.begin(), fonts.end(), raw);
        if (at == fonts.end()) at = fonts.insert(fonts.end(), raw);
        const quint32 index = run.glyphIndexes().front();
        return {static_cast<int>(at - fonts.begin()), index,
                raw.advancesForGlyphIndexes(QList<quint32>{index}).value(0).x()};
    }
    return {};
}

namespace {

// What one paint of a view needs for its rows: the view's glyphs and the
// runs a row is drawn as.
class RowPainter {
public:
    RowPainter(GlyphCache& glyphs, qreal columnWidth, qreal left, qsizetype firstColumn, qsizetype lastColumn)
        : glyphs_(glyphs), cw_(columnWidth), left_(left), first_(firstColumn), last_(lastColumn) {}

    // Draws the characters of `row` in sight, each glyph on its
    // character's columns, as one run a font; `plain`: one byte, one column.
    void draw(QPainter& painter, const LineGeometry& row, qreal baseline, bool plain);

private:
    // The glyphs of one font drawn squeezed alike (scale 1: not at all).
    struct Run {
        int font;
        qreal scale;
        std::vector<quint32> glyphs;
        std::vector<QPointF> positions;
    };
    Run& runFor(int font, qreal scale);
    void place(char32_t code, qsizetype column, qsizetype columns, qreal baseline);

    GlyphCache& glyphs_;
    std::vector<Run> runs_;  // kept from row to row for their storage
    qreal cw_, left_;
    qsizetype first_, last_;
};

RowPainter::Run& RowPainter::runFor(int font, qreal scale) {
    for (Run& run : runs_)
        if (run.font == font && run.scale == scale) return run;
    return runs_.emplace_back(Run{font, scale, {}, {}});
}

// A glyph may be wider than the columns the geometry gives its character
// (U+FFFD of a broken byte from a fallback font is one): it is squeezed into
// them, so that it covers no neighbour and every click lands where it shows.
void RowPainter::place(char32_t code, qsizetype column, qsizetype columns, qreal baseline) {
    if (code == U' ' || isControl(code)) return;
    const GlyphCache::Glyph& glyph = glyphs_.glyphOf(code);
    if (glyph.font < 0) return;
    const qreal room = static_cast<qreal>(columns) * cw_;
    qreal scale = 1;
    if (glyph.advance > room) {
        if (room <= 0) return;
        scale = room / glyph.advance;
    }
    Run& run = runFor(glyph.font, scale);
    run.glyphs.push_back(glyph.index);
    run.positions.emplace_back((left_ + static_cast<qreal>(column) * cw_) / scale, baseline);
}

void RowPainter::draw(QPainter& painter, const LineGeometry& row, qreal baseline, bool plain) {
    if (plain) {
        // One byte, one column, and a row may hold a hundred thousand: only
        // the bytes in sight are read.
        const qsizetype from = std::clamp<qsizetype>(first_, 0, row.length());
        const qsizetype to = std::clamp<qsizetype>(last_, from, row.length());
        for (qsizetype i = from; i < to; ++i) place(static_cast<unsigned char>(row.text()[i]), i, 1, baseline);
    } else {
        row.walk([&](const LaidCharacter& c) {
            if (c.column > last_) return false;
            if (c.column + c.columns >= first_) place(c.code, c.column, c.columns, baseline);
            return true;
        });
    }
    for (Run& run : runs_) {
        if (run.glyphs.empty()) continue;
        QGlyphRun glyphs;
        glyphs.setRawFont(glyphs_.fonts[static_cast<std::size_t>(run.font)]);
        glyphs.setRawData(run.glyphs.data(), run.positions.data(), static_cast<int>(run.glyphs.size()));
        if (run.scale == 1) {
            painter.drawGlyphRun(QPointF(), glyphs);
        } else {
            painter.save();
            painter.scale(run.scale, 1);
            painter.drawGlyphRun(QPointF(), glyphs);
            painter.restore();
        }
        run.glyphs.clear();
        run.positions.clear();
    }
}

}  // namespace

void LineView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.setFont(font());
    const QFontMetricsF fm(font());
    const qreal cw = columnWidth();
    const int lh = lineHeight(), first = firstVisibleLine(), width = viewport()->width();
    const int last = std::min(lineCount() - 1, first + viewport()->height() / lh + 1);
    const qreal left = kMargin - horizontalScrollBar()->value();
    const qsizetype firstColumn = std::max<qsizetype>(0, static_cast<qsizetype>(std::floor(-left / cw)) - 1);
    const qsizetype lastColumn = static_cast<qsizetype>(std::ceil((width - left) / cw)) + 1;
    if (!glyphs_ || !glyphs_->holds(font()) || glyphs_->glyphs.size() > GlyphCache::kBound)
        glyphs_ = std::make_shared<GlyphCache>(font());
    RowPainter rows(*glyphs_, cw, left, firstColumn, lastColumn);
    const Position from = selectionStart(), to = selectionEnd();
    const QColor text = palette().text().color(), selectedText = palette().highlightedText().color();
    for (int row = first; row <= last; ++row) {
        const LineGeometry line = geometry(row);
        const QRect rect(0, (row - first) * lh, width, lh);
        const qreal baseline = rect.top() + (lh - fm.height()) / 2 + fm.ascent();
        if (!hasSelection() || row < from.line || row > to.line || (row == to.line && to.offset == 0)) {
            painter.setPen(text);
            rows.draw(painter, line, baseline, plainColumns());
            continue;
        }
        // The selected characters, and the line end when it is selected too.
        const qsizetype a = row == from.line ? line.columnOf(from.offset) : 0;
        const qsizetype b = row == to.line ? line.columnOf(to.offset) : line.columnOf(line.length()) + 1;
        const int x0 = static_cast<int>(std::lround(left + static_cast<qreal>(a) * cw));
        const int x1 = static_cast<int>(std::lround(left + static_cast<qreal>(b) * cw));
        const QRect selected(x0, rect.top(), x1 - x0, lh);
        painter.fillRect(selected, palette().highlight());
        painter.setClipRegion(QRegion(rect).subtracted(selected));
        painter.setPen(text);
        rows.draw(painter, line, baseline, plainColumns());
        painter.setClipRect(selected);
        painter.setPen(selectedText);
        rows.draw(painter, line, baseline, plainColumns());
        painter.setClipping(false);
    }
    if (hasFocus() && placed_ && cursor_.line >= first && cursor_.line <= first + viewport()->height() / lh) {
        const int x = static_cast<int>(std::lround(left + static_cast<qreal>(columnOf(cursor_)) * cw));
        const int top = (cursor_.line - first) * lh;
        painter.setPen(text);
        painter.drawLine(x, top + 1, x, top + lh - 2);
    }
}

}  // namespace korrimet
