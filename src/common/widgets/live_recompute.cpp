#include "common/widgets/live_recompute.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <memory>

namespace korrimet {
namespace {

class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonRelease) handler_();
        return false;
    }

private:
    std::function<void()> handler_;
};

}  // namespace

std::function<void()> LiveRecompute::guarded(std::function<void()> handler) {
    auto running = std::make_shared<bool>(false);
    return [handler = std::move(handler), running] {
        if (*running) return;
        *running = true;
        handler();
        *running = false;
    };
}

LiveRecompute& LiveRecompute::onChange(std::initializer_list<QLineEdit*> inputs, std::function<void()> handler) {
    auto run = guarded(std::move(handler));
    for (QLineEdit* box : inputs) connect(box, &QLineEdit::textChanged, this, [run] { run(); });
    return *this;
}

LiveRecompute& LiveRecompute::onClick(std::initializer_list<QLineEdit*> results, std::function<void()> handler) {
    auto run = guarded(std::move(handler));
    for (QLineEdit* box : results) box->installEventFilter(new ClickFilter(box, run));
    return *this;
}

LiveRecompute& LiveRecompute::onPick(QComboBox* combo, std::function<void()> handler) {
    auto run = guarded(std::move(handler));
    connect(combo, &QComboBox::activated, this, [run] { run(); });
    return *this;
}

void setTextAndNotify(QLineEdit* box, const QString& text) {
    if (box->text() != text)
        box->setText(text);
    else
        emit box->textChanged(text);
}

}  // namespace korrimet
