#include "common/widgets/line_view.h"

#include <QClipboard>
#include <QFutureWatcher>
#include <QGuiApplication>
#include <QPromise>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <new>
#include <optional>

#include "common/widgets/run_pool.h"
#include "platform/message_service.h"

// The text of a LineView's lines as it is read and copied, a large selection's on a worker.

namespace korrimet {
namespace {

// Up to this many bytes a selection is copied at once; more on a worker.
constexpr qsizetype kCopyAtOnce = 1 << 20;

// Bytes from..to as text, as CopyText reads them; empty once `stop` says so.
template <class Stop>
QString copiedText(const QByteArray& bytes, qsizetype from, qsizetype to, Stop stop) {
    QString text(to - from, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const std::string_view selected(bytes.constData() + from, static_cast<std::size_t>(to - from));
    constexpr std::size_t kSlice = 1 << 20;
    for (std::size_t at = 0; at < selected.size();) {
        if (stop()) return {};
        at = CopyText(selected, at, at + kSlice, out);
    }
    text.truncate(reinterpret_cast<QChar*>(out) - text.constData());
    return text;
}

constexpr auto kNever = [] { return false; };

}  // namespace

// A copy being built is dropped; holding its own share of the bytes, it may end after the view.
LineView::~LineView() {
    if (copy_) copy_->cancel();
}

QString LineView::line(int index) const {
    if (index < 0 || index >= lineCount()) return {};
    const TextGeometry text = layout();
    return copiedText(lines_.bytes, text.byteOf({index, 0}), text.byteOf({index, text.line(index).length()}), kNever);
}

QString LineView::text() const { return copiedText(lines_.bytes, 0, lines_.bytes.size(), kNever); }

std::pair<qsizetype, qsizetype> LineView::selectedBytes() const {
    return {layout().byteOf(selectionStart()), layout().byteOf(selectionEnd())};
}

QString LineView::selectedText() const {
    const auto [from, to] = selectedBytes();
    return copiedText(lines_.bytes, from, to, kNever);
}

void LineView::copySelection() {
    if (!hasSelection()) return;
    dropPendingCopy();
    const auto [from, to] = selectedBytes();
    if (to - from <= kCopyAtOnce) {
        QGuiApplication::clipboard()->setText(selectedText());
        return;
    }
    copy_ = new QFutureWatcher<std::optional<QString>>(this);
    connect(copy_, &QFutureWatcherBase::finished, this, [this] {
        const QFuture<std::optional<QString>> done = copy_->future();
        copy_->deleteLater();
        copy_ = nullptr;
        if (done.resultCount() == 0) return;
        if (const std::optional<QString>& text = done.result())
            QGuiApplication::clipboard()->setText(*text);
        else
            ShowMessage(kCopyOutOfMemoryMessage, window());
    });
    // The worker holds its own share of the bytes: other lines may be shown
    // meanwhile. Out of memory it says so, and nothing of it leaves the worker.
    copy_->setFuture(QtConcurrent::run(
        &RunPool(),
        [](QPromise<std::optional<QString>>& promise, const QByteArray& bytes, qsizetype from, qsizetype to) {
            std::optional<QString> text;
            try {
                text = copiedText(bytes, from, to, [&] { return promise.isCanceled(); });
            } catch (const std::bad_alloc&) {
            }
            if (!promise.isCanceled()) promise.addResult(std::move(text));
        },
        lines_.bytes, from, to));
}

void LineView::dropPendingCopy() {
    if (!copy_) return;
    copy_->disconnect(this);
    copy_->cancel();
    copy_->deleteLater();
    copy_ = nullptr;
}

}  // namespace korrimet
