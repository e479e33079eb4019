#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <array>

#include "common/number_text.h"
#include "common/widgets/live_recompute.h"
#include "common/widgets/press.h"
#include "common/widgets/qt_text.h"
#include "common/widgets/stored_table.h"
#include "common/widgets/tool_registry.h"
#include "common/widgets/tool_window.h"
#include "tools/air_guideline/air_index.h"

namespace korrimet::air_guideline {
namespace {

const QString kBandTable = QStringLiteral("空气污染指数及范围");

struct ApiTables {
    ApiBreakpointTable breakpoints;
    std::vector<ApiCategory> categories;
    std::vector<ScrollScale> scales;
};

const ApiTables& tables() {
    static const ApiTables t{
        loadStoredTable(":/air_guideline/data/api_breakpoints.txt", LoadApiBreakpoints),
        loadStoredTable(":/air_guideline/data/api_categories.txt", LoadApiCategories),
        loadStoredTable(":/air_guideline/data/api_scroll_scales.txt", LoadScrollScales),
    };
    return t;
}

struct InputRow {
    const char* pollutant;
    const char* label;
    const char* rightEnd;
};
constexpr std::array<InputRow, 3> kInputs{{
    {"SO2", "SO2浓度日均：", "2.62"},
    {"NO2", "NO2日均浓度：", "0.940"},
    {"PM10", "PM10日均浓度：", "0.600"},
}};

class AirIndexWindow : public ToolWindow {
public:
    static constexpr const char* kClassName = "空气污染指数计算1";
    static constexpr const char* kCaption = "空气污染指数计算";

    AirIndexWindow() : ToolWindow(QString::fromUtf8(kClassName), QString::fromUtf8(kCaption), 3750, 6735) {
        FormBuilder f = form();
        for (std::size_t i = 0; i < kInputs.size(); ++i) {
            const int n = static_cast<int>(i) + 1;
            const int top = 120 + static_cast<int>(i) * 900;
            f.label(QStringLiteral("Label%1").arg(2 * n - 1), kInputs[i].label, 120, top + 30, 1560, 270);
            boxes_[i] = f.textBox(QStringLiteral("Text%1").arg(n), 1680, top, 855, 270, "0.001");
            boxes_[i]->setFont(songti(10.5, true));
            f.label(QStringLiteral("Label%1").arg(2 * n), "mg/m^3", 2760, top + 30, 900, 270);

            bars_[i] = f.place(new QScrollBar(Qt::Horizontal), QStringLiteral("HScroll%1").arg(n), 180, top + 330,
                               3375, 255);
            bars_[i]->setRange(kScrollMin, kScrollMax);
            bars_[i]->setSingleStep(1);
            bars_[i]->setPageStep(1);
            bars_[i]->setValue(kScrollMin);
            f.label(QStringLiteral("Label%1").arg(12 + 2 * n - 1), "0.001", 180, top + 600, 900, 225)
                ->setFont(songti(8));
            QLabel* right = f.label(QStringLiteral("Label%1").arg(12 + 2 * n), kInputs[i].rightEnd, 2655,
                                    top + 600, 900, 225);
            right->setFont(songti(8));
            right->setAlignment(Qt::AlignRight | Qt::AlignTop);

            scales_[i] = findScale(kInputs[i].pollutant);
            connect(bars_[i], &QScrollBar::sliderMoved, this, [this, i](int position) { scrolled(i, position); });
            connect(boxes_[i], &QLineEdit::textChanged, this, [this, i] { boxChanged(i); });
        }

        compute_ = f.button("Command1", "计算结果", 180, 2820, 3375, 255);
        QGroupBox* frame = f.frame("Frame1", "结果", 180, 3180, 3375, 2655);
        FormBuilder r(frame);
        const char* resultLabels[] = {"SO2污染指数：", "NO2污染指数：", "PM10污染指数：", "空气污染指数（API）：",
                                      "空气质量：",    "首要污染物："};
        for (int k = 0; k < 6; ++k) {
            const int top = 300 + k * 375;
            r.label(QStringLiteral("Label%1").arg(7 + k), resultLabels[k], 90, top + 30, 1950, 270)
                ->setFont(songti(9));
            results_[k] = r.textBox(QStringLiteral("Text%1").arg(4 + k), 2040, top, 1095, 270);
            results_[k]->setFont(songti(9, true));
            setTextColor(results_[k], kDarkGreen);
        }
        advice_ = f.button("Command2", "对健康的影响和建议采取措施", 180, 5895, 3375, 255);
        // Says when a concentration lies beyond the table and its sub-index is taken as the top one.
        beyond_ = f.label("Label19", "", 180, 6195, 3375, 480);
        beyond_->setWordWrap(true);
        beyond_->setFont(songti(9));
        setTextColor(beyond_, Qt::red);

        connect(compute_, &QPushButton::clicked, this, [this] { compute(); });
        connect(advice_, &QPushButton::clicked, this, [] { OpenTool(kBandTable); });
    }

private:
    static const ScrollScale* findScale(const char* pollutant) {
        for (const ScrollScale& s : tables().scales)
            if (s.pollutant == pollutant) return &s;
        return nullptr;
    }

