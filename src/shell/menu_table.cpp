#include "shell/menu_table.h"

#include <QSet>

#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"

namespace korrimet {
namespace {

const QSet<QString> kActions{"menu", "tool", "web", "program", "message", "close"};

}  // namespace

QList<MenuRow> ParseMenuTable(const QString& text, QString* error) {
    QList<MenuRow> rows;
    QSet<QString> menus, items, operations;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QStringList cells = line.split(QLatin1Char('\t'));
        auto bad = [&](const QString& why) {
            if (error) *error = QStringLiteral("line %1: %2").arg(i + 1).arg(why);
            return QList<MenuRow>{};
        };
        if (cells.size() < 4 || cells.size() > 7) return bad("expected 4 to 7 cells");
        MenuRow row;
        row.parent = cells[0];
        row.name = cells[1];
        row.caption = cells[2];
        row.action = cells[3];
        row.target = cells.value(4);
        row.windowCaption = cells.value(5);
        const QString flags = cells.value(6);
        row.hidden = flags == QLatin1String("hidden");
        if (!flags.isEmpty() && !row.hidden) return bad("unknown flag " + flags);
        if (!kActions.contains(row.action)) return bad("unknown action " + row.action);
        if (row.name.isEmpty()) return bad("no name");
        const bool needsTarget = row.action != QLatin1String("menu") && row.action != QLatin1String("close");
        if (needsTarget == row.target.isEmpty()) return bad("target does not fit the action");
        if (row.isOperation()) {
            if (row.isMenu()) return bad("an operation cannot be a menu");
            if (operations.contains(row.name)) return bad("operation twice: " + row.name);
            operations.insert(row.name);
        } else {
            if (!row.parent.isEmpty() && !menus.contains(row.parent))
                return bad("no menu " + row.parent + " before this row");
            if (row.parent.isEmpty() && !row.isMenu()) return bad("only menus stand in the menu bar");
            if (row.caption.isEmpty()) return bad("no caption");
            if (items.contains(row.name)) return bad("control name twice: " + row.name);
            items.insert(row.name);
            if (row.isMenu()) menus.insert(row.name);
        }
        rows << row;
    }
    if (error) error->clear();
    return rows;
}

const QList<MenuRow>& MenuTable() {
    static const QList<MenuRow> table = [] {
        QString error;
        QList<MenuRow> rows = ParseMenuTable(resourceText(QStringLiteral(":/shell/menu.tsv")), &error);
        if (rows.isEmpty()) qFatal("menu table: %s", qPrintable(error.isEmpty() ? QStringLiteral("missing") : error));
        return rows;
    }();
    return table;
}

void RegisterMenuWindows() {
    ToolRegistry& registry = ToolRegistry::instance();
    for (const MenuRow& row : MenuTable()) {
        if (row.action != QLatin1String("tool") || (registry.contains(row.target) && !registry.isPlaceholder(row.target)))
            continue;
        const QString cls = row.target, caption = row.toolCaption();
        registry.add(cls, caption, [cls, caption](ToolRegistry&) { return new ToolWindow(cls, caption, 7200, 4800); },
                     /*placeholder=*/true);
    }
}

}  // namespace korrimet
