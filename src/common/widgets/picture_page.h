#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "common/widgets/tool_window.h"

class QTextBrowser;

namespace korrimet {

// One reference page: a stored table drawn at a fixed place and size, with
// an optional source line below it. Sizes in twips.
struct PicturePageRow {
    QString className;
    QString caption;
    int clientWidth = 0;
    int clientHeight = 0;
    int pictureWidth = 0;
    int pictureHeight = 0;
    QString page;   // resource of the table (HTML)
    QString label;  // source line; empty for none
    QString labelName = QStringLiteral("Label1");
};

// A stored table drawn like a printed picture: black on white, no frame,
// no scroll bars, cut off at its edges.
QTextBrowser* pictureView(FormBuilder& form, const QString& name, const QString& resource, int l, int t, int w,
                          int h);

// A window without code: the table `Image1` sits at the top-left corner at
// its own size whatever the window's size (larger windows show empty space,
// smaller ones cut it off, no scroll bars), and `Label1` below it names the
// source.
class PictureReferencePage : public ToolWindow {
    Q_OBJECT
public:
    explicit PictureReferencePage(const PicturePageRow& row);

    QTextBrowser* picture() const { return picture_; }

private:
    QTextBrowser* picture_;
};

// Every group lists its pages in a resource under ":/picture_pages/", one
// page a line:
//   class | caption | client width | client height | picture width | picture height | page | label
// A label that is not `Label1` starts with its name and a colon: "Label2: 数据来源：...".
// Blank lines and lines starting with "#" are skipped; a malformed line is
// reported in `errors` and skipped.
QList<PicturePageRow> parsePictureIndex(const QString& text, QStringList* errors = nullptr);

// The pages of every index under ":/picture_pages/", in file then line order.
QList<PicturePageRow> storedPicturePageRows(QStringList* errors = nullptr);

// Registers each page as a tool window under its class name. The stored
// indexes are registered by themselves when the application starts.
void registerPicturePages(const QList<PicturePageRow>& rows);

}  // namespace korrimet
