#include "common/widgets/tab_strip.h"

#include <QTabBar>

#include "common/widgets/tool_window.h"

namespace korrimet {

QTabBar* tabStrip(FormBuilder& form, const QString& name, const QStringList& captions, int l, int t, int w, int h) {
    auto* strip = form.place(new QTabBar, name, l, t, w, h);
    strip->setExpanding(false);
    strip->setDrawBase(true);
    for (const QString& caption : captions) strip->addTab(caption);
    strip->setCurrentIndex(0);
    return strip;
}

void onTabClick(QTabBar* strip, std::function<void(const QString& caption)> handler) {
    auto run = [strip, handler = std::move(handler)] { handler(strip->tabText(strip->currentIndex())); };
    QObject::connect(strip, &QTabBar::currentChanged, strip, run);
    // currentChanged stays silent for the selected tab; the press on another
    // tab comes before the switch and is left to currentChanged.
    QObject::connect(strip, &QTabBar::tabBarClicked, strip, [strip, run](int index) {
        if (index >= 0 && index == strip->currentIndex()) run();
    });
}

}  // namespace korrimet
