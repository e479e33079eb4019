#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>

#include "common/widgets/numeric_box.h"
#include "common/widgets/press.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/open_storage.h"

namespace korrimet::air_emission {
namespace {

class OpenStorageWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "有毒有害物质露天存放散发量";
    static constexpr const char* kCaption = "有毒有害物质露天存放散发量";
    using State = OpenStorage;

    explicit OpenStorageWindow(State& state)
        : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 7515, 6135), s_(state) {
        FormBuilder f = form();
        f.label("Label1", "有毒有害物质敞开露天存放时散发量计算", 240, 120, 7035, 360)->setFont(songti(12));
        struct Row {
            const char* box;
            const char* caption;
        };
        const Row rows[] = {{"Text1", "室内风速（m/s）："},     {"Text2", "敞露面积（m^2）："},
                            {"Text3", "有害物质分子量："},       {"Text4", "敞开存放时温度（℃）："},
                            {"Text5", "有害物质A常数："},        {"Text8", "有害物质B常数："}};
        LineBox* boxes[6];
        for (int i = 0; i < 6; ++i) {
            const int top = 600 + i * 420;
            f.label(QString("Label%1").arg(5 + i), rows[i].caption, 240, top + 30, 2280, 300);
            boxes[i] = f.textBox(rows[i].box, 2520, top, 1560, 345);
            boxes[i]->setFont(songti(i < 3 ? 10.5 : 9, true));
            setTextColor(boxes[i], kDarkGreen);
            attachNumericBox(boxes[i]);
        }
        wind_ = boxes[0];
        area_ = boxes[1];
        molecular_ = boxes[2];
        temperature_ = boxes[3];
        a_ = boxes[4];
        b_ = boxes[5];

        compute_ = f.button("Command2", "计算", 2520, 3240, 1335, 435);
        f.label("Label3", "有害物质散发量（g/h）=", 240, 3870, 2280, 300);
        result_ = f.textBox("Text6", 2520, 3840, 1560, 345, " ");
        result_->setFont(songti(9, true));
        setTextColor(result_, kDarkGreen);

        // The substances' A and B, for the user to type into Text5 and Text8.
        basis_ = storedPage(f, "Text7", ":/air_emission/open_storage_substances.html", 4200, 600, 3195, 2445);
        basis_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

        // A pixel wider than drawn, to the left, so the 480-pixel picture clears the frame's margin.
        QGroupBox* frame = f.frame("Frame1", "计算公式", 105, 4440, 7290, 1575);
        FormBuilder inFrame(frame);
        // The formula as printed in the handbook: 480 × 34 pixels.
        QTextBrowser* formula =
            storedPage(inFrame, "Image1", ":/air_emission/open_storage_formula.html", 45, 600, 480 * 15, 34 * 15);
        formula->setFrameShape(QFrame::NoFrame);
        formula->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        formula->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        formula->setFocusPolicy(Qt::NoFocus);
        formula->document()->setDocumentMargin(2);
        setBackground(formula, frame->palette().color(QPalette::Window));

        QWidget* order[] = {b_, wind_, molecular_, area_, temperature_, a_, result_, compute_, basis_};
        for (int i = 0; i + 1 < 9; ++i) setTabOrder(order[i], order[i + 1]);
        b_->setFocus();

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    void compute() {
        Press press(this);
        OpenStorageInput in;
        press.read(in.wind, wind_, Range::NonNegative);
        press.read(in.area, area_, Range::NonNegative);
        press.read(in.molecular, molecular_, Range::Positive);
        if (press.read(in.temperature, temperature_))
            press.check(in.temperature > -273, QStringLiteral("存放温度须高于-273℃"));
        press.read(in.a, a_);
        press.read(in.b, b_);
        if (press.ok()) ComputeOpenStorage(s_, in, press.steps());
        press.put(result_, [&] { return NumberText(s_.G); });
    }

    State& s_;
    QLineEdit *wind_, *area_, *molecular_, *temperature_, *a_, *b_, *result_;
    QPushButton* compute_;
    QTextBrowser* basis_;
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::OpenStorageWindow;
KORRIMET_REGISTER_TOOL(OpenStorageWindow);
