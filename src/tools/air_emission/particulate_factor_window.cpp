#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <functional>
#include <vector>

#include "common/widgets/press.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_emission/air_form.h"
#include "tools/air_emission/particulate_factors.h"

namespace korrimet::air_emission {
namespace {

// The controls a computation reads: the list, Text1 and Text2 (null where
// the window has none).
struct Entries {
    QComboBox* choice = nullptr;
    QLineEdit* text1 = nullptr;
    QLineEdit* text2 = nullptr;
};
using Computation = std::function<void(ParticulateResult&, Press&, const Entries&)>;

// One window of the empirical-factor calculators: a heading, an optional
// list to pick from, input rows, "计算", the result row and the basis text.
struct ParticulateForm {
    struct Box {
        const char* name;
        const char* label;
        const char* text;
    };
    const char* heading;
    const char* choiceLabel = nullptr;  // no list when null
    std::vector<std::string> choices;
    std::vector<Box> boxes;
    const char* resultLabel;
    const char* basis;  // resource: plain text, or a page with a table (.html)
    Computation compute;
};

class ParticulateFactorWindow : public ToolWindow {
protected:
    ParticulateFactorWindow(const char* className, const char* caption, ParticulateResult& state,
                            ParticulateForm shape)
        : ToolWindow(QString::fromUtf8(className), QString::fromUtf8(caption), 8415, 4200),
          s_(state),
          compute_(std::move(shape.compute)) {
        FormBuilder f = form();
        f.label("Label1", shape.heading, 240, 120, 7900, 360)->setFont(songti(12));
        int top = 840;
        auto style = [](QWidget* w) {
            w->setFont(songti(9, true));
            setTextColor(w, kDarkGreen);
        };
        int labels = 2;
        if (shape.choiceLabel) {
            f.label(QString("Label%1").arg(labels++), shape.choiceLabel, 240, top + 45, 2640, 300);
            in_.choice = f.combo("Combo1", 2880, top, 2040, 345, qitems(shape.choices), false);
            style(in_.choice);
            top += 480;
        }
        for (const auto& box : shape.boxes) {
            f.label(QString("Label%1").arg(labels++), box.label, 240, top + 45, 2640, 300);
            QLineEdit* edit = f.textBox(box.name, 2880, top, 2040, 345, box.text);
            style(edit);
            (QString(box.name) == "Text1" ? in_.text1 : in_.text2) = edit;
            top += 480;
        }
        auto* compute = f.button("Command2", "计算", 2880, top + 120, 1335, 435);
        f.label("Label3", shape.resultLabel, 240, top + 825, 2640, 300);
        result_ = f.textBox("Text6", 2880, top + 780, 2040, 345, " ");
        style(result_);

        if (QString(shape.basis).endsWith(".html")) {
            QTextBrowser* page = storedPage(f, "Text7", shape.basis, 4980, 840, 3315, 3120);
            page->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        } else {
            QPlainTextEdit* basis = basisBox(f, "Text7", 4980, 840, 3315, 3120, resourceText(shape.basis));
            basis->setFont(tableFont(9));
            basis->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        }

        connect(compute, &QPushButton::clicked, this, [this] { this->compute(); });
    }

private:
    void compute() {
        Press press(this);
        compute_(s_, press, in_);
        press.put(result_, [&] { return NumberText(s_.value); });
    }

    ParticulateResult& s_;
    Computation compute_;
    Entries in_;
    QLineEdit* result_ = nullptr;
};

const char* const kAmountLabel = "请输入加工量（T）：";
const char* const kParticulateLabel = "颗粒物排放量（kg）=";

// The one amount of a window with a fixed factor, as a Single from `store`.
Computation amountTimes(void (*store)(ParticulateResult&, double, Steps&)) {
    return [store](ParticulateResult& r, Press& press, const Entries& in) {
        double t = 0;
        if (press.read(t, in.text2, Range::NonNegative)) store(r, t, press.steps());
    };
}

class FeedMillingWindow : public ParticulateFactorWindow {
public:
    static constexpr const char* kClassName = "饲料及粮食加工";
    static constexpr const char* kCaption = "饲料及粮食加工颗粒物排放量的计算";
    using State = ParticulateResult;

    explicit FeedMillingWindow(State& s) : ParticulateFactorWindow(kClassName, kCaption, s, shape()) {}

private:
    static ParticulateForm shape() {
        const FactorTable& factors = storedFactorTable(":/air_emission/feed_milling_factors.txt");
        ParticulateForm form;
        form.heading = "饲料及粮食加工颗粒物排放量的计算";
        form.choiceLabel = "请选择粮食加工类型：";
        form.choices = factors.column(0);
        form.boxes = {{"Text2", kAmountLabel, "100"}};
        form.resultLabel = kParticulateLabel;
        form.basis = ":/air_emission/feed_milling_basis.html";
        form.compute = [&factors](ParticulateResult& r, Press& press, const Entries& in) {
            const auto factor = factors.find({in.choice->currentText().toStdString()});
            press.check(factor.has_value(), QStringLiteral("请选择粮食加工类型"));
            double t = 0;
            if (press.read(t, in.text2, Range::NonNegative) && factor) ComputeFeedMilling(r, *factor, t, press.steps());
        };
        return form;
    }
};

class CottonGinWindow : public ParticulateFactorWindow {
public:
    static constexpr const char* kClassName = "棉花轧花机粉尘排放量";
    static constexpr const char* kCaption = "棉花轧花机粉尘排放量";
    using State = ParticulateResult;

