#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include "common/widgets/tool_window.h"

class QTextBrowser;

namespace korrimet {

// One text reference page: a stored rich text in `RichTextBox1`, with an
// optional caption: a source line `Label1` under the box, a title `Label1`
// above it, or a frame `Frame1` around it. Sizes in twips.
struct TextPageRow {
    enum class Caption { None, Under, Above, Frame };
    enum class Background { Window, Info };

    QString className;
    QString caption;
    int clientWidth = 0;
    int clientHeight = 0;
    Caption captionPlace = Caption::None;
    QString captionText;
    Background background = Background::Window;
    QString page;  // resource of the text (HTML)
};

// A window without code: read, scroll, select and copy; nothing is saved.
class TextReferencePage : public ToolWindow {
    Q_OBJECT
public:
    explicit TextReferencePage(const TextPageRow& row);
    QTextBrowser* text() const { return text_; }

private:
    QTextBrowser* text_;
};

// Every group lists its pages in a resource under ":/text_pages/", one page a line:
//   class | caption | client width | client height | none/under/above/frame | caption text | window/info | page
QList<TextPageRow> parseTextIndex(const QString& text, QStringList* errors = nullptr);
QList<TextPageRow> storedTextPageRows(QStringList* errors = nullptr);
void registerTextPages(const QList<TextPageRow>& rows);

}  // namespace korrimet
