#pragma once
#include <optional>
#include <string>
#include <vector>

#include "common/number_text.h"

#include "common/widgets/press.h"
#include "common/widgets/grid_model_form.h"
#include "tools/water/river2.h"

namespace korrimet::water {

// The inputs of the straight-river mixing models, with their stored texts.
inline std::vector<GridModelInput> River2Fields() {
    return {
        {1, 0, 0, "河流上游污染物浓度Ch（mg/L）：", "0.1", {}},
        {2, 0, 1, "污染物排放浓度Cp（mg/L）：", "100", {}},
        {3, 0, 2, "平均水深H（M）：", "0.5", {}},
        {4, 0, 3, "横向混合系数My（M^2/S）：", "5", {}},
        {5, 1, 0, "表示河流中断面平均流速μ（m/s）：", "0.2", {}},
        {6, 1, 1, "废水排放量Qp（m^3/s）：", "1", {}},
        {7, 1, 2, "河流宽度B（m）：", "100", {}},
        {8, 1, 3, "排放口离岸边距离a（m）：", "0", {}},
    };
}

// Ch, Cp, H, My, u, Qp, B and a from Text1 to Text8. H, My and u divide:
// they must be above 0; the others cannot be negative.
inline River2Inputs ReadRiver2Inputs(const GridModelForm& form, Press& press) {
    River2Inputs in;
    const std::pair<float*, Range> targets[] = {
        {&in.ch, Range::NonNegative}, {&in.cp, Range::NonNegative}, {&in.h, Range::Positive},
        {&in.my, Range::Positive},    {&in.u, Range::Positive},     {&in.qp, Range::NonNegative},
        {&in.b, Range::NonNegative},  {&in.a, Range::NonNegative}};
    for (int i = 0; i < 8; ++i) press.read(*targets[i].first, form.box(i + 1), targets[i].second);
    return in;
}

// X and Y from Text9 and Text10, then the point by the model's formula
// through the point mask; nullopt once the press has said why there is none.
template <class Formula>
std::optional<std::string> River2PointText(const GridModelForm& form, Press& press, Formula&& formula) {
    float x = 0, y = 0;
    press.read(x, form.box(9));
    press.read(y, form.box(10));
    if (!press.ok()) return std::nullopt;
    const RiverPoint p = formula(x, y);
    if (!press.check(!p.failed, kGridPointRefused)) return std::nullopt;
    return ResultMaskText(p.c, kRiver2PointMask);
}

}  // namespace korrimet::water
