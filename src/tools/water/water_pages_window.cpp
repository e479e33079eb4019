#include <QLabel>
#include <QPalette>

#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"

namespace korrimet::water {
namespace {

const char* const kNoteText =
    "关于本菜单下所有的产排污量计算的说明：1：本菜单的所有的产排污量计算的产、排污系数来自于《工业污染物产生和排放"
    "系数手册》国家环境保护总局标准司。2、引用的排污系数为主要工业产品的综合产、排污系数，有关各类产、排污系数的应用，"
    "请看软件的帮助。3、菜单下计算各行业的产排污量时，均引用了EXCEL计算表的方式进行，你可以进行编辑和复制操作，"
    "如果你的电脑上没有安装EXCEL，请安装以后，才可以正确使用； 4、由于没有电子版的《工业污染物产生和排放系数手册》，"
    "所有的系数均为人工手工录入，在录入过程中，作者尽求不出错，可是由于工作量太大，可能难免会出现错误，大家在使用过程中，"
    "如果发现任何错误，或是有任何意见，请与我们联系，以便我们改正！ "
    "5、联系方式：请通过本软件“帮助”菜单中的网页与我们联系，来信请注明错误所在的行业、污染物和系数。";

// The explanation for the industry coefficient sheets: one wrapped label.
class CoefficientNoteWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "note";
    static constexpr const char* kCaption = "note";

    CoefficientNoteWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7200, 3600) {
        FormBuilder f = form();
        QLabel* text = f.label("Label1", QString::fromUtf8(kNoteText), 0, 0, 7200, 3600);
        text->setMargin(8);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse);
        text->setAutoFillBackground(true);
        QPalette p = text->palette();
        p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
        p.setColor(QPalette::WindowText, p.color(QPalette::ToolTipText));
        text->setPalette(p);
    }
};

// A window with its caption and nothing else.
class SimplifiedDiffusionWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "简化二维扩散方程";
    static constexpr const char* kCaption = "简化二维扩散方程";

    SimplifiedDiffusionWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 4800, 3600) {}
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::CoefficientNoteWindow;
using korrimet::water::SimplifiedDiffusionWindow;
KORRIMET_REGISTER_TOOL(CoefficientNoteWindow);
KORRIMET_REGISTER_TOOL(SimplifiedDiffusionWindow);
