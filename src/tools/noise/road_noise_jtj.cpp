#include "tools/noise/road_noise_jtj.h"

#include <algorithm>
#include <cmath>

#include "common/number_text.h"
#include "common/statement_failure.h"
#include "common/stores.h"

namespace korrimet::noise {
namespace {

// Constant K2 by the distance of each position.
constexpr std::array<double, kPositions> kDistanceConstant{0.17, 0.617, 0.716, 0.78,  0.806, 0.833,
                                                           0.84, 0.855, 0.88,  0.885, 0.89};
// Emission level Lw = base + slope·V, and the gradient correction factor on β.
constexpr std::array<double, 3> kEmissionBase{77.2, 62.6, 59.3};
constexpr std::array<double, 3> kEmissionSlope{0.18, 0.32, 0.23};
constexpr std::array<double, 3> kGradientFactor{98, 73, 50};
constexpr double kReferenceDistance = 7.5;
constexpr double kLeastSmallFlow = 100;
constexpr double kLargeSpeedShare = 0.8;  // of the medium day speed
constexpr double kNightSpeedShare = 0.8;  // of the day speed
constexpr double kCementCorrection = 2;

// Distance loss of one type. Within half the vehicle spacing the vehicles
// act as single sources; beyond it the stream acts as a line and the loss
// grows by 10·lg from where it meets the near-field loss, so the two forms
// join at r = d/2.
double nearLoss(double k1, double k2, double r) { return dbl(20 * k1 * k2 * std::log10(r / kReferenceDistance)); }
double farLoss(double k1, double k2, double r, double spacing) {
    return dbl(20 * k1 * (k2 * std::log10(0.5 * spacing / kReferenceDistance) + std::log10(std::sqrt(2 * r / spacing))));
}

// Characters, not bytes: the road name is mostly Chinese.
int length(const std::string& text) {
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace

std::optional<FourLaneRun> PredictFourLane(const FourLaneInputs& in) try {
    FourLaneRun run;
    const double w = BoxNumber(in.laneWidth), beta = BoxNumber(in.gradient);
    const double attenuation = BoxNumber(in.forest) + BoxNumber(in.building);
    const double angle = ViewAngleCorrection(BoxNumber(in.angle));
    const double surface = in.cement ? kCementCorrection : 0;

    std::array<double, 3> dayFlow, nightFlow;
    for (int i = 0; i < kVehicleTypes; ++i) {
        dayFlow[i] = BoxNumber(in.dayFlows[i]);
        nightFlow[i] = BoxNumber(in.nightFlows[i]);
    }
    // Light small-vehicle traffic counts as 100 vehicles by day: speed, spacing and flow term.
    dayFlow[kSmall] = std::max(dayFlow[kSmall], kLeastSmallFlow);

    auto& vDay = run.daySpeed;
    vDay[kMedium] = dbl(212 * std::pow(dayFlow[kMedium], -0.1747));
    vDay[kSmall] = dbl(237 * std::pow(dayFlow[kSmall], -0.1602));
    vDay[kLarge] = kLargeSpeedShare * vDay[kMedium];
    for (int i = 0; i < kVehicleTypes; ++i) run.nightSpeed[i] = kNightSpeedShare * vDay[i];

    auto typeLevel = [&](int i, double flow, double speed, double loss) {
        return dbl(kEmissionBase[i] + kEmissionSlope[i] * speed + 10 * std::log10(flow / speed) - loss - 13 +
                   kGradientFactor[i] * beta + surface - attenuation);
    };

    for (int k = 0; k < kPositions; ++k) {
        const double d = kPositionDistances[k], k2 = kDistanceConstant[k];
        const double r = dbl(std::sqrt((d + 0.5 * w) * (d + 3.5 * w)));
        std::array<double, 3> day, night;
        for (int i = 0; i < kVehicleTypes; ++i) {
            const double daySpacing = dbl(1000 * vDay[i] / dayFlow[i]);
            const double nightSpacing = dbl(1000 * run.nightSpeed[i] / nightFlow[i]);
            double dayLoss, nightLoss;
            if (r <= daySpacing / 2) {
                dayLoss = nightLoss = nearLoss(in.ground, k2, r);
            } else {
                dayLoss = farLoss(in.ground, k2, r, daySpacing);
                nightLoss = farLoss(in.ground, k2, r, nightSpacing);
            }
            day[i] = typeLevel(i, dayFlow[i], vDay[i], dayLoss);
            night[i] = typeLevel(i, nightFlow[i], run.nightSpeed[i], nightLoss);
        }
        run.day[k] = single(TrafficLevelSum(day) + angle);
        run.night[k] = single(TrafficLevelSum(night) + angle);
    }
    return run;
} catch (const StatementFailure&) {
    return std::nullopt;
}

std::string FourLaneReport(const FourLaneInputs& in, const FourLaneRun& run) {
    std::string distances, days, nights;
    for (int k = 0; k < kPositions; ++k) {
        const std::string d = MaskText(static_cast<double>(kPositionDistances[k]), "###,##0.00");
        const std::string day = MaskText(static_cast<double>(run.day[k]), "###,##0.00");
        const std::string night = MaskText(static_cast<double>(run.night[k]), "###,##0.00");
        // Level cells line up under the longer distance cells.
        const std::string pad(std::max(0, length(d) - length(day)), ' ');
        distances += d + "  ";
        days += pad + day + "  ";
        nights += pad + night + "  ";
    }
    // A road name longer than the row gets no indent rather than a failure.
    const int indent = std::max(0, static_cast<int>(toLong((length(days) - length(in.section)) / 2.0)));
    const auto yearNumber = TryParseNumber(in.year, Precision::Double);
    const std::string year = yearNumber ? SignFirstNumberText(*yearNumber) : in.year;
    return std::string(indent, ' ') + in.section + "有限长路段" + year + "年预测结果\n" + "  预测点距公路位置：" +
           distances + "\n" + "  预测点昼间预测值：" + days + "\n" + "  预测点夜间预测值：" + nights;
}

}  // namespace korrimet::noise
