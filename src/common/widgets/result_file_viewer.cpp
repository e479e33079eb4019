#include "common/widgets/result_file_viewer.h"

#include <QAbstractListModel>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QListView>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/result_folder.h"

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace korrimet {

// The lines of a file, as offsets into its bytes: nothing is decoded or
// laid out before a line is seen.
class ResultLines : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setBytes(QByteArray bytes) {
        beginResetModel();
        bytes_ = std::move(bytes);
        starts_.clear();
        longest_ = 0;
        ascii_ = true;
        const char* data = bytes_.constData();
        const qsizetype size = bytes_.size();
        qsizetype count = 0;
        for (qsizetype i = 0; i < size; ++i)
            if (data[i] == '\r' || data[i] == '\n') ++count;
        starts_.reserve(static_cast<std::size_t>(count) + 1);
        qsizetype start = 0;
        for (qsizetype i = 0; i < size; ++i) {
            const char c = data[i];
            if (static_cast<unsigned char>(c) >= 0x80) ascii_ = false;
            if (c != '\r' && c != '\n') continue;
            starts_.push_back(start);
            longest_ = std::max(longest_, i - start);
            if (c == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
            start = i + 1;
        }
        if (start < size) {
            starts_.push_back(start);
            longest_ = std::max(longest_, size - start);
        }
        endResetModel();
    }

    int rowCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : static_cast<int>(starts_.size());
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (role != Qt::DisplayRole || !index.isValid()) return {};
        return line(index.row());
    }

    std::pair<qsizetype, qsizetype> span(int row) const {
        const qsizetype start = starts_[static_cast<std::size_t>(row)];
        qsizetype end = static_cast<std::size_t>(row) + 1 < starts_.size() ? starts_[static_cast<std::size_t>(row) + 1]
                                                                         : bytes_.size();
        const char* data = bytes_.constData();
        if (end > start && data[end - 1] == '\n') --end;
        if (end > start && data[end - 1] == '\r') --end;
        return {start, end - start};
    }
    QString line(int row) const {
        const auto [start, length] = span(row);
        return QString::fromUtf8(bytes_.constData() + start, length);
    }
    const QByteArray& bytes() const { return bytes_; }
    qsizetype longest() const { return longest_; }
    bool ascii() const { return ascii_; }

private:
    QByteArray bytes_;
    std::vector<qsizetype> starts_;
    qsizetype longest_ = 0;
    bool ascii_ = true;
};

namespace {

constexpr int kMargin = 3;

// Draws only the part of a line that lies in the viewport: a grid row may
// be a hundred thousand characters long.
class LineDelegate : public QStyledItemDelegate {
public:
    LineDelegate(const ResultLines* lines, QObject* parent) : QStyledItemDelegate(parent), lines_(lines) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool selected = option.state & QStyle::State_Selected;
        if (selected) painter->fillRect(option.rect, option.palette.highlight());
        painter->save();
        painter->setFont(option.font);
        painter->setPen(selected ? option.palette.highlightedText().color() : option.palette.text().color());
        const QFontMetricsF fm(option.font);
        const qreal left = option.rect.left() + kMargin;
        const qreal baseline = option.rect.top() + (option.rect.height() - fm.height()) / 2 + fm.ascent();
        if (lines_->ascii()) {
            const auto [start, length] = lines_->span(index.row());
            const qreal cw = charWidth(fm);
            const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
            const QRect seen = view ? view->viewport()->rect() : option.rect;
            const qsizetype first = std::clamp<qsizetype>(static_cast<qsizetype>((seen.left() - left) / cw) - 1, 0, length);
            const qsizetype last =
                std::clamp<qsizetype>(static_cast<qsizetype>(std::ceil((seen.right() - left) / cw)) + 1, first, length);
            painter->drawText(QPointF(left + first * cw, baseline),
                              QString::fromLatin1(lines_->bytes().constData() + start + first, last - first));
        } else {
            painter->drawText(QPointF(left, baseline), lines_->line(index.row()));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const override {
        const QFontMetricsF fm(option.font);
        const qreal width = std::ceil(static_cast<qreal>(lines_->longest()) * charWidth(fm)) + 2 * kMargin;
        return {static_cast<int>(std::min<qreal>(width, 16'000'000)), static_cast<int>(std::ceil(fm.height())) + 2};
    }

private:
    static qreal charWidth(const QFontMetricsF& fm) { return fm.horizontalAdvance(QString(64, QLatin1Char('0'))) / 64; }

    const ResultLines* lines_;
};

// Ctrl+C copies every selected line, not only the current one.
class LineView : public QListView {
public:
    LineView(QWidget* parent, std::function<void()> copy) : QListView(parent), copy_(std::move(copy)) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event == QKeySequence::Copy) {
            copy_();
            event->accept();
            return;
        }
        QListView::keyPressEvent(event);
    }

private:
    std::function<void()> copy_;
};