    void compute() {
        const ApiTables& t = tables();
        Press press(this);
        std::array<double, 3> sub{};
        QStringList beyond;
        for (std::size_t i = 0; i < kInputs.size(); ++i) {
            const auto* row = t.breakpoints.find(kInputs[i].pollutant);
            double c = 0;
            const int before = press.mark();
            if (press.read(c, boxes_[i], Range::NonNegative) && row) {
                sub[i] = SubIndex(c, row->concentration, t.breakpoints.index);
                if (AboveTable(c, row->concentration))
                    beyond << QStringLiteral("%1浓度超过%2mg/m^3").arg(kInputs[i].pollutant).arg(row->concentration.back());
            }
            press.put(results_[i], [&] { return NumberText(sub[i]); }, before);
        }
        const ApiVerdict verdict = CombineSubIndices(sub[0], sub[1], sub[2]);
        press.put(results_[3], [&] { return NumberText(verdict.api); });
        press.put(results_[5], [&] { return verdict.primary; });
        press.put(results_[4], [&] { return CategoryOf(verdict.api, t.categories); });
        beyond_->setText(beyond.isEmpty() || !press.ok()
                             ? QString()
                             : beyond.join(QStringLiteral("，")) + QStringLiteral("，已超出指数表，分指数按500计。"));
    }

    // A drag of the thumb: the bar stands at the dragged position while the
    // box takes its concentration, which may set the bar back one step.
    // Setting the value of a pressed bar reports a move again; only the
    // user's drag counts.
    void scrolled(std::size_t i, int position) {
        if (!scales_[i] || scrolling_) return;
        const QScopedValueRollback<bool> guard(scrolling_, true);
        bars_[i]->setValue(position);
        const QString text = qtext(ScrollText(position, *scales_[i]));
        setTextAndNotify(boxes_[i], text);  // the bar must follow even an unchanged text
        setTextColor(boxes_[i], QColor(ScrollTint(bars_[i]->value()), 0, 0));
    }

    void boxChanged(std::size_t i) {
        if (!scales_[i]) return;
        if (const std::optional<int> v = ScrollPosition(boxes_[i]->text().toStdString(), *scales_[i]))
            bars_[i]->setValue(*v);
    }

    std::array<QLineEdit*, 3> boxes_{};
    std::array<QScrollBar*, 3> bars_{};
    std::array<const ScrollScale*, 3> scales_{};
    std::array<QLineEdit*, 6> results_{};
    QLabel* beyond_ = nullptr;
    bool scrolling_ = false;
    QPushButton *compute_, *advice_;
};

}  // namespace
}  // namespace korrimet::air_guideline

using korrimet::air_guideline::AirIndexWindow;
KORRIMET_REGISTER_TOOL(AirIndexWindow);
