#include "tools/tanks_dust/tank_losses_coefficients.h"

#include <algorithm>
#include <iterator>

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet::tanks {
namespace {

const Coefficient kCoefficients[] = {
    // N from Q and V; its write refreshes Kt.
    {{7}, {TankType::DomeRoof}, 6, {{2}, {7, Range::Positive}},
     [](const double* in) { return ResultMaskText(TurnoverCount(in[0], in[1]), "####.###"); }},
    {{6}, {TankType::DomeRoof}, 9, {{6}}, [](const double* in) {
         return in[0] > kTurnoverLimit ? ResultMaskText(TurnoverFactor(in[0]), "####.###") : std::string("1");
     }},
    {{12, 13}, {}, 11, {{12}, {13}},
     [](const double* in) { return ResultMaskText(MeanVapourPressure(in[0], in[1]), "###.###"); }},
    {{22}, {TankType::DomeRoof}, 21, {{22}}, [](const double* in) {
         return in[0] >= kSmallTankDiameter ? std::string("1")
                                            : ResultMaskText(SmallTankDiameterFactor(in[0]), "####.####");
     }},
    {{4, 16, 17}, {TankType::FloatingRoof}, 3, {{4}, {16}, {17}},
     [](const double* in) { return ResultMaskText(RimSealLossFactor(in[0], in[1], in[2]), "##.####"); }},
    // P*, last: a switch between the floating roofs derives it anew.
    {{23, 24}, {TankType::FloatingRoof, TankType::InternalFloatingRoof}, 18, {{23}, {24, Range::Positive}},
     [](const double* in) {
         if (in[0] > in[1]) throw StatementFailure(FailureKind::Domain, "油品平均温度下蒸汽压Py不能大于当地大气压Pa");
         return ResultMaskText(VapourPressureFunction(in[0], in[1]), "##.####");
     }},
};

}  // namespace

bool Coefficient::derivedUnder(std::optional<TankType> type) const {
    return under.empty() || std::find(under.begin(), under.end(), type) != under.end();
}

std::span<const Coefficient> Coefficients() { return kCoefficients; }

const Coefficient& VapourPressureFunctionCoefficient() { return kCoefficients[std::size(kCoefficients) - 1]; }

const Coefficient* CoefficientOf(int box, std::optional<TankType> type) {
    for (const Coefficient& c : kCoefficients)
        if (c.box == box && c.derivedUnder(type)) return &c;
    return nullptr;
}

}  // namespace korrimet::tanks
