#pragma once
#include <QString>

class QTextBrowser;
class QWidget;

namespace korrimet {

class FormBuilder;

// The UTF-8 text of a compiled-in resource; empty when there is none.
QString resourceText(const QString& path);

// A read-only view of a stored page: a table or formula kept as an HTML
// resource (Qt's rich-text subset: tables, <sub>, <sup>) and drawn from it.
QTextBrowser* storedPage(FormBuilder& form, const QString& name, const QString& resource, int l, int t, int w,
                         int h);

}  // namespace korrimet
