#include <QApplication>

#include "platform/single_instance.h"
#include "shell/lifecycle.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Korrimet"));
    QApplication::setApplicationVersion(QStringLiteral("2011.11.0.4"));
    QApplication::setDesktopFileName(QStringLiteral("korrimet"));
    QApplication::setWindowIcon(korrimet::KorrimetIcon());
    korrimet::SetUpApplication();

    korrimet::SingleInstance lock;
    if (!korrimet::ClaimSingleInstance(lock)) return 0;

    korrimet::MainWindow window;
    korrimet::QuitRule quitRule([&window] { return window.isHiddenInTray(); });
    window.show();
    return app.exec();
}
