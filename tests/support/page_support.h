#pragma once
#include <QList>
#include <QStringList>

class QTextBrowser;
class QTextDocument;

namespace korrimet::test {

// The cells of the first table of a stored page, row by row, as plain text;
// a cell spanning rows or columns repeats its text in each place it covers,
// and a line break inside a cell reads as a blank.
QList<QStringList> tableRows(const QTextDocument* document);

// True when the page's whole table shows inside its view without scrolling.
bool fitsItsView(const QTextBrowser* view);

}  // namespace korrimet::test
