#include "common/widgets/tool_registry.h"

#include "common/widgets/tool_window.h"

namespace korrimet {

ToolRegistry& ToolRegistry::instance() {
    static ToolRegistry registry;
    return registry;
}

void ToolRegistry::add(const QString& className, const QString& caption, Factory factory, bool placeholder) {
    auto it = entries_.find(className);
    if (it != entries_.end() && placeholder && !it->placeholder) return;
    Entry& e = entries_[className];
    e.caption = caption;
    e.factory = std::move(factory);
    e.placeholder = placeholder;
}

bool ToolRegistry::isPlaceholder(const QString& className) const {
    auto it = entries_.find(className);
    return it != entries_.end() && it->placeholder;
}

QString ToolRegistry::caption(const QString& className) const {
    auto it = entries_.find(className);
    return it == entries_.end() ? QString() : it->caption;
}

QWidget* ToolRegistry::open(const QString& className) {
    auto it = entries_.find(className);
    if (it == entries_.end()) return nullptr;
    // A window closed a moment ago is deleted once the event loop turns: a
    // fresh one takes its place at once, as after that.
    QWidget* w = it->window;
    if (!w) {
        ToolWindow* made = it->factory(*this);
        QObject::connect(made, &ToolWindow::closeAccepted, [this, made] { closing(made); });
        w = made;
        it = entries_.find(className);  // the factory may have opened other windows
        it->window = w;
        w->show();
    } else {
        if (w->isMinimized()) w->showNormal();
        w->show();
    }
    w->raise();
    w->activateWindow();
    return w;
}

QWidget* ToolRegistry::window(const QString& className) const {
    auto it = entries_.find(className);
    return it == entries_.end() ? nullptr : it->window.data();
}

QList<QWidget*> ToolRegistry::openWindows() const {
    QList<QWidget*> list;
    for (const auto& e : entries_)
        if (e.window) list << e.window.data();
    return list;
}

void ToolRegistry::closing(const QWidget* window) {
    for (auto& e : entries_)
        if (e.window == window) e.window = nullptr;
}

}  // namespace korrimet
