#include "tools/risk/protection_distance.h"

#include <cmath>

#include "common/number_text.h"
#include "common/steps.h"
#include "common/stores.h"

namespace korrimet::risk {
namespace {

// A for enterprise classes I, II and III, then B, C, D, by band and wind.
struct CoefficientRow {
    ProtectionBand band;
    std::string_view wind;
    float a[3];
    float b, c, d;
};

constexpr CoefficientRow kRows[] = {
    {ProtectionBand::UpTo1000, "大于4", {530, 350, 260}, 0.021f, 1.85f, 0.84f},
    {ProtectionBand::UpTo1000, "大于2小于4", {700, 470, 350}, 0.021f, 1.85f, 0.84f},
    {ProtectionBand::UpTo1000, "小于2", {400, 400, 400}, 0.01f, 1.85f, 0.78f},
    {ProtectionBand::UpTo2000, "大于4", {530, 350, 260}, 0.036f, 1.77f, 0.84f},
    {ProtectionBand::UpTo2000, "大于2小于4", {700, 470, 350}, 0.036f, 1.77f, 0.84f},
    {ProtectionBand::UpTo2000, "小于2", {400, 400, 400}, 0.015f, 1.79f, 0.78f},
    {ProtectionBand::Beyond2000, "大于4", {290, 190, 140}, 0.036f, 1.77f, 0.76f},
    {ProtectionBand::Beyond2000, "大于2小于4", {380, 250, 190}, 0.036f, 1.77f, 0.76f},
    {ProtectionBand::Beyond2000, "小于2", {80, 80, 80}, 0.015f, 1.79f, 0.57f},
};

const CoefficientRow* findRow(ProtectionBand band, std::string_view wind) {
    for (const CoefficientRow& row : kRows)
        if (row.band == band && row.wind == wind) return &row;
    return nullptr;
}

// Enterprise class I, II or III as 0, 1, 2; -1 when the choices name none.
int enterpriseClass(const ProtectionChoices& c) {
    if (c.stacks == "有") {
        if (c.stackShare == "大于允许1/3") return 0;
        if (c.stackShare == "小于允许1/3") return 1;
    } else if (c.stacks == "无") {
        if (c.basis == "急性指标") return 1;
        if (c.basis == "慢性指标") return 2;
    }
    return -1;
}

void chooseCoefficients(ProtectionState& s, ProtectionBand band, const ProtectionChoices& choices,
                        const std::function<void()>& noRowMatches) {
    std::optional<ProtectionCoefficients> k = ChooseProtectionCoefficients(band, choices);
    if (!k) {
        if (noRowMatches) noRowMatches();
        k = LowWindCoefficients(band);
    }
    s.a = k->a;
    s.b = k->b;
    s.c = k->c;
    s.d = k->d;
}

void readInputs(ProtectionState& s, const ProtectionInputs& in, Steps& steps) {
    steps([&] { s.cm = single(ParseNumber(in.cm, Precision::Single)); });
    steps([&] { s.qc = single(ParseNumber(in.qc, Precision::Single)); });
    steps([&] { s.s = single(ParseNumber(in.s, Precision::Single)); });
}

// One ulp of a Single at the largest distance is 1/32.
constexpr float kLargestStep = kProtectionSearchLimit;

// f at the state's L, and its difference from q.
void evaluate(ProtectionState& s, Steps& steps) {
    steps([&] { s.t1 = single(std::pow(static_cast<double>(s.l), static_cast<double>(s.c)) * s.b); });
    steps([&] { s.t2 = single(std::pow(static_cast<double>(s.r), 2.0) * 0.25); });
    steps([&] { s.t3 = single(static_cast<double>(s.t1) + s.t2); });
    steps([&] { s.t4 = single(s.inverseA * std::sqrt(static_cast<double>(s.t3))); });
    steps([&] { s.f = single(std::pow(static_cast<double>(s.l), static_cast<double>(s.d)) * s.t4); });
    s.lc = s.l;
    steps([&] { s.difference = single(static_cast<double>(s.f) - s.q); });
}

// |d / q| as a Single below 0.001; a quotient too large for a Single is far outside.
bool withinTolerance(const ProtectionState& s) {
    const double ratio = std::abs(static_cast<double>(s.difference) / s.q);
    return ratio < 1 && static_cast<float>(ratio) < 0.001f;
}

}  // namespace

std::optional<ProtectionCoefficients> ChooseProtectionCoefficients(ProtectionBand band, const ProtectionChoices& c) {
    if (c.wind == "大于4" || c.wind == "大于2小于4") {
        const int cls = enterpriseClass(c);
        if (cls < 0) return std::nullopt;
        const CoefficientRow* row = findRow(band, c.wind);
        return ProtectionCoefficients{row->a[cls], row->b, row->c, row->d};
    }
    if (c.wind == "小于2") return LowWindCoefficients(band);
    return std::nullopt;
}

ProtectionCoefficients LowWindCoefficients(ProtectionBand band) {
    const CoefficientRow* row = findRow(band, "小于2");
    return {row->a[0], row->b, row->c, row->d};
}

SearchEnd FindProtectionDistance(ProtectionState& s, const ProtectionProgress& progress) {
    Steps steps;
    steps([&] { s.q = single(divide(s.qc, s.cm)); });
    steps([&] { s.inverseA = single(divide(1.0, s.a)); });
    steps([&] { s.r = single(std::pow(static_cast<double>(s.s) / 3.14, 0.5)); });
    if (!(s.q > 0)) return SearchEnd::NoQuotient;

    // f grows with L, so when it stays below the band at the last distance
    // the scan can reach, no distance on the way meets the tolerance.
    ProtectionState last = s;
    last.l = kLargestStep;
    evaluate(last, steps);
    if (last.difference < 0 && !withinTolerance(last)) {
        s = last;
        return SearchEnd::OutOfRange;
    }

    for (unsigned step = 1;; ++step) {
        const bool first = step == 1;
        if (progress && step % 4096 == 0) progress(s.l);
        if (single(s.l + 0.01) == s.l) return SearchEnd::OutOfRange;
        steps([&] { s.l = single(s.l + 0.01); });
        evaluate(s, steps);
        if (withinTolerance(s)) return SearchEnd::Met;
        // Once above the band f stays above it.
        if (s.difference > 0) return first ? SearchEnd::BelowStart : SearchEnd::SteppedOver;
    }
}

ProtectionRun ComputeProtectionDistance(ProtectionState& s, const ProtectionInputs& in,
                                        const std::function<void()>& noRowMatches,
                                        const ProtectionProgress& progress) {
    Steps steps;
    chooseCoefficients(s, ProtectionBand::UpTo1000, in.choices, noRowMatches);
    readInputs(s, in, steps);
    s.l = 0;
    ProtectionRun run{FindProtectionDistance(s, progress), 0};
    if (run.end != SearchEnd::Met) return run;
    s.l1 = s.lc;

    // Searches one band from its lower bound. The coefficients jump at the
    // bound: below it the distance lies beyond the bound, above it below the
    // bound; then the bound itself is the answer.
    auto searchBand = [&](ProtectionBand band, float start) {
        chooseCoefficients(s, band, in.choices, noRowMatches);
        readInputs(s, in, steps);
        run.start = start;
        s.l = start;
        run.end = FindProtectionDistance(s, progress);
        if (run.end == SearchEnd::BelowStart) {
            run.end = SearchEnd::Met;
            s.lc = start;
        }
    };
    if (s.l1 > 1000 && s.l1 <= 2000) {
        searchBand(ProtectionBand::UpTo2000, 1000);
        // A distance the middle band puts beyond 2000 m belongs to the outer band.
        if (run.end == SearchEnd::Met && s.lc > 2000) searchBand(ProtectionBand::Beyond2000, 2000);
    } else if (s.l1 > 2000) {
        searchBand(ProtectionBand::Beyond2000, 2000);
    }
    return run;
}

}  // namespace korrimet::risk
