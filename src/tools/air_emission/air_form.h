#pragma once
// Window parts the air emission calculators share.
#include <QFont>
#include <QPlainTextEdit>
#include <QStringList>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "common/widgets/stored_page.h"
#include "common/widgets/tool_window.h"
#include "platform/message_service.h"
#include "tools/air_emission/factor_table.h"

namespace korrimet::air_emission {

// The multi-line box beside the inputs that cites the method's basis.
inline QPlainTextEdit* basisBox(FormBuilder& f, const QString& name, int l, int t, int w, int h,
                                const QString& text) {
    QPlainTextEdit* box = f.memo(name, l, t, w, h, text);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return box;
}

inline QFont tableFont(double points) { return fixedPitchFont(points); }

inline QFont heiti(double points, bool bold = false) {
    QFont f(QStringLiteral("黑体"));
    f.setFamilies({QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC"),
                   QStringLiteral("WenQuanYi Micro Hei")});
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

inline QStringList qitems(const std::vector<std::string>& items) {
    QStringList list;
    for (const std::string& item : items) list << QString::fromStdString(item);
    return list;
}

// A factor table compiled in as a resource, read once. A damaged table is
// reported and counts as empty, so the window still opens and finds no factor.
inline const FactorTable& storedFactorTable(const QString& resource) {
    static std::map<QString, FactorTable> tables;  // its entries never move
    auto it = tables.find(resource);
    if (it != tables.end()) return it->second;
    FactorTable table;
    try {
        table = FactorTable::Parse(resourceText(resource).toStdString());
    } catch (const std::exception& e) {
        ShowMessage(QStringLiteral("系数表 %1 有误：%2").arg(resource, QString::fromStdString(e.what())));
    }
    return tables.emplace(resource, std::move(table)).first->second;
}

}  // namespace korrimet::air_emission
