#include "shell/main_window.h"

#include <QMenuBar>

#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"

namespace korrimet {

MainWindow::MainWindow() {
    setObjectName("bKorrimet");
    setWindowTitle("Korrimet2011版");
    resize(twips(11100), twips(5775));
    QMenu* fuel = menuBar()->addMenu("燃料废气工具");
    fuel->setObjectName("燃料产污工具箱");
    QAction* flueGas = fuel->addAction("燃料燃烧烟气量计算");
    flueGas->setObjectName("燃料燃烧烟气量");
    connect(flueGas, &QAction::triggered, this, [] { ToolRegistry::instance().open("燃料燃烧燃气产生量"); });
}

}  // namespace korrimet