QFont viewerFont() { return fixedPitchFont(9); }

// Whether `path` still names the file that `shown` holds open.
bool stillShown(const QFile& shown, const QString& path) {
#ifdef Q_OS_UNIX
    struct stat open {}, named {};
    return ::fstat(shown.handle(), &open) == 0 && ::stat(QFile::encodeName(path).constData(), &named) == 0 &&
           open.st_dev == named.st_dev && open.st_ino == named.st_ino;
#else
    Q_UNUSED(shown);
    Q_UNUSED(path);
    return true;
#endif
}

}  // namespace

ResultFileViewer::ResultFileViewer(const QString& className, const QString& caption, const QString& fileName,
                                   const QString& toolTip, bool deletesFile, const QByteArray& missingFileText)
    : ToolWindow(className, caption, 9600, 6000),
      fileName_(fileName),
      deletesFile_(deletesFile),
      missingFileText_(missingFileText) {
    // A table of many columns: let the user widen the window.
    setMinimumSize(twips(3000), twips(1500));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    lines_ = new ResultLines(this);
    view_ = new LineView(this, [this] { copySelection(); });
    view_->setObjectName(QStringLiteral("RichTextBox1"));
    view_->setToolTip(toolTip);
    view_->setFont(viewerFont());
    view_->setUniformItemSizes(true);
    view_->setLayoutMode(QListView::Batched);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    view_->setItemDelegate(new LineDelegate(lines_, view_));
    view_->setModel(lines_);

    auto* copy = new QAction(QStringLiteral("复制(Ctrl+C)"), view_);
    connect(copy, &QAction::triggered, this, [this] { copySelection(); });
    auto* all = new QAction(QStringLiteral("全选(Ctrl+A)"), view_);
    connect(all, &QAction::triggered, view_, &QListView::selectAll);
    view_->addActions({copy, all});
    view_->setContextMenuPolicy(Qt::ActionsContextMenu);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);

    reload();
    if (deletesFile_)
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this, [this] { removeOwnFile(); });
}

ResultFileViewer::~ResultFileViewer() = default;

void ResultFileViewer::reload() {
    shown_.reset();
    const QString path = resultFilePath(fileName_);
    auto file = std::make_unique<QFile>(path);
    QByteArray bytes;
    if (!path.isEmpty() && file->open(QIODevice::ReadOnly)) {
        // Read straight into one buffer of the file's size: the file is held once.
        bytes.resize(file->size());
        const qint64 read = file->read(bytes.data(), bytes.size());
        bytes.truncate(std::max<qint64>(read, 0));
        shown_ = std::move(file);
    } else {
        bytes = missingFileText_;
    }
    lines_->setBytes(std::move(bytes));
}

int ResultFileViewer::lineCount() const { return lines_->rowCount(); }

QString ResultFileViewer::line(int index) const { return lines_->line(index); }

QString ResultFileViewer::text() const {
    QString all;
    const int count = lines_->rowCount();
    const QByteArray& bytes = lines_->bytes();
    const bool closed = !bytes.isEmpty() && (bytes.back() == '\r' || bytes.back() == '\n');
    for (int i = 0; i < count; ++i) {
        all += lines_->line(i);
        if (i + 1 < count || closed) all += QLatin1Char('\n');
    }
    return all;
}

void ResultFileViewer::copySelection() const {
    std::vector<int> rows;
    for (const QItemSelectionRange& range : view_->selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    std::sort(rows.begin(), rows.end());
    QString text;
    for (int row : rows) text += lines_->line(row) + QLatin1Char('\n');
    if (!text.isEmpty()) QGuiApplication::clipboard()->setText(text);
}

void ResultFileViewer::showLatest(const QString& className) {
    if (auto* viewer = qobject_cast<ResultFileViewer*>(ToolRegistry::instance().window(className))) viewer->reload();
    OpenTool(className);
}

void ResultFileViewer::closeEvent(QCloseEvent* event) {
    if (deletesFile_) removeOwnFile();
    ToolWindow::closeEvent(event);
}

void ResultFileViewer::removeOwnFile() {
    if (!shown_) return;
    const QString path = shown_->fileName();
    const bool own = stillShown(*shown_, path);
    shown_.reset();
    if (own) QFile::remove(path);
}

}  // namespace korrimet
