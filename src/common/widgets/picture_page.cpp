#include "common/widgets/picture_page.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPalette>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QtGlobal>
#include <optional>

#include "common/widgets/page_index.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"

namespace korrimet {

namespace {
const QString kIndexFolder = QStringLiteral(":/picture_pages");
constexpr int kFields = 8;
constexpr int kLabelGap = 60;
constexpr int kLabelHeight = 300;
}  // namespace

QTextBrowser* pictureView(FormBuilder& form, const QString& name, const QString& resource, int l, int t, int w,
                          int h) {
    QTextBrowser* view = storedPage(form, name, resource, l, t, w, h);
    view->setFrameShape(QFrame::NoFrame);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    view->setFont(songti(9));
    view->document()->setDocumentMargin(4);
    QPalette p = view->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    view->setPalette(p);
    return view;
}

PictureReferencePage::PictureReferencePage(const PicturePageRow& row)
    : ToolWindow(row.className, row.caption, row.clientWidth, row.clientHeight) {
    // Unlike the calculators, a page keeps the sizable border.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize(twips(row.clientWidth), twips(row.clientHeight));

    FormBuilder f = form();
    picture_ = pictureView(f, QStringLiteral("Image1"), row.page, 0, 0, row.pictureWidth, row.pictureHeight);

    if (!row.label.isEmpty()) {
        int top = row.pictureHeight + kLabelGap;
        f.label(row.labelName, row.label, 120, top, row.clientWidth - 240,
                qMax(kLabelHeight, row.clientHeight - top - kLabelGap));
    }
}

namespace {

// A sound line's fields as a page, or the reason it is none.
std::optional<PicturePageRow> pageOf(const QStringList& f, QString* why) {
    PicturePageRow s;
    s.className = f[0];
    s.caption = f[1];
    int* sizes[] = {&s.clientWidth, &s.clientHeight, &s.pictureWidth, &s.pictureHeight};
    for (int k = 0; k < 4; ++k) {
        bool ok = false;
        *sizes[k] = f[2 + k].toInt(&ok);
        if (!ok || *sizes[k] <= 0) {
            *why = QStringLiteral("a size is not a positive whole number");
            return std::nullopt;
        }
    }
    s.page = f[6];
    s.label = f[7];
    static const QRegularExpression named(QStringLiteral("^(Label\\d+):\\s*"));
    if (const QRegularExpressionMatch m = named.match(s.label); m.hasMatch()) {
        s.labelName = m.captured(1);
        s.label = s.label.mid(m.capturedLength());
    }
    if (s.className.isEmpty() || s.page.isEmpty()) {
        *why = QStringLiteral("no class name or no page");
        return std::nullopt;
    }
    return s;
}

}  // namespace

QList<PicturePageRow> parsePictureIndex(const QString& text, QStringList* errors) {
    return indexPages(splitIndex(text, kFields), errors, pageOf);
}

QList<PicturePageRow> storedPicturePageRows(QStringList* errors) {
    return indexPages(readIndexFolder(kIndexFolder, kFields), errors, pageOf);
}

void registerPicturePages(const QList<PicturePageRow>& rows) {
    for (const PicturePageRow& row : rows)
        ToolRegistry::instance().add(row.className, row.caption,
                                     [row](ToolRegistry&) -> ToolWindow* { return new PictureReferencePage(row); });
}

}  // namespace korrimet

// Runs when the application object is made, once every compiled-in
// resource is in place, whatever the order of static initialisation.
static void registerStoredPictures() {
    QStringList errors;
    korrimet::registerPicturePages(korrimet::storedPicturePageRows(&errors));
    for (const QString& e : errors) qWarning("picture page index %s", qPrintable(e));
}
Q_COREAPP_STARTUP_FUNCTION(registerStoredPictures)
