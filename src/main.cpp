#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Korrimet");
    korrimet::MainWindow window;
    window.show();
    return app.exec();
}
