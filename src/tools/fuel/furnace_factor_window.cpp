#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <iterator>
#include <span>
#include <stdexcept>

#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_page.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/fuel/furnace_factors.h"

namespace korrimet::fuel {
namespace {

const char* const kFactorFile = ":/fuel/furnace_factors.txt";

const char* const kBoilerHelp =
    "计算依据：《工业污染物产生和排放系数手册》中燃煤工业锅炉氮氧化物、一氧化碳、二氧化碳和碳氢化合物的"
    "产排污系数，不同炉型的系数不同。\n"
    "如果结果为0的,请检查你的输入!\n"
    "系数表见：＜工业污染物产生和排放系数手册＞１９７页表１０．５－９！\n"
    "目前对这几种污染物没有专门的治理措施，故其产生系数与排放系数相同。";

const char* const kStoveHelp =
    "计算依据：《工业污染物产生和排放系数手册》中茶炉、大灶的产排污系数。\n"
    "如果结果为0的,请检查你的输入!\n"
    "系数表见：《工业污染物产生和排放系数手册》１９７页表１０．６－１！\n"
    "其产生系数与排放系数相同。\n"
    "注：要求煤的灰分小于２５％，含硫率小于１％！";

struct ResultBox {
    const char* box;
    const char* label;
    const char* pollutant;  // column of the factor table
};

constexpr ResultBox kBoilerResults[] = {
    {"Text7", "CO产排量(kg)：", "CO"},
    {"Text8", "CO2产排量(kg)：", "CO2"},
    {"Text9", "HC产排量(kg)：", "HC"},
    {"Text10", "NOX产排量(kg)：", "NOX"},
};

constexpr ResultBox kStoveResults[] = {
    {"Text3", "烟尘产排量(kg)：", "soot"},
    {"Text7", "CO产排量(kg)：", "CO"},
    {"Text8", "SO2产排量(kg)：", "SO2"},
    {"Text9", "HC产排量(kg)：", "HC"},
    {"Text10", "NOX产排量(kg)：", "NOX"},
};

enum class ComboLook { Boiler, DarkGreen, Plain };

struct FactorForm {
    const char* className;
    const char* caption;
    const char* title;
    const char* comboLabel;
    const char* help;
    std::span<const ResultBox> results;
    bool coalBoxBesideResults;  // the boiler window: coal box heads the result column
    bool redBoxes;  // else dark green
    ComboLook combo;
};

// The window's factor table; empty (no items, every result 0) should the
// stored file be damaged, which the tests of every window rule out.
FactorTable tableOf(const char* className) {
    try {
        auto tables = ParseFactorTables(resourceText(kFactorFile).toStdString());
        auto it = tables.find(className);
        if (it != tables.end()) return it->second;
        qWarning("%s: no factor table for %s", kFactorFile, className);
    } catch (const std::invalid_argument& e) {
        qWarning("%s: %s", kFactorFile, e.what());
    }
    return {};
}

constexpr int kRowTop = 720;
constexpr int kRowStep = 420;
constexpr int kWidth = 7440;

// Coal burnt times the factors of the chosen furnace type or coal kind.
class FactorWindow : public ToolWindow {
public:
    // One Single per result box, kg: kept while the window is closed and opened again.
    struct State {
        float values[std::size(kStoveResults)] = {};
    };

    FactorWindow(const FactorForm& form, State& state)
        : ToolWindow(form.className, form.caption, kWidth, heightOf(form)),
          table_(tableOf(form.className)),
          s_(state) {
        FormBuilder f = this->form();
        QLabel* title = f.label("Label1", form.title, 0, 150, kWidth, 360);
        title->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        title->setFont(songti(12));

        QStringList items;
        for (const FactorRow& row : table_.rows) items << QString::fromStdString(row.item);
        f.label("Label2", form.comboLabel, 240, kRowTop + 30, 2640, 300);
        comboLabel_ = QString::fromUtf8(form.comboLabel).remove(QStringLiteral("："));
        combo_ = f.combo("Combo1", 240, kRowTop + 360, 2640, 345, items);

        const int rows = static_cast<int>(form.results.size()) + (form.coalBoxBesideResults ? 1 : 0);
        int row = 0;
        auto nextRow = [&] { return kRowTop + kRowStep * row++; };
        if (form.coalBoxBesideResults) {
            const int top = nextRow();
            f.label("Label3", "请输入燃煤量（T）：", 3240, top + 30, 2160, 300);
            coal_ = f.textBox("Text2", 5400, top, 1800, 345, "100");
            compute_ = f.button("Command1", "计算", 240, kRowTop + 960, 1335, 435);
        } else {
            f.label("Label3", "请输入燃煤量（T）：", 240, kRowTop + 870, 2640, 300);
            coal_ = f.textBox("Text2", 240, kRowTop + 1200, 2640, 345, "100");
            compute_ = f.button("Command1", "计算", 240, kRowTop + 1740, 1335, 435);
        }
        for (const ResultBox& r : form.results) {
            const int top = nextRow();
            f.label(QStringLiteral("Label%1").arg(row + 3), r.label, 3240, top + 30, 2160, 300);
            QLineEdit* box = f.textBox(r.box, 5400, top, 1800, 345);
            const int column = table_.column(r.pollutant);
            if (column < 0 && !table_.rows.empty()) qWarning("%s: no %s factors", form.className, r.pollutant);
            results_.append({box, column});
        }
        const int helpTop = kRowTop + kRowStep * rows + 180;
        f.memo("Text1", 240, helpTop, kWidth - 480, 1500, QString::fromUtf8(form.help));

        const QColor boxColor = form.redBoxes ? kRed : kDarkGreen;
        coal_->setFont(songti(9, true));
        setTextColor(coal_, boxColor);
        for (const Result& r : results_) {
            r.box->setFont(songti(9, true));
            setTextColor(r.box, boxColor);
        }
        if (form.combo == ComboLook::Boiler) combo_->setFont(songti(9, true));
        if (form.combo != ComboLook::Plain) setTextColor(combo_, kDarkGreen);

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
    }

private:
    struct Result {
        QLineEdit* box;
        int column;
    };

