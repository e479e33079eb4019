#pragma once
#include <QMainWindow>

namespace korrimet {

// The start-up window: its menu opens every tool.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow();
};

}  // namespace korrimet
