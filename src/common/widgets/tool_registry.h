#pragma once
#include <QMap>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <type_traits>

namespace korrimet {

class ToolWindow;

// Opens tool windows by class name: one instance per class, created on first
// use and shown modeless; an open window is raised, a closed one loaded anew,
// also while its deletion is still pending. The windows are ToolWindows:
// deleted on close, they say by a signal when their close has been accepted.
// Window-level variables live here, so they outlive the window's widgets.
class ToolRegistry {
public:
    using Factory = std::function<ToolWindow*(ToolRegistry&)>;

    static ToolRegistry& instance();

    // A later real registration replaces a placeholder, whatever the order.
    void add(const QString& className, const QString& caption, Factory factory, bool placeholder = false);

    bool contains(const QString& className) const { return entries_.contains(className); }
    bool isPlaceholder(const QString& className) const;
    QStringList classNames() const { return entries_.keys(); }
    QString caption(const QString& className) const;

    // Shows the class's window (creating it when none is open); nullptr for an unknown class.
    QWidget* open(const QString& className);
    // The open window of a class (one being closed is none), or nullptr.
    QWidget* window(const QString& className) const;
    QList<QWidget*> openWindows() const;

    template <class State>
    State& state(const QString& className) {
        auto& slot = states_[className];
        if (!slot) slot = std::make_shared<State>();
        return *static_cast<State*>(slot.get());
    }

private:
    // A window's close has been accepted: it is no longer the open window
    // of its class, though it is deleted only later.
    void closing(const QWidget* window);

    struct Entry {
        QString caption;
        Factory factory;
        bool placeholder = false;
        QPointer<QWidget> window;  // the open one, never one being closed
    };
    QMap<QString, Entry> entries_;
    QMap<QString, std::shared_ptr<void>> states_;
};

template <class Window>
struct ToolRegistration {
    ToolRegistration() {
        ToolRegistry::instance().add(QString::fromUtf8(Window::kClassName), QString::fromUtf8(Window::kCaption),
                                     [](ToolRegistry& registry) -> ToolWindow* {
                                         if constexpr (requires { typename Window::State; })
                                             return new Window(registry.state<typename Window::State>(
                                                 QString::fromUtf8(Window::kClassName)));
                                         else
                                             return new Window;
                                     });
    }
};

}  // namespace korrimet

// In a window's .cpp: registers the class under its kClassName and kCaption.
#define KORRIMET_REGISTER_TOOL(Window) \
    static const ::korrimet::ToolRegistration<Window> korrimetRegistration_##Window

// Opens a window of another tool by class name, passing nothing.
namespace korrimet {
inline QWidget* OpenTool(const QString& className) { return ToolRegistry::instance().open(className); }
}  // namespace korrimet
