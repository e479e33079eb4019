#pragma once
#include <QString>

class QTextBrowser;
class QWidget;

namespace korrimet {

class FormBuilder;

// The UTF-8 text of a compiled-in resource; empty when there is none.
QString resourceText(const QString& path);

// The HTML of a stored page. A page may take table rows from a data file
// kept once for every page and window that shows it: a comment
//   <!-- rows :/group/data.txt -->
// stands for one row per record of that file (fields separated by "|" or a
// tab; blank lines and lines starting with "#" skipped), the first cell
// left-aligned and the others centred. Words after the file name, written
// old=new, rename a cell's whole text on this page only.
QString storedPageHtml(const QString& resource);

// A read-only view of a stored page: a table or formula kept as an HTML
// resource (Qt's rich-text subset: tables, <sub>, <sup>) and drawn from
// storedPageHtml.
QTextBrowser* storedPage(FormBuilder& form, const QString& name, const QString& resource, int l, int t, int w,
                         int h);

}  // namespace korrimet
