#pragma once
#include <QList>
#include <QString>

namespace korrimet {

// One row of the main window's menu table (data/menu.tsv): a menu, a menu
// item or an operation of the main window that no menu item triggers.
struct MenuRow {
    QString parent;  // the menu it stands in; empty: the menu bar; "*": no menu
    QString name;    // control name, or the operation's name
    QString caption;
    QString action;  // menu, tool, web, program, message, close
    QString target;
    QString windowCaption;  // of a tool window; empty when it is the class name
    bool hidden = false;

    bool isOperation() const { return parent == QLatin1String("*"); }
    bool isMenu() const { return action == QLatin1String("menu"); }
    QString toolCaption() const { return windowCaption.isEmpty() ? target : windowCaption; }
};

// Parses the table's text; on a malformed table returns nothing and says why.
QList<MenuRow> ParseMenuTable(const QString& text, QString* error = nullptr);

// The compiled-in table.
const QList<MenuRow>& MenuTable();

// Registers an empty window under every class the table opens, for the
// classes no real window has claimed; a real registration always wins.
void RegisterMenuWindows();

}  // namespace korrimet
