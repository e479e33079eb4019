#include "common/widgets/line_view.h"

#include <QClipboard>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QPromise>
#include <QStringDecoder>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <cstring>

#include "common/widgets/run_pool.h"

// The text of a LineView's lines as it is copied, a large selection's on a worker.

namespace korrimet {
namespace {

// Up to this many bytes a selection is copied at once; more on a worker.
constexpr qsizetype kCopyAtOnce = 1 << 20;

// Bytes from..to as text, each line end as a line feed, and one more line
// feed with `feed`; empty once `stop` says so.
template <class Stop>
QString joinedText(const QByteArray& bytes, qsizetype from, qsizetype to, bool feed, Stop stop) {
    QString text(to - from + 1, Qt::Uninitialized);
    QChar* out = text.data();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    const char* data = bytes.constData();
    constexpr qsizetype kSlice = 1 << 20;
    for (qsizetype at = from; at < to;) {
        if (stop()) return {};
        const qsizetype sliceEnd = std::min(to, at + kSlice);
        while (at < sliceEnd) {
            const auto* cr = static_cast<const char*>(std::memchr(data + at, '\r', sliceEnd - at));
            const qsizetype runEnd = cr ? cr - data : sliceEnd;
            out = utf8.appendToBuffer(out, QByteArrayView(data + at, runEnd - at));
            at = runEnd;
            if (!cr) break;
            *out++ = u'\n';
            if (++at < to && data[at] == '\n') ++at;
        }
    }
    if (feed) *out++ = u'\n';
    text.truncate(out - text.constData());
    return text;
}

}  // namespace

// A copy being built is dropped; holding its own share of the bytes, it may end after the view.
LineView::~LineView() {
    if (copy_) copy_->cancel();
}

QString LineView::text() const {
    return joinedText(lines_.bytes, 0, lines_.bytes.size(), false, [] { return false; });
}

LineView::Bytes LineView::selectedBytes() const {
    const Position last = selectionEnd();
    // Every line is copied with its end, the last one too.
    const bool feed = hasSelection() && last.line == lineCount() && !endsLine(lines_.bytes.back());
    return {layout().byteOf(selectionStart()), layout().byteOf(last), feed};
}

QString LineView::selectedText() const {
    const Bytes selected = selectedBytes();
    return joinedText(lines_.bytes, selected.from, selected.to, selected.feed, [] { return false; });
}

void LineView::copySelection() {
    if (!hasSelection()) return;
    dropPendingCopy();
    const auto [from, to, feed] = selectedBytes();
    if (to - from <= kCopyAtOnce) {
        QGuiApplication::clipboard()->setText(selectedText());
        return;
    }
    copy_ = new QFutureWatcher<QString>(this);
    connect(copy_, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<QString> done = copy_->future();
        copy_->deleteLater();
        copy_ = nullptr;
        if (done.resultCount() > 0) QGuiApplication::clipboard()->setText(done.result());
    });
    // The worker holds its own share of the bytes: other lines may be shown meanwhile.
    copy_->setFuture(QtConcurrent::run(
        &RunPool(),
        [](QPromise<QString>& promise, const QByteArray& bytes, qsizetype from, qsizetype to, bool feed) {
            QString text = joinedText(bytes, from, to, feed, [&] { return promise.isCanceled(); });
            if (!promise.isCanceled()) promise.addResult(std::move(text));
        },
        lines_.bytes, from, to, feed));
}

void LineView::dropPendingCopy() {
    if (!copy_) return;
    copy_->disconnect(this);
    copy_->cancel();
    copy_->deleteLater();
    copy_ = nullptr;
}

}  // namespace korrimet
