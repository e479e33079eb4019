#include "tools/other/consulting_fee.h"

#include <cmath>

#include "common/number_text.h"

namespace korrimet::other {

namespace {

float toSingle(double v) { return static_cast<float>(v); }

// The value a digit mask shows, read back as a number.
float maskRounded(float value, const char* mask) {
    const std::string shown = MaskText(static_cast<double>(value), mask);
    return toSingle(TryParseNumber(shown, Precision::Double).value_or(0.0));
}

// One band of the scale: fee = start + slope × (I − lower end), the slope
// stored as a Single first; flat amounts where the band has no slope.
struct Line {
    double start, rise, width;  // rise over the band's width; width 0: flat
};

float feeOnLine(const Line& line, float i, double lower) {
    if (line.width == 0) return toSingle(line.start);
    const float slope = toSingle(line.rise / line.width);
    return toSingle((i - lower) * slope + line.start);
}

struct Band {
    float upper;   // compared as a Single; the band holds its upper bound
    double lower;  // lower end in the formulas
    Line bookCompile, bookAssess, formCompile, formAssess;
};

const Band kBands[] = {
    {2.0f, 0.3, {6, 9, 1.7}, {1.5, 1.5, 1.7}, {2, 2, 1.7}, {0.8, 0.7, 1.7}},
    {10.0f, 2, {15, 20, 8}, {3, 4, 8}, {4, 3, 8}, {1.5, 0.5, 8}},
    {50.0f, 10, {35, 40, 40}, {7, 2, 40}, {7, 0, 0}, {2, 0, 0}},
    {100.0f, 50, {75, 35, 50}, {9, 4, 50}, {7, 0, 0}, {2, 0, 0}},
};

double industryCoefficient(FeeIndustry industry) {
    switch (industry) {
    case FeeIndustry::Heavy: return 1.2;
    case FeeIndustry::Petrochemical: return 1.1;
    case FeeIndustry::Transport: return 1.0;
    case FeeIndustry::Machinery: return 0.8;
    case FeeIndustry::Services: return 0.6;
    }
    return 1;
}

double sensitivityCoefficient(std::optional<FeeSensitivity> sensitivity) {
    if (sensitivity == FeeSensitivity::Sensitive) return 1.2;
    if (sensitivity == FeeSensitivity::Ordinary) return 0.8;
    return 1;
}

}  // namespace

std::optional<Fees> ComputeFees(float investmentWan, const FeeChoice& choice, double topics) {
    Fees f;
    const float i = toSingle(investmentWan / 10000.0);
    f.investment = i;
    float compile = 0, assess = 0;
    const bool book = choice.document == FeeDocument::Book;
    if (i <= 0.3f) {
        // The first band is evaluated whole in double, with the double 0.3.
        f.band = 1;
        if (book) {
            compile = toSingle(5 + 1 * i / 0.3);
            assess = toSingle(0.8 + 0.7 * i / 0.3);
        } else {
            compile = toSingle(1 + 1 * i / 0.3);
            assess = toSingle(0.5 + (0.8 - 0.5) * i / 0.3);
        }
    } else if (i > 100.0f) {
        f.band = 6;
        compile = book ? 110 : 7;
        assess = book ? 13 : 2;
    } else {
        int b = 0;
        while (i > kBands[b].upper) ++b;
        const Band& band = kBands[b];
        f.band = b + 2;
        compile = feeOnLine(book ? band.bookCompile : band.formCompile, i, band.lower);
        assess = feeOnLine(book ? band.bookAssess : band.formAssess, i, band.lower);
    }
    f.fee0 = compile;

    // The scale multiplies the band's fee by both coefficients.
    if (choice.industry)
        compile = toSingle(compile * industryCoefficient(*choice.industry) * sensitivityCoefficient(choice.sensitivity));
    // A report form carries no adjustment, only half its band fee a topic.
    if (!book) {
        const double withTopics = f.fee0 + 0.5 * (topics * f.fee0);
        if (!std::isfinite(withTopics) || !std::isfinite(toSingle(withTopics))) return std::nullopt;
        compile = toSingle(withTopics);
    }

    f.compile = maskRounded(compile, "#####.####");
    f.assess = maskRounded(assess, "#####.#####");
    return f;
}

std::vector<std::string> FeeReport(FeeDocument document, const Fees& fees) {
    std::vector<std::string> lines;
    if (document == FeeDocument::Book) {
        lines.push_back("    编制环境影响报告书(含大纲)的费用约为:" + NumberText(fees.compile) + "万元");
        lines.push_back("    评估环境影响报告书(含大纲)的费用约为:" + NumberText(fees.assess) + "万元");
    } else if (fees.investment <= 10.0f) {
        lines.push_back("    编制环境影响报告表的费用为:" + NumberText(fees.compile) + "万元");
        lines.push_back("    评估环境影响报告表的费用为:" + NumberText(fees.assess) + "万元");
    } else {
        lines.push_back("    编制环境影响报告表的费用为:7万元以上，计价格[2002]125号文件规定，好象没有上限！");
        lines.push_back("    评估环境影响报告表的费用为:2万元以上，计价格[2002]125号文件规定，好象没有上限！");
    }
    lines.push_back("    注：");
    lines.push_back("    1、估算投资额为项目建议书上或可行性研究报告中的估算投资额");
    lines.push_back("    2、以上计算出来的费用不包括遥感、遥测、风洞实验、污染气象观测、示踪实验、地探、物探、卫星图片解读、"
                    "需要动用的船、飞机等特殊监测费用");
    return lines;
}

}  // namespace korrimet::other
