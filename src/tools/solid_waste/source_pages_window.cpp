#include <QCoreApplication>
#include <QLabel>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>
#include <QtGlobal>

#include "common/widgets/picture_page.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"

namespace korrimet::solid_waste {
namespace {

const QString kIndex = QStringLiteral(":/solid_waste/source_pages.txt");

// What a formula page adds to the shared picture page: the names of its
// controls and the lines around the picture.
struct PageParts {
    const char* className;
    const char* pictureName;  // the shared name when null
    bool sourceAbove;         // the source line above the picture, not below
    const char* note;         // Label1 between the picture and the source; none when null
    const char* richText;     // resource of RichTextBox1 below the source; none when null
};

const PageParts kParts[] = {
    {"生活污水处理污泥计算来源", nullptr, true, nullptr, nullptr},
    {"化铝铜锌渣产生量的计算1", "Picture1", false, "       η——为除尘效率", nullptr},
    {"高炉渣钢渣铁合金渣产生量计算1", "Picture1", false, nullptr, ":/solid_waste/smelting_slag_factors.html"},
    {"电石渣产生量", "Picture1", false, nullptr, nullptr},
    {"冲天炉渣产生量", "Picture1", false, nullptr, nullptr},
};

constexpr int kLine = 300, kGap = 60;

PageParts partsOf(const QString& className) {
    for (const PageParts& p : kParts)
        if (className == QString::fromUtf8(p.className)) return p;
    return {nullptr, "Picture1", false, nullptr, nullptr};
}

// The shared page without its own label line, which this page places itself.
PicturePageRow pictureOnly(PicturePageRow row) {
    row.label.clear();
    return row;
}

// A formula page whose source line is `Label2`, above or below the picture.
class SourcedPicturePage : public PictureReferencePage {
public:
    SourcedPicturePage(const PicturePageRow& row, const PageParts& parts) : PictureReferencePage(pictureOnly(row)) {
        FormBuilder f = form();
        if (parts.pictureName) picture()->setObjectName(QString::fromUtf8(parts.pictureName));
        const int width = row.clientWidth - 240;
        if (parts.sourceAbove) {
            f.label("Label2", row.label, 120, kGap, width, kLine);
            picture()->move(0, twips(kLine + 2 * kGap));
            return;
        }
        int top = row.pictureHeight + kGap;
        if (parts.note) {
            // The note names the formula's last symbol: it lies on the white page,
            // under the page's last line.
            QLabel* note = f.label("Label1", QString::fromUtf8(parts.note), 120, 0, width, kLine);
            QTextDocument* page = picture()->document();
            page->setTextWidth(picture()->width());
            note->move(note->x(), qMin(qCeil(page->size().height()), picture()->height() - note->height()));
            setBackground(note, Qt::white);
        }
        f.label("Label2", row.label, 120, top, width, kLine);
        top += kLine + kGap;
        if (parts.richText) {
            QTextEdit* box = f.richText("RichTextBox1", 120, top, width, qMax(kLine, row.clientHeight - top - 120));
            box->setHtml(resourceText(QString::fromUtf8(parts.richText)));
            box->setReadOnly(true);
        }
    }
};

}  // namespace
}  // namespace korrimet::solid_waste

// Registered once the compiled-in index is in place, as the shared pages are.
static void registerSourcePages() {
    using namespace korrimet;
    QStringList errors;
    for (const PicturePageRow& row : parsePictureIndex(resourceText(solid_waste::kIndex), &errors)) {
        const solid_waste::PageParts parts = solid_waste::partsOf(row.className);
        ToolRegistry::instance().add(row.className, row.caption, [row, parts](ToolRegistry&) -> ToolWindow* {
            return new solid_waste::SourcedPicturePage(row, parts);
        });
    }
    for (const QString& e : errors) qWarning("solid waste page index %s", qPrintable(e));
}
Q_COREAPP_STARTUP_FUNCTION(registerSourcePages)
