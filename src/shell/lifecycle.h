#pragma once
#include <QObject>
#include <functional>

namespace korrimet {

class SingleInstance;

// What every start sets before the first window: how memory freed by long
// runs goes back to the system, the program's font and Qt's own texts in
// Simplified Chinese (message box buttons, context menus).
// Returns whether Qt's Chinese translations were found and loaded.
bool SetUpApplication();

// The single-copy test of start-up: when another copy runs, says so and
// returns false; the caller then ends without showing anything. A lock that
// cannot be made at all is reported with its folder, and the program runs
// without the guard.
bool ClaimSingleInstance(SingleInstance& lock);

QString lockUnavailableMessage(const QString& folder);

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
