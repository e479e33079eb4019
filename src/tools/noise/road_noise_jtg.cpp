#include "tools/noise/road_noise_jtg.h"

#include <cmath>
#include <string_view>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::noise {
namespace {

// Model constants of the highway code's traffic noise model, by vehicle type.
constexpr std::array<double, 3> kLaneFactor{0.70957, 0.8044, 1.2102};
constexpr std::array<double, 3> kK1{-0.0519, -0.057537, -0.061748};
constexpr std::array<double, 3> kK2{149.39, 149.38, 149.65};
constexpr std::array<double, 3> kK3{-0.000014202, -0.00001639, -0.000023696};
constexpr std::array<double, 3> kEmissionBase{22, 8.8, 12.6};
constexpr std::array<double, 3> kEmissionSlope{36.32, 40.48, 34.73};
constexpr double kFullDesignSpeed = 120;
constexpr double kReferenceDistance = 7.5;
constexpr double kBusyLaneVolume = 300;

double value(const RunValue& v) { return v.value_or(0); }

std::string cell(std::string text) {
    if (text.size() < 5) text.append(5 - text.size(), ' ');
    return text + "  ";
}

}  // namespace

RoadNoiseRun PredictRoadNoise(const RoadNoiseInputs& in) {
    RoadNoiseRun run;
    Steps steps;
    auto& u = run.laneVolume;
    auto& v = run.formulaSpeed;
    auto& l0 = run.emission;

    for (int i = 0; i < 3; ++i)
        steps([&] {
            double share = BoxNumber(in.shares[i]);
            u[i] = dbl(BoxNumber(in.laneFlow) * (share + kLaneFactor[i] * (1 - share)));
        });
    for (int i = 0; i < 3; ++i)
        steps([&] { v[i] = dbl(kK1[i] * value(u[i]) + kK2[i] + divide(1, kK3[i] * value(u[i]) - kLaneFactor[i])); });
    if (steps.test([&] { return BoxNumber(in.designSpeed) < kFullDesignSpeed; }))
        for (int i = 0; i < 3; ++i)
            steps([&] { v[i] = dbl(value(v[i]) * (BoxNumber(in.designSpeed) / kFullDesignSpeed)); });

    auto speed = [&](int i) { return in.typedSpeeds ? BoxNumber(in.speeds[i]) : value(v[i]); };
    for (int i = 0; i < 3; ++i)
        steps([&] { l0[i] = dbl(kEmissionBase[i] + kEmissionSlope[i] * std::log10(speed(i))); });

    // Gradient correction of the large and medium levels; bands tested in order.
    auto correct = [&](double db) {
        for (int i : {kLarge, kMedium}) steps([&] { l0[i] = value(l0[i]) + db; });
    };
    auto g = [&] { return BoxNumber(in.gradient); };
    if (steps.test([&] { return g() < 3 || g() == 3; }))
        correct(0);
    else if (steps.test([&] { return g() == 4 || g() == 5 || (g() > 4 && g() < 5); }))
        correct(1);
    else if (steps.test([&] { return g() == 6 || (g() > 6 && g() < 7); }))
        correct(3);
    else if (steps.test([&] { return g() > 7 || g() == 7; }))
        correct(5);
    else
        correct(0);

    RunValue nearLane, farLane, r, total;
    std::array<RunValue, 3> distanceTerm, typeLevel;
    for (int j = 0; j < kDistances; ++j) {
        const double d = 20.0 * j;
        steps([&] { nearLane = dbl(d + 0.5 * BoxNumber(in.laneWidth)); });
        steps([&] { farLane = dbl(d + (in.sixLanes ? 5.5 : 3.5) * BoxNumber(in.laneWidth)); });
        steps([&] { r = dbl(std::sqrt(value(nearLane) * value(farLane))); });
        for (int i = 0; i < 3; ++i) {
            // A busy lane spreads as a line source (10·lg), sparse traffic falls off faster (15·lg).
            double slope = value(u[i]) < kBusyLaneVolume ? 15 : 10;
            steps([&] { distanceTerm[i] = dbl(slope * std::log10(divide(kReferenceDistance, value(r)))); });
        }
        for (int i = 0; i < 3; ++i)
            steps([&] {
                double surface = (i == kSmall && in.cement) ? 14 : 16;
                typeLevel[i] = dbl(value(l0[i]) + 10 * std::log10(divide(BoxNumber(in.flows[i]), speed(i))) +
                                   value(distanceTerm[i]) - surface - BoxNumber(in.forest) - BoxNumber(in.building));
            });
        steps([&] { total = TrafficLevelSum({value(typeLevel[0]), value(typeLevel[1]), value(typeLevel[2])}); });
        steps([&] { total = dbl(value(total) + ViewAngleCorrection(BoxNumber(in.angle))); });
        run.level[j] = total;
    }

    run.complete = steps.ok();
    if (in.typedSpeeds)
        run.speedWarning = steps.test([&] {
            return BoxNumber(in.speeds[0]) == 0 || BoxNumber(in.speeds[1]) == 0 || BoxNumber(in.speeds[2]) == 0;
        });
    return run;
}

std::string RoadNoiseReport(const RoadNoiseInputs& in, const RoadNoiseRun& run) {
    std::string distances, levels;
    for (int j = 0; j < kDistances; ++j) {
        distances += cell(NumberText(20 * j));
        levels += cell(ResultMaskText(value(run.level[j]), "####.##"));
    }
    std::array<std::string, 3> emission;
    for (int i = 0; i < 3; ++i) emission[i] = ResultMaskText(value(run.emission[i]), "####.##");

    std::string t;
    t += in.section + "的参数输入情况：" + "单车道流量为：" + in.laneFlow + "辆/h；" + "大、中、小型车的比例为：" +
         in.shares[0] + "：" + in.shares[1] + "：" + in.shares[2] + "；" + "大、中、小型车的流量分别为为：" +
         in.flows[0] + "辆/h、" + in.flows[1] + "辆/h、" + in.flows[2] + "辆/h。" + "车道宽度为：" + in.laneWidth +
         "米；" + "以上参与计算的各参数正确吗?如果不正确，请重新修改对应的参数后，重新计算！" + "\n\n";
    t += in.section + "交通噪声预测结果：" + "\n\n";
    t += "预测点距公路的距离(米)：" + distances + "\n";
    t += "预测点的预测结果值(dB)：" + levels + "\n\n";
    t += std::string("其它相关的参数预测情况：") + "\n\n";
    t += "各种车型在参照点处平均辐射声级：大型车：" + emission[kLarge] + "dB；中型车：" + emission[kMedium] +
         "dB；小型车：" + emission[kSmall] + "dB；" + "\n\n";
    t += std::string("公路交通噪声预测模式适用范围：") + "\n\n";
    t += "1 公路交通噪声预测模式适用于双向六车道及以下的高速公路、一级公路和二级公路，其他公路可做参考；\n"
         "2 预测点在距噪声等效行车线7.5m 以远处；\n"
         "3 车辆平均行驶速度在48～140km/h 之间。";
    return t;
}

}  // namespace korrimet::noise
