#include "shell/about_window.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVersionNumber>

#include "common/widgets/tool_registry.h"
#include "platform/desktop_programs.h"
#include "platform/message_service.h"
#include "platform/web_links.h"
#include "shell/main_window.h"

namespace korrimet {
namespace {

QFrame* rule(FormBuilder& f, const QString& name, const QColor& color, int left, int top, int right) {
    auto* line = f.place(new QFrame, name, left, top, right - left, 15);
    setBackground(line, color);
    return line;
}

}  // namespace

AboutWindow::AboutWindow() : ToolWindow(kClassName, kCaption, 5760, 3390) {
    setWindowIcon(KorrimetIcon());
    FormBuilder f = form();

    QLabel* icon = f.label(QStringLiteral("picIcon"), {}, 240, 240, 540, 540);
    icon->setPixmap(KorrimetIcon().pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);

    QLabel* title = f.label(QStringLiteral("lblTitle"), {}, 1050, 240, 3885, 480);
    title->setFont(songti(14, true));
    f.label(QStringLiteral("lblVersion"), {}, 1050, 780, 3885, 225)->setWordWrap(false);

    QGroupBox* frame = f.frame(QStringLiteral("Frame1"), {}, 240, 964, 5415, 735);
    FormBuilder inFrame(frame);
    QLabel* notice = inFrame.label(QStringLiteral("Label1"),
                                   QStringLiteral("本程序版权归Orlenfeld所有。联系邮箱：") + ContactAddresses().mail, 120,
                                   240, 5175, 445);
    notice->setTextFormat(Qt::PlainText);
    notice->setFont(songti(9));

    cmdOK_ = f.button(QStringLiteral("cmdOK"), QStringLiteral("确定"), 360, 1920, 1500, 345);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);
    QPushButton* sysInfo = f.button(QStringLiteral("cmdSysInfo"), QStringLiteral("系统信息(&S)..."), 3960, 1920, 1485, 345);
    sysInfo->setAutoDefault(true);  // Enter presses it while it has the focus
    connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::StartSysInfo);

    // An etched rule: the white line one pixel under the grey one.
    rule(f, QStringLiteral("Line1"), QColor(0x80, 0x80, 0x80), 90, 2400, 5654);
    rule(f, QStringLiteral("Line2"), Qt::white, 120, 2415, 5669);

    QLabel* disclaimer = f.label(QStringLiteral("lblDisclaimer"),
            QStringLiteral("本程序引用《八五环境统计手册》、《环境保护计算手册》、《工业污染物产生和排放系数手册》、"
                           "《环境影响评价培训教材》《环境风险评价实用技术与方法》等书中的资料和公式，表示感谢！"),
            120, 2520, 5520, 750);
    disclaimer->setFont(songti(9));

    Form_Load();
    cmdOK_->setFocus();
}

QString AboutWindow::VersionText(const QString& applicationVersion) {
    const QVersionNumber v = QVersionNumber::fromString(applicationVersion);
    return QStringLiteral("版本 %1.%2.%3").arg(v.segmentAt(0)).arg(v.segmentAt(1)).arg(v.segmentAt(3));
}

void AboutWindow::Form_Load() {
    const QString title = QCoreApplication::applicationName();
    setWindowTitle(QStringLiteral("关于 ") + title);
    control<QLabel>(QStringLiteral("lblVersion"))->setText(VersionText(QCoreApplication::applicationVersion()));
    control<QLabel>(QStringLiteral("lblTitle"))->setText(title);
}

void AboutWindow::StartSysInfo() {
    StartDesktopProgram(QStringLiteral("MSINFO32.EXE"), this, QStringLiteral("此时系统信息不可用"));
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    // cmdOK is the default and the cancel button; a focused cmdSysInfo takes
    // Enter itself and never passes it on.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        cmdOK_->click();
        return;
    default:
        ToolWindow::keyPressEvent(event);
    }
}

KORRIMET_REGISTER_TOOL(AboutWindow);

}  // namespace korrimet
