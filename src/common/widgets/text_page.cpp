#include "common/widgets/text_page.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QTextBrowser>
#include <optional>

#include "common/widgets/page_index.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"

namespace korrimet {

namespace {

const QString kIndexFolder = QStringLiteral(":/text_pages");
constexpr int kFields = 8;
constexpr int kMargin = 120;
constexpr int kLineHeight = 300;

std::optional<TextPageRow> pageOf(const QStringList& f, QString* why) {
    TextPageRow r;
    r.className = f[0];
    r.caption = f[1];
    bool okW = false, okH = false;
    r.clientWidth = f[2].toInt(&okW);
    r.clientHeight = f[3].toInt(&okH);
    if (!okW || !okH || r.clientWidth <= 0 || r.clientHeight <= 0) {
        *why = QStringLiteral("a size is not a positive whole number");
        return std::nullopt;
    }
    static const QStringList places{"none", "under", "above", "frame"};
    int place = places.indexOf(f[4]);
    if (place < 0) {
        *why = QStringLiteral("caption place is none, under, above or frame");
        return std::nullopt;
    }
    r.captionPlace = static_cast<TextPageRow::Caption>(place);
    r.captionText = f[5];
    if (f[6] != QLatin1String("window") && f[6] != QLatin1String("info")) {
        *why = QStringLiteral("background is window or info");
        return std::nullopt;
    }
    r.background = f[6] == QLatin1String("info") ? TextPageRow::Background::Info : TextPageRow::Background::Window;
    r.page = f[7];
    if (r.className.isEmpty() || r.page.isEmpty()) {
        *why = QStringLiteral("no class name or no page");
        return std::nullopt;
    }
    return r;
}

}  // namespace

TextReferencePage::TextReferencePage(const TextPageRow& row)
    : ToolWindow(row.className, row.caption, row.clientWidth, row.clientHeight) {
    FormBuilder f = form();
    const int w = row.clientWidth, h = row.clientHeight;
    auto box = [&](FormBuilder& in, int l, int t, int bw, int bh) {
        text_ = storedPage(in, QStringLiteral("RichTextBox1"), row.page, l, t, bw, bh);
        text_->setFont(songti(9));
        if (row.background == TextPageRow::Background::Info) {
            QPalette p = text_->palette();
            p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
            text_->setPalette(p);
        }
    };
    switch (row.captionPlace) {
    case TextPageRow::Caption::None:
        box(f, 0, 0, w, h);
        break;
    case TextPageRow::Caption::Under:
        box(f, 0, 0, w, h - kLineHeight - kMargin);
        f.label(QStringLiteral("Label1"), row.captionText, kMargin, h - kLineHeight - kMargin / 2, w - 2 * kMargin,
                kLineHeight);
        break;
    case TextPageRow::Caption::Above:
        f.label(QStringLiteral("Label1"), row.captionText, kMargin, kMargin / 2, w - 2 * kMargin, 360)
            ->setFont(songti(12));
        box(f, 0, 480, w, h - 480);
        break;
    case TextPageRow::Caption::Frame: {
        QGroupBox* frame = f.frame(QStringLiteral("Frame1"), row.captionText, kMargin / 2, 0, w - kMargin, h - kMargin / 2);
        FormBuilder in(frame);
        box(in, kMargin / 2, kLineHeight, w - 2 * kMargin, h - kLineHeight - kMargin);
        break;
    }
    }
}

QList<TextPageRow> parseTextIndex(const QString& text, QStringList* errors) {
    return indexPages(splitIndex(text, kFields), errors, pageOf);
}

QList<TextPageRow> storedTextPageRows(QStringList* errors) {
    return indexPages(readIndexFolder(kIndexFolder, kFields), errors, pageOf);
}

void registerTextPages(const QList<TextPageRow>& rows) {
    for (const TextPageRow& row : rows)
        ToolRegistry::instance().add(row.className, row.caption,
                                     [row](ToolRegistry&) -> ToolWindow* { return new TextReferencePage(row); });
}

}  // namespace korrimet

// Runs when the application object is made, once every compiled-in
// resource is in place.
static void registerStoredTexts() {
    QStringList errors;
    korrimet::registerTextPages(korrimet::storedTextPageRows(&errors));
    for (const QString& e : errors) qWarning("text page index %s", qPrintable(e));
}
Q_COREAPP_STARTUP_FUNCTION(registerStoredTexts)
