#include <QPushButton>
#include <QTextBrowser>

#include "common/widgets/picture_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"

namespace korrimet::air_emission {
namespace {

// The solvent released per tonne of paint: a table too long for one page,
// so it is kept as the table and its continuation, one shown at a time.
class PaintSolventWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "各种油漆有机溶剂挥发量表";
    static constexpr const char* kCaption = "各种油漆有机溶剂挥发量表";

    PaintSolventWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 8775, 7350) {
        FormBuilder f = form();
        // Each page at the size of the printed table it stands for.
        table_ = pictureView(f, "Picture2", ":/air_emission/paint_solvent_table.html", 120, 120, 8415, 6495);
        continued_ =
            pictureView(f, "Picture3", ":/air_emission/paint_solvent_continued.html", 150, 75, 8475, 6600);
        QPushButton* first = f.button("Command1", "表一", 1440, 6840, 1740, 315);
        QPushButton* next = f.button("Command2", "续表", 5640, 6840, 1740, 315);
        connect(first, &QPushButton::clicked, this, [this] { showPage(true); });
        connect(next, &QPushButton::clicked, this, [this] { showPage(false); });
        showPage(true);
    }

private:
    // Both pages are set every time, so exactly one shows.
    void showPage(bool first) {
        table_->setVisible(first);
        continued_->setVisible(!first);
    }

    QTextBrowser* table_;
    QTextBrowser* continued_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::PaintSolventWindow;
KORRIMET_REGISTER_TOOL(PaintSolventWindow);
