#pragma once
#include <QObject>
#include <functional>

namespace korrimet {

class SingleInstance;

// The single-copy test of start-up: when another copy runs, says so and
// returns false; the caller then ends without showing anything.
bool ClaimSingleInstance(SingleInstance& lock);

// The program ends when its last visible window closes: tool windows keep it
// alive after the main window has closed, and a main window that is only
// hidden in the tray (keepAlive) still counts as open.
class QuitRule : public QObject {
public:
    explicit QuitRule(std::function<bool()> keepAlive, std::function<void()> quit = {});
    ~QuitRule() override;

    // Whether some window still keeps the program running.
    bool anyWindowOpen() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void check();

    std::function<bool()> keepAlive_;
    std::function<void()> quit_;
    bool pending_ = false;
};

}  // namespace korrimet
