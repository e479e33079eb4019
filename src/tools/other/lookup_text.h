#pragma once
#include <QPalette>
#include <QString>
#include <QWidget>
#include <string>
#include <string_view>

#include "common/widgets/stored_page.h"
#include "tools/other/text_search.h"

namespace korrimet::other {

inline QString qtext16(std::u16string_view s) {
    return QString(reinterpret_cast<const QChar*>(s.data()), static_cast<qsizetype>(s.size()));
}

inline StoredText storedLookupText(const QString& resource) {
    return ReadStoredText(resourceText(resource).toStdU16String());
}

// What a look-up shows: its result, and under it, while the stored text
// lacks part of the document, the stored text's own notice saying so.
inline QString withNotice(const QString& result, const StoredText& stored) {
    if (stored.complete()) return result;
    return result + QStringLiteral("\n\n") + qtext16(stored.missing);
}

// Result boxes of the look-ups sit on the tool-tip colour.
inline void setInfoBackground(QWidget* box) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, p.color(QPalette::ToolTipBase));
    p.setColor(QPalette::Text, p.color(QPalette::ToolTipText));
    box->setPalette(p);
}

}  // namespace korrimet::other
