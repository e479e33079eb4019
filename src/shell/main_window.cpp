#include "shell/main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "platform/desktop_programs.h"
#include "platform/message_service.h"
#include "platform/web_links.h"
#include "shell/menu_table.h"

namespace korrimet {
namespace {

const QColor kPanelRed(192, 0, 0);

// The reference books behind the calculations, as (index in the label array, top in twips).
struct BookTitle {
    int index;
    int top;
    const char* title;
};
constexpr BookTitle kBooks[] = {
    {8, 360, "《八五环境统计手册》"},       {7, 720, "《工业污染物产生和排放系数手册》"},
    {6, 1050, "《环境保护计算手册》"},      {4, 1440, "《环境影响评价上岗培训教材》"},
    {2, 1800, "《环境统计报表填报指南》"},  {0, 2160, "《化工原理》"},
    {1, 2520, "《环境保护实用数据手册》"},  {5, 2880, "《环境风险评价实用技术与方法》"},
};

QLabel* whiteLabel(FormBuilder& f, const QString& name, const QString& text, int l, int t, int w, int h) {
    QLabel* label = f.label(name, text, l, t, w, h);
    label->setWordWrap(false);
    label->setTextFormat(Qt::PlainText);  // "<address>" is no tag
    setTextColor(label, Qt::white);
    return label;
}

}  // namespace

QIcon KorrimetIcon() {
    QIcon icon;
    icon.addPixmap(QPixmap(QStringLiteral(":/shell/korrimet_32.xpm")));
    icon.addPixmap(QPixmap(QStringLiteral(":/shell/korrimet_16.xpm")));
    return icon;
}

MainWindow::MainWindow() : timer_(new QTimer(this)) {
    setObjectName(QStringLiteral("bKorrimet"));
    setWindowTitle(QStringLiteral("Korrimet2011版"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setWindowIcon(KorrimetIcon());
    RegisterMenuWindows();
    buildMenus();
    buildTrayMenu();
    buildPanels();
    resize(twips(11100), twips(5775) + menuBar()->sizeHint().height());

    // The load step; the single-copy test has run before the window exists.
    timer_->setObjectName(QStringLiteral("Timer1"));
    connect(timer_, &QTimer::timeout, this, &MainWindow::Timer1_Timer);
    timer_->start(1000);
    const int state = windowStateValue();
    LastState = static_cast<short>(state == 1 ? 0 : state);
    tray_.TrayIconAdd(this, trayMenu_);
    tray_.TrayIconSetTip(QStringLiteral("Korrimet，点击右键弹出菜单"));
}

MainWindow::~MainWindow() = default;

int MainWindow::windowStateValue() const {
    if (windowState() & Qt::WindowMinimized) return 1;
    if (windowState() & Qt::WindowMaximized) return 2;
    return 0;
}

void MainWindow::buildMenus() {
    QHash<QString, QMenu*> menus;
    for (const MenuRow& row : MenuTable()) {
        if (row.isOperation()) continue;
        QMenu* parent = menus.value(row.parent);
        if (row.isMenu()) {
            QMenu* menu = parent ? parent->addMenu(row.caption) : menuBar()->addMenu(row.caption);
            menu->setObjectName(row.name);
            menu->menuAction()->setObjectName(row.name);
            menus.insert(row.name, menu);
            continue;
        }
        QAction* action = parent->addAction(row.caption);
        action->setObjectName(row.name);
        action->setVisible(!row.hidden);
        connect(action, &QAction::triggered, this, [this, row] { run(row); });
    }
}

void MainWindow::buildTrayMenu() {
    // The twelfth menu of the bar, never shown there: the tray icon's popup.
    trayMenu_ = menuBar()->addMenu(QStringLiteral("Popup"));
    trayMenu_->setObjectName(QStringLiteral("mnuTray"));
    trayMenu_->menuAction()->setObjectName(QStringLiteral("mnuTray"));
    trayMenu_->menuAction()->setVisible(false);
    auto item = [this](const char* name, const QString& caption, auto handler) {
        QAction* a = trayMenu_->addAction(caption);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, handler);
    };
    item("mnuTrayRestore", QStringLiteral("恢复&R"), [this] { restoreFromTray(); });
    item("mnuTrayMove", QStringLiteral("移动&M"), [this] {
        if (QWindow* w = windowHandle()) w->startSystemMove();
    });
    item("mnuTraySize", QStringLiteral("尺寸&S"), [this] {
        if (QWindow* w = windowHandle()) w->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
    });
    item("mnuTrayMinimize", QStringLiteral("最小化&n"), [this] { setWindowState(windowState() | Qt::WindowMinimized); });
    item("mnuTrayMaximize", QStringLiteral("最大化&x"), [this] { setWindowState(Qt::WindowMaximized); });
    trayMenu_->addSeparator()->setObjectName(QStringLiteral("mnuTraySep"));
    item("mnuTrayClose", QStringLiteral("退出&Q"), [this] { close(); });
}

void MainWindow::buildPanels() {
    auto* client = new QWidget;
    client->setObjectName(QStringLiteral("client"));
    setBackground(client, kPanelRed);
    setCentralWidget(client);
    FormBuilder f(client);

    QGroupBox* books = f.frame(QStringLiteral("Frame1"), QStringLiteral("计算依据及参考书籍："), 2640, 480, 6015, 3255);
    setBackground(books, kPanelRed);
    setTextColor(books, palette().color(QPalette::HighlightedText));
    FormBuilder inBooks(books);
    for (const BookTitle& b : kBooks) {
        QLabel* label = whiteLabel(inBooks, QStringLiteral("Label1"), QString::fromUtf8(b.title), 120, b.top, 5775, 255);
        label->setProperty("index", b.index);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }

    QGroupBox* contact = f.frame(QStringLiteral("Frame2"), QString(), 6720, 4080, 4095, 1455);
    setBackground(contact, kPanelRed);
    FormBuilder inContact(contact);
    // The three lines reach to the frame's inner edge (4020 twips), where the
    // second contact's line ends, so longer addresses are not cut off.
    const Contacts& c = ContactAddresses();
    webLabel_ = whiteLabel(inContact, QStringLiteral("Label7"),
                           QStringLiteral("     Orlenfeld：") + WebAddress(QStringLiteral("main-site")).host(), 240,
                           360, 3780, 255);
    webLabel_->setToolTip(QStringLiteral("点击即可访问！"));
    mailLabel_ = whiteLabel(inContact, QStringLiteral("Label4"), QStringLiteral("请与我们联系：") + c.mail, 480, 720,
                            3540, 255);
    mailLabel_->setToolTip(QStringLiteral("点击即可发送邮件！"));
    secondMailLabel_ = whiteLabel(inContact, QStringLiteral("Label2"), c.secondName + " <" + c.secondMail + ">", 240,
                                  1065, 3780, 255);
    secondMailLabel_->setAlignment(Qt::AlignRight | Qt::AlignTop);
    secondMailLabel_->setToolTip(QStringLiteral("点击即可发送邮件！"));
    for (QLabel* label : {webLabel_, mailLabel_, secondMailLabel_}) {
        label->setCursor(Qt::PointingHandCursor);
        label->installEventFilter(this);
    }
}

void MainWindow::run(const MenuRow& row) {
    if (row.action == QLatin1String("tool"))
        ToolRegistry::instance().open(row.target);
    else if (row.action == QLatin1String("web"))
        OpenAddress(WebAddress(row.target));
    else if (row.action == QLatin1String("program"))
        StartDesktopProgram(row.target, this);
    else if (row.action == QLatin1String("message"))
        ShowMessage(row.target, this);
    else if (row.action == QLatin1String("close"))
        close();
}

QStringList MainWindow::operations() const {
    QStringList names;
    for (const MenuRow& row : MenuTable())
        if (row.isOperation()) names << row.name;
    return names;
}

bool MainWindow::runOperation(const QString& name) {
    for (const MenuRow& row : MenuTable()) {
        if (row.isOperation() && row.name == name) {
            run(row);
            return true;
        }
    }
    return false;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        const Contacts& c = ContactAddresses();
        if (watched == webLabel_) OpenAddress(WebAddress(QStringLiteral("main-site")));
        else if (watched == mailLabel_) OpenAddress(QUrl(QStringLiteral("mailto:") + c.mail));
        else if (watched == secondMailLabel_) OpenAddress(QUrl(QStringLiteral("mailto:") + c.secondMail));
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::Form_Resize() {
    const int state = windowStateValue();
    auto enable = [this](const char* name, bool on) {
        trayMenu_->findChild<QAction*>(QString::fromLatin1(name))->setEnabled(on);
    };
    enable("mnuTrayRestore", state != 0);
    enable("mnuTrayMove", state == 0);
    enable("mnuTraySize", state == 0);
    enable("mnuTrayMinimize", state != 1);
    enable("mnuTrayMaximize", false);  // the window has no maximize button
    if (state != 1) LastState = static_cast<short>(state);
}

void MainWindow::Timer1_Timer() {
    // Without a notification area the window could never come back: it then
    // stays minimized in the task bar instead.
    if (windowStateValue() == 1 && isVisible() && tray_.isShown()) {
        hide();
        hiddenInTray_ = true;
    }
}

void MainWindow::restoreFromTray() {
    if (windowStateValue() == 1) {
        setWindowState(LastState == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
        show();
        raise();
        activateWindow();
    } else if (windowStateValue() == 2) {
        setWindowState(Qt::WindowNoState);
    }
}

void MainWindow::showEvent(QShowEvent* event) {
    if (!centred_) {
        centred_ = true;
        if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
        Form_Resize();
    }
    QMainWindow::showEvent(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void MainWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Tool windows stay open: the program ends when the last of them closes.
    tray_.TrayIconRemove();
    timer_->stop();
    hiddenInTray_ = false;
    event->accept();
}

}  // namespace korrimet
