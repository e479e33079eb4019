#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace korrimet {

// The menu names its helper programs as on the system it came from
// ("NOTEPAD.EXE", "calc.exe", "mspaint.exe"; "MSINFO32.EXE" for the About
// window); here each stands for the first Linux desktop program of its kind
// found on the PATH.
QStringList DesktopProgramCandidates(const QString& name);
// Full path of the program that stands in for name, or empty when none is installed.
QString FindDesktopProgram(const QString& name);
// Starts it detached; when none is found or it cannot start, says so in a
// message box: failureMessage when given, for either case, else a message
// that names the programs to install.
bool StartDesktopProgram(const QString& name, QWidget* parent = nullptr, const QString& failureMessage = {});

}  // namespace korrimet
