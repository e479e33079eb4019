#include "platform/desktop_programs.h"

#include <QProcess>
#include <QStandardPaths>

#include "platform/message_service.h"

namespace korrimet {
namespace {

struct Kind {
    const char* name;
    const char* title;  // what the user calls it, for the message
    QStringList programs;
};

const QList<Kind>& kinds() {
    static const QList<Kind> list{
        {"notepad.exe", "文本编辑器（记事本）",
         {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "xed", "pluma", "featherpad", "leafpad",
          "geany"}},
        {"calc.exe", "计算器",
         {"gnome-calculator", "kcalc", "galculator", "mate-calc", "qalculate-gtk", "speedcrunch", "xcalc"}},
        {"mspaint.exe", "画图程序", {"kolourpaint", "pinta", "drawing", "mtpaint", "gpaint", "krita", "gimp"}},
        {"msinfo32.exe", "系统信息程序", {"hardinfo2", "hardinfo", "kinfocenter", "lshw-gtk", "cpu-x", "i-nex"}},
    };
    return list;
}

const Kind* kindOf(const QString& name) {
    for (const Kind& k : kinds())
        if (name.compare(QLatin1String(k.name), Qt::CaseInsensitive) == 0) return &k;
    return nullptr;
}

}  // namespace

QStringList DesktopProgramCandidates(const QString& name) {
    const Kind* k = kindOf(name);
    return k ? k->programs : QStringList{};
}

QString FindDesktopProgram(const QString& name) {
    for (const QString& program : DesktopProgramCandidates(name)) {
        QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty()) return path;
    }
    return {};
}

bool StartDesktopProgram(const QString& name, QWidget* parent, const QString& failureMessage) {
    const Kind* k = kindOf(name);
    QString title = k ? QString::fromUtf8(k->title) : name;
    QString path = FindDesktopProgram(name);
    if (path.isEmpty()) {
        QString message = QStringLiteral("没有找到可用的%1，请先安装").arg(title);
        if (k) message += QStringLiteral("以下程序之一：") + k->programs.mid(0, 4).join(QStringLiteral("、"));
        ShowMessage(failureMessage.isEmpty() ? message + QStringLiteral("。") : failureMessage, parent);
        return false;
    }
    if (!QProcess::startDetached(path, {})) {
        ShowMessage(failureMessage.isEmpty() ? QStringLiteral("无法启动%1：%2").arg(title, path) : failureMessage, parent);
        return false;
    }
    return true;
}

}  // namespace korrimet