    static int heightOf(const FactorForm& form) {
        const int rows = static_cast<int>(form.results.size()) + (form.coalBoxBesideResults ? 1 : 0);
        return kRowTop + kRowStep * rows + 180 + 1500 + 180;
    }

    void compute() {
        Press press(this);
        double coal = 0;
        press.read(coal, coal_, Range::NonNegative);
        const FactorRow* row = table_.find(combo_->currentText().toStdString());
        press.check(row != nullptr, QStringLiteral("“%1”：请从列表中选择").arg(comboLabel_));
        for (int i = 0; i < results_.size(); ++i) {
            const int column = results_[i].column;
            if (press.ok()) press([&] { s_.values[i] = PollutantMass(coal, column < 0 ? 0.0 : row->factors[column]); });
            press.put(results_[i].box, [&] { return NumberText(s_.values[i]); });
        }
    }

    FactorTable table_;
    State& s_;
    QComboBox* combo_;
    QLineEdit* coal_;
    QPushButton* compute_;
    QList<Result> results_;
    QString comboLabel_;
};

const FactorForm kBoiler{
    "锅炉氮氧化物及其它污染物产排量", "锅炉氮氧化物及其它污染物产排量",
    "燃煤工业锅炉的氮氮化物等其它污染物产排放量计算", "请选择炉型：", kBoilerHelp, kBoilerResults, true,
    false, ComboLook::Boiler};
const FactorForm kTeaBoiler{
    "茶炉污染物产排放量计算", "茶炉污染物产排放量计算", "茶炉污染物产排放量计算", "请选择茶炉所用的煤种：",
    kStoveHelp, kStoveResults, false, false, ComboLook::DarkGreen};
const FactorForm kStove{
    "大灶污染物产排量计算", "大灶污染物产排量计算", "大灶污染物产排放量计算", "请选择大灶所用的煤种：",
    kStoveHelp, kStoveResults, false, true, ComboLook::Plain};

class BoilerFactorWindow : public FactorWindow {
public:
    static constexpr const char* kClassName = "锅炉氮氧化物及其它污染物产排量";
    static constexpr const char* kCaption = "锅炉氮氧化物及其它污染物产排量";
    using State = FactorWindow::State;
    explicit BoilerFactorWindow(State& state) : FactorWindow(kBoiler, state) {}
};

class TeaBoilerFactorWindow : public FactorWindow {
public:
    static constexpr const char* kClassName = "茶炉污染物产排放量计算";
    static constexpr const char* kCaption = "茶炉污染物产排放量计算";
    using State = FactorWindow::State;
    explicit TeaBoilerFactorWindow(State& state) : FactorWindow(kTeaBoiler, state) {}
};

class StoveFactorWindow : public FactorWindow {
public:
    static constexpr const char* kClassName = "大灶污染物产排量计算";
    static constexpr const char* kCaption = "大灶污染物产排量计算";
    using State = FactorWindow::State;
    explicit StoveFactorWindow(State& state) : FactorWindow(kStove, state) {}
};

}  // namespace
}  // namespace korrimet::fuel

using korrimet::fuel::BoilerFactorWindow;
using korrimet::fuel::StoveFactorWindow;
using korrimet::fuel::TeaBoilerFactorWindow;
KORRIMET_REGISTER_TOOL(BoilerFactorWindow);
KORRIMET_REGISTER_TOOL(TeaBoilerFactorWindow);
KORRIMET_REGISTER_TOOL(StoveFactorWindow);
