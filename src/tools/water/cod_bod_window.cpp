#include <QLabel>
#include <QLineEdit>
#include <QTextEdit>

#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/water/cod_bod.h"

namespace korrimet::water {
namespace {

const char* const kNote =
    "说明：COD与BOD5无必然联系，但是却也有一定的规律可循：1机械废水、 2冷却废水、3制药废水、4纺织印染废水、"
    "5食品加工废水、6饮食废水、 7医院废水、8生活污水，八种废水中各自的 BOD5与 CODcr(x)线性关系密切 ，"
    "据此可以由该类污染物的COD折算BOD5，此处折算有经验算法，折算出的BOD5可供参考！";

std::vector<CodBodLine> storedLines() {
    std::string error;
    auto lines = ParseCodBodLines(resourceText(":/water_tools/cod_bod_lines.txt").toStdString(), &error);
    if (!lines) qWarning("COD to BOD5 lines: %s", error.c_str());
    return lines.value_or(std::vector<CodBodLine>{});
}

class CodBodWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "COD转换BOD";
    static constexpr const char* kCaption = "COD转换BOD";

    CodBodWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7200, 6600) {
        FormBuilder f = form();
        f.label("Label1", "常见几种类型的废水COD与BOD的转换", 240, 120, 6720, 360)->setFont(songti(12));
        f.label("Label2", "COD", 2640, 600, 1800, 300)->setAlignment(Qt::AlignHCenter);
        f.label("Label3", "BOD5", 4680, 600, 1800, 300)->setAlignment(Qt::AlignHCenter);
        const std::vector<CodBodLine> lines = storedLines();
        // COD boxes are Text1 to Text8, their BOD5 boxes Text9 to Text16.
        const int rows = static_cast<int>(lines.size());
        auto* live = new LiveRecompute(this);
        for (int i = 0; i < rows; ++i) {
            const int top = 960 + i * 420;
            f.label(QStringLiteral("Label%1").arg(i + 4), qtext(lines[i].label), 240, top + 30, 2280, 300);
            QLineEdit* cod = f.textBox(QStringLiteral("Text%1").arg(i + 1), 2640, top, 1800, 345);
            QLineEdit* bod = f.textBox(QStringLiteral("Text%1").arg(i + 1 + rows), 4680, top, 1800, 345);
            setTextColor(bod, kDarkGreen);
            live->onChange({cod}, [this, line = lines[i], cod, bod] {
                Press press(this, PressMode::Live);
                double value = 0;
                press.read(value, cod, Range::NonNegative);
                press.put(bod, [&] { return Bod5Text(line, value); });
            });
        }
        QTextEdit* note = f.richText("RichTextBox1", 240, 960 + rows * 420 + 120, 6720, 1560);
        note->setFont(songti(9));
        note->setPlainText(QString::fromUtf8(kNote));
    }
};

}  // namespace
}  // namespace korrimet::water

using korrimet::water::CodBodWindow;
KORRIMET_REGISTER_TOOL(CodBodWindow);