    explicit CottonGinWindow(State& s) : ParticulateFactorWindow(kClassName, kCaption, s, shape()) {}

private:
    static ParticulateForm shape() {
        ParticulateForm form;
        form.heading = "棉花轧花机的粉尘排放量的计算";
        form.boxes = {{"Text2", kAmountLabel, "100"}};
        form.resultLabel = kParticulateLabel;
        form.basis = ":/air_emission/cotton_gin_basis.txt";
        form.compute = amountTimes(ComputeCottonGin);
        return form;
    }
};

class GlassRawMaterialWindow : public ParticulateFactorWindow {
public:
    static constexpr const char* kClassName = "玻璃原料制造设备颗粒物排放量";
    static constexpr const char* kCaption = "玻璃原料制造设备颗粒物排放量";
    using State = ParticulateResult;

    explicit GlassRawMaterialWindow(State& s) : ParticulateFactorWindow(kClassName, kCaption, s, shape()) {}

private:
    static ParticulateForm shape() {
        ParticulateForm form;
        form.heading = "玻璃原料制造设备颗粒物排放量的计算";
        form.boxes = {{"Text2", "请输入装入料的用量（T）：", "100"}};
        form.resultLabel = kParticulateLabel;
        form.basis = ":/air_emission/glass_raw_material_basis.txt";
        form.compute = amountTimes(ComputeGlassRawMaterial);
        return form;
    }
};

class GlassMeltingWindow : public ParticulateFactorWindow {
public:
    static constexpr const char* kClassName = "玻璃制造颗粒物排放量";
    static constexpr const char* kCaption = "玻璃制造颗粒物排放量";
    using State = ParticulateResult;

    explicit GlassMeltingWindow(State& s) : ParticulateFactorWindow(kClassName, kCaption, s, shape()) {}

private:
    static ParticulateForm shape() {
        ParticulateForm form;
        form.heading = "玻璃制造设备颗粒物排放量的计算";
        form.boxes = {{"Text2", "请输入玻璃产量（T）：", "100"}};
        form.resultLabel = kParticulateLabel;
        form.basis = ":/air_emission/glass_melting_basis.txt";
        form.compute = amountTimes(ComputeGlassMelting);
        return form;
    }
};

class LimeKilnDustWindow : public ParticulateFactorWindow {
public:
    static constexpr const char* kClassName = "石灰窑粉尘量计算";
    static constexpr const char* kCaption = "石灰窑粉尘量计算";
    using State = ParticulateResult;

    explicit LimeKilnDustWindow(State& s) : ParticulateFactorWindow(kClassName, kCaption, s, shape()) {}

private:
    static ParticulateForm shape() {
        ParticulateForm form;
        form.heading = "石灰窑粉尘排放量的计算";
        form.choiceLabel = "请选择石灰窑的类型：";
        form.choices = {kRotaryKiln, kShaftKiln};
        form.boxes = {{"Text1", "请输入不同窑型排放系数：", "10"}, {"Text2", "请输入产量（T）：", "100"}};
        form.resultLabel = "粉尘排放量（T）=";
        form.basis = ":/air_emission/lime_kiln_dust_basis.txt";
        form.compute = [](ParticulateResult& r, Press& press, const Entries& in) {
            const std::string kiln = in.choice->currentText().toStdString();
            const bool rotary = kiln == kRotaryKiln;
            press.check(rotary || kiln == kShaftKiln, QStringLiteral("请选择石灰窑的类型"));
            double p = 0, t = 0;
            if (rotary) press.read(p, in.text1, Range::Percent);  // a shaft kiln gives a fixed 1 %
            press.read(t, in.text2, Range::NonNegative);
            if (press.ok()) ComputeLimeKilnDust(r, rotary, p, t, press.steps());
        };
        return form;
    }
};

}  // namespace
}  // namespace korrimet::air_emission

using korrimet::air_emission::CottonGinWindow;
using korrimet::air_emission::FeedMillingWindow;
using korrimet::air_emission::GlassMeltingWindow;
using korrimet::air_emission::GlassRawMaterialWindow;
using korrimet::air_emission::LimeKilnDustWindow;
KORRIMET_REGISTER_TOOL(FeedMillingWindow);
KORRIMET_REGISTER_TOOL(CottonGinWindow);
KORRIMET_REGISTER_TOOL(GlassRawMaterialWindow);
KORRIMET_REGISTER_TOOL(GlassMeltingWindow);
KORRIMET_REGISTER_TOOL(LimeKilnDustWindow);
