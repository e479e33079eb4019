#include "tools/water/metal_finishing.h"

#include "common/number_text.h"
#include "common/pipe_table.h"
#include "common/statement_failure.h"
#include "common/stores.h"

namespace korrimet::water {
namespace {

// Report lines; "{name}" stands for the result of that name.
struct Template {
    const char* process;
    std::vector<const char*> lines;
};

const Template kReports[] = {
    {"氰化电镀",
     {"氰化电镀产生的污染物:", "    氰化物(液)={氰化物}；  铜={铜} ；  镍={镍}；  锌={锌}",
      "    排污量的单位与氰化物用量一致"}},
    {"镀铬",
     {"用氰化物镀铬时,镀铬分为高铬纯化和低铬纯化,对于两种不同的工艺,排污量不一样", "    高铬纯化排放铬为:{高铬纯化}",
      "    低铬纯化排放的铬量为:{低铬纯化}", "    排污量的单位与氰化物用量一致"}},
    {"线路板生产",
     {"线路板生产分为单面板生产和双面板的生产，生产不同类别的线路板，排放污染物的量不同。",
      "    当生产单面板时，排放的污染物的量为：", "    平均排放废水：{单面板废水}吨；",
      "    排放废水量在{单面板废水下限}—{单面板废水上限}之间波动；", "    平均铜的排放量为：{单面板铜}千克；",
      "    铜的排放量在：{单面板铜下限}—{单面板铜上限}之间波动。", "    当生产双面板时,排放的污染物的量为：",
      "    平均排放废水：{双面板废水}吨；", "    排放废水量在：{双面板废水下限}—{双面板废水上限}之间波动；",
      "    平均铜的排放量为：{双面板铜}千克；", "    铜的排放量在{双面板铜下限}—{双面板铜上限}之间波动。"}},
};

const MetalFactor* find(const std::vector<MetalFactor>& factors, std::string_view process, std::string_view result) {
    for (const MetalFactor& f : factors)
        if (f.process == process && f.result == result) return &f;
    return nullptr;
}

std::string resultText(const MetalFactor& f, double quantity) {
    const double product = quantity * f.value;
    return f.single ? NumberText(single(product)) : NumberText(dbl(product));
}

}  // namespace

std::optional<std::vector<MetalFactor>> ParseMetalFinishingFactors(std::string_view text, std::string* error) {
    std::vector<MetalFactor> factors;
    for (const PipeRecord& r : SplitPipeTable(text)) {
        auto value = r.fields.size() == 4 ? TryParseNumber(r.fields[2], Precision::Double) : std::nullopt;
        if (!value || (r.fields[3] != "single" && r.fields[3] != "double")) {
            if (error) *error = "line " + std::to_string(r.line) + ": process | result | factor | single or double";
            return std::nullopt;
        }
        factors.push_back({r.fields[0], r.fields[1], *value, r.fields[3] == "single"});
    }
    return factors;
}

std::string MetalFinishingPrompt(std::string_view process) {
    return process == "氰化电镀" || process == "镀铬" ? "请输入氰化物用量" : "线路板的面积:M^2";
}

std::string MetalFinishingReport(const std::vector<MetalFactor>& factors, std::string_view process, double quantity) {
    const Template* report = nullptr;
    for (const Template& t : kReports)
        if (process == t.process) report = &t;
    if (!report) throw StatementFailure(FailureKind::Domain, "请选择行业类别");

    std::string text;
    for (const char* line : report->lines) {
        if (!text.empty()) text += '\n';
        std::string_view rest = line;
        for (size_t open; (open = rest.find('{')) != std::string_view::npos;) {
            const size_t close = rest.find('}', open);
            const MetalFactor* f = find(factors, process, rest.substr(open + 1, close - open - 1));
            if (!f) throw StatementFailure(FailureKind::Domain, "排污系数表不完整");
            text += rest.substr(0, open);
            text += resultText(*f, quantity);
            rest = rest.substr(close + 1);
        }
        text += rest;
    }
    return text;
}

}  // namespace korrimet::water
