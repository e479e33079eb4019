#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <initializer_list>
#include <string_view>

#include "common/widgets/help_button.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/solid_waste/boiler_ash.h"

namespace korrimet::solid_waste {
namespace {

const char* const kSlagCombustiblesHelp =
    "炉渣中的可燃物百分含量，在无热工测试资料的情况下，一般Ciz的取值范围为10-25%，煤粉炉可取0-5%！";

// The source note beside the boxes, line by line as the handbook page has it.
const char* const kSourceLines[] = {
    "    ",
    "《八五环境统计手册》P168燃煤煤渣、",
    "灰渣产生量的计算！ ",
    "    注表:表中数值是参考《锅炉及锅",
    "炉房设备》、《锅炉机组热力计算标准",
    "方法》、《工业锅炉》等书籍选取的。",
    "    计算煤渣、炉渣的公式未给出，公",
    "式太过如别扭！",
    "    锅炉的灰渣由两部分组成，一部分",
    "为炉渣，一部分为粉煤灰，其中粉煤灰",
    "来源于烟尘的中被除尘器处理后形成粉煤灰！",
    "    ",
};

QString sourceNote() {
    QString text;
    for (const char* line : kSourceLines) text += QString::fromUtf8(line) + QLatin1Char('\n');
    return text;
}

// One row: a labelled box and, beside an input, the button that opens a
// page or shows the hint.
struct Row {
    const char* box;
    const char* label;
    const char* text;  // default; the results start empty
    bool result;
    const char* button;  // none when null
    const char* page;    // the page it opens; the hint when null
};

constexpr Row kRows[] = {
    {"Text1", "耗煤量(t)：", "300", false, nullptr, nullptr},
    {"Text2", "煤的灰分(%)：", "25", false, nullptr, nullptr},
    {"Text3", "烟气中烟尘占灰分含量的百分数dfh(%)：", "20", false, "Command2", "燃煤DTH"},
    {"Text4", "烟尘中可燃物的百分含量Cfh(%)：", "30", false, "Command3", "燃煤可燃物"},
    {"Text11", "炉渣中可燃物百分含量Ciz(%)：", "17.5", false, "Command1", nullptr},
    {"Text5", "除尘系统除尘效率(%)：", "90", false, nullptr, nullptr},
    {"Text6", "炉渣产生量（排放量）(kg)：", "", true, nullptr, nullptr},
    {"Text8", "粉煤灰产生量（排放量）(kg)：", "", true, nullptr, nullptr},
    {"Text13", "灰渣产生量（排放量）(kg)：", "", true, nullptr, nullptr},
};

constexpr int kWidth = 10620, kHeight = 4860;
constexpr int kFirstRow = 780, kRowStep = 405, kResultGap = 180;
constexpr int kLabelLeft = 120, kLabelWidth = 4080, kBoxLeft = 4260, kBoxWidth = 1260;
constexpr int kButtonLeft = 5580, kButtonWidth = 540, kRowHeight = 315;
constexpr int kFrameLeft = 6300;

class BoilerAshWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "锅炉煤灰渣产生量计算1";
    static constexpr const char* kCaption = "锅炉煤灰渣产生量计算";

    BoilerAshWindow() : ToolWindow(kClassName, kCaption, kWidth, kHeight) {
        setFont(songti(9));
        FormBuilder f = form();
        QLabel* title = f.label("Label1", "锅炉灰渣产生量计算", 0, 180, kFrameLeft, 420);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title->setFont(songti(14, true));

        int n = 0;
        for (const Row& r : kRows) placeRow(f, r, n++);

        const int frameTop = kFirstRow - 120;
        QGroupBox* frame =
            f.frame("Frame1", "计算来源：", kFrameLeft, frameTop, kWidth - kFrameLeft - 120, kHeight - frameTop - 180);
        FormBuilder inFrame(frame);
        QPlainTextEdit* note =
            inFrame.memo("Text7", 120, 285, frame->width() * 15 - 240, frame->height() * 15 - 405, sourceNote());
        setBackground(note, palette().color(QPalette::ToolTipBase));
        setTextColor(note, Qt::black);

        auto* live = new LiveRecompute(this);
        live->onChange({box("Text1"), box("Text2"), box("Text3"), box("Text4"), box("Text5"), box("Text11")}, [this] {
            compute({"Text13", "Text6", "Text8"});
        });
        for (const char* result : {"Text13", "Text6", "Text8"})
            live->onClick({box(result)}, [this, result] { compute({result}); });
    }

private:
    void placeRow(FormBuilder& f, const Row& r, int n) {
        const int top = kFirstRow + n * kRowStep + (r.result ? kResultGap : 0);
        QLabel* label = f.label(QStringLiteral("Label%1").arg(n + 2), QString::fromUtf8(r.label), kLabelLeft,
                                top + 30, kLabelWidth, kRowHeight);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QLineEdit* b = f.textBox(r.box, kBoxLeft, top, kBoxWidth, kRowHeight, QString::fromUtf8(r.text));
        b->setFont(songti(9, true));
        setTextColor(b, r.result ? kRed : kDarkGreen);
        if (!r.button) return;
        if (r.page) {
            const QString page = QString::fromUtf8(r.page);
            QPushButton* button = f.button(r.button, "......", kButtonLeft, top, kButtonWidth, kRowHeight);
            connect(button, &QPushButton::clicked, this, [page] { OpenTool(page); });
        } else {
            helpButton(f, r.button, "......", kButtonLeft, top, kButtonWidth, kRowHeight,
                       QString::fromUtf8(kSlagCombustiblesHelp));
        }
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(QString::fromUtf8(name)); }

    // Every run reads all six boxes afresh; a result whose entries fail is
    // cleared and marked, without a message box while the user types.
    void compute(std::initializer_list<const char*> results) {
        Press press(this, PressMode::Live);
        AshInputs in;
        press.read(in.coal, box("Text1"), Range::NonNegative);
        press.read(in.ash, box("Text2"), Range::Percent);
        press.read(in.flueShare, box("Text3"), Range::Percent);
        press.read(in.dustCombustibles, box("Text4"), Range::Percent);
        press.read(in.efficiency, box("Text5"), Range::Percent);
        press.read(in.slagCombustibles, box("Text11"), Range::Percent);
        const bool entries = press.ok();
        double slag = 0, flyAsh = 0;
        const bool slagOk = entries && press([&] { slag = Slag(in); });
        const bool flyAshOk = entries && press([&] { flyAsh = FlyAsh(in); });
        // A result stands when everything it uses stands, whatever else failed.
        auto since = [&](bool ok) { return ok ? press.mark() : 0; };
        for (const std::string_view result : results) {
            QLineEdit* out = box(result.data());
            if (result == "Text6")
                press.put(out, [&] { return WholeKilogramText(slag); }, since(slagOk));
            else if (result == "Text8")
                press.put(out, [&] { return WholeKilogramText(flyAsh); }, since(flyAshOk));
            else
                press.put(out, [&] { return WholeKilogramText(slag + flyAsh); }, since(slagOk && flyAshOk));
        }
    }
};

}  // namespace
}  // namespace korrimet::solid_waste

using korrimet::solid_waste::BoilerAshWindow;
KORRIMET_REGISTER_TOOL(BoilerAshWindow);
