#include "common/widgets/picture_page.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QPalette>
#include <QTextBrowser>
#include <QtGlobal>

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
        f.label(QStringLiteral("Label1"), row.label, 120, top, row.clientWidth - 240,
                qMax(kLabelHeight, row.clientHeight - top - kLabelGap));
    }
}

QList<PicturePageRow> parsePictureIndex(const QString& text, QStringList* errors) {
    QList<PicturePageRow> rows;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList f = line.split(QLatin1Char('|'));
        auto fail = [&](const QString& why) {
            if (errors) errors->append(QStringLiteral("line %1: %2").arg(i + 1).arg(why));
        };
        if (f.size() != kFields) {
            fail(QStringLiteral("%1 fields, not %2").arg(f.size()).arg(kFields));
            continue;
        }
        PicturePageRow s;
        s.className = f[0].trimmed();
        s.caption = f[1].trimmed();
        bool ok = true;
        int* sizes[] = {&s.clientWidth, &s.clientHeight, &s.pictureWidth, &s.pictureHeight};
        for (int k = 0; k < 4; ++k) {
            bool fieldOk = false;
            *sizes[k] = f[2 + k].trimmed().toInt(&fieldOk);
            ok = ok && fieldOk && *sizes[k] > 0;
        }
        s.page = f[6].trimmed();
        s.label = f[7].trimmed();
        if (!ok) {
            fail(QStringLiteral("a size is not a positive whole number"));
            continue;
        }
        if (s.className.isEmpty() || s.page.isEmpty()) {
            fail(QStringLiteral("no class name or no page"));
            continue;
        }
        rows.append(s);
    }
    return rows;
}

QList<PicturePageRow> storedPicturePageRows(QStringList* errors) {
    QList<PicturePageRow> rows;
    const QDir folder(kIndexFolder);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        QStringList fileErrors;
        rows += parsePictureIndex(resourceText(folder.filePath(name)), &fileErrors);
        if (errors)
            for (const QString& e : fileErrors) errors->append(name + QStringLiteral(", ") + e);
    }
    return rows;
}

void registerPicturePages(const QList<PicturePageRow>& rows) {
    for (const PicturePageRow& row : rows)
        ToolRegistry::instance().add(row.className, row.caption,
                                     [row](ToolRegistry&) -> QWidget* { return new PictureReferencePage(row); });
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
