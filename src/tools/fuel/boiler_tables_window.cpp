#include <QGroupBox>
#include <QLabel>
#include <QTabBar>

#include "common/widgets/picture_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"

namespace korrimet::fuel {
namespace {

const QString kCoalTab = QStringLiteral("常见煤的组分");
const QString kExcessAirTab = QStringLiteral("过剩系数");

// Two handbook tables on one strip: the coal composition and the excess air
// of the boiler kinds.
class BoilerTablesWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "锅炉排放的烟气量烟尘及SO2的计算";
    static constexpr const char* kCaption = "锅炉排放的烟气量、烟尘及SO2的计算";

    BoilerTablesWindow() : ToolWindow(kClassName, kCaption, 7380, 5700) {
        FormBuilder f = form();
        QLabel* title = f.label("Label1", "锅炉排放的烟气量、烟尘及SO2计算", 0, 120, 7380, 360);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title->setFont(songti(12, true));

        tabs_ = f.place(new QTabBar, "TabStrip1", 120, 600, 7140, 360);
        tabs_->addTab(kCoalTab);
        tabs_->addTab(kExcessAirTab);
        tabs_->setExpanding(false);

        coal_ = f.frame("Frame1", QString(), 120, 960, 7140, 4620);
        FormBuilder inCoal(coal_);
        pictureView(inCoal, "Image1", ":/fuel/pages/coal_composition.html", 120, 120, 6900, 4380);
        excessAir_ = f.frame("Frame2", QString(), 120, 960, 7140, 4620);
        FormBuilder inExcessAir(excessAir_);
        pictureView(inExcessAir, "Image2", ":/fuel/pages/boiler_excess_air.html", 120, 120, 6900, 4380);

        excessAir_->setVisible(true);
        coal_->setVisible(false);
        // The strip starts on the tab of the table shown, so the two agree.
        tabs_->setCurrentIndex(1);
        connect(tabs_, &QTabBar::currentChanged, this, [this] { tabClicked(); });
    }

private:
    void tabClicked() {
        const QString caption = tabs_->tabText(tabs_->currentIndex());
        if (caption == kCoalTab) {
            coal_->setVisible(true);
            excessAir_->setVisible(false);
        } else if (caption == kExcessAirTab) {
            excessAir_->setVisible(true);
            coal_->setVisible(false);
        }
    }

    QTabBar* tabs_;
    QGroupBox* coal_;
    QGroupBox* excessAir_;
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::BoilerTablesWindow;
KORRIMET_REGISTER_TOOL(BoilerTablesWindow);
