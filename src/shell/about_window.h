#pragma once
#include "common/widgets/tool_window.h"

class QPushButton;

namespace korrimet {

// The application's title and version, a line of thanks to the reference
// books, and a button that starts the desktop's system-information program.
class AboutWindow : public ToolWindow {
    Q_OBJECT
public:
    static constexpr const char* kClassName = "frmAbout";
    static constexpr const char* kCaption = "关于 Korrimet";

    AboutWindow();

    // "版本 " and the major, minor and revision numbers of a version text such
    // as "2011.11.0.4" (the third number is not shown).
    static QString VersionText(const QString& applicationVersion);

    void StartSysInfo();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Form_Load();

    QPushButton* cmdOK_;
};

}  // namespace korrimet
