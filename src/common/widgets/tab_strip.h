#pragma once
#include <QString>
#include <QStringList>
#include <functional>

class QTabBar;

namespace korrimet {

class FormBuilder;

// A tab strip placed by twips, on its first tab.
QTabBar* tabStrip(FormBuilder& form, const QString& name, const QStringList& captions, int l, int t, int w, int h);

// The strip's click: runs `handler` with the selected tab's caption when the
// user selects another tab and also when the selected tab is clicked again.
void onTabClick(QTabBar* strip, std::function<void(const QString& caption)> handler);

}  // namespace korrimet
