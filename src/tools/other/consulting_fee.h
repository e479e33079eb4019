#pragma once
#include <optional>
#include <string>
#include <vector>

namespace korrimet::other {

// Fees after the national scale 计价格[2002]125号, in 万元.
enum class FeeDocument { Book, Form };  // 环境影响报告书 (with its outline), 环境影响报告表

// The industry rows of the scale, from 1.2 down to 0.6, and the two
// sensitivity rows; only the compile fee of a report book is adjusted.
enum class FeeIndustry { Heavy, Petrochemical, Transport, Machinery, Services };
enum class FeeSensitivity { Sensitive, Ordinary };

struct FeeChoice {
    FeeDocument document = FeeDocument::Book;
    std::optional<FeeIndustry> industry = FeeIndustry::Heavy;
    std::optional<FeeSensitivity> sensitivity = FeeSensitivity::Sensitive;
};

struct Fees {
    float investment = 0;  // 亿元
    int band = 0;          // 1 to 6
    float fee0 = 0;        // compile fee of the band, before adjustment
    float compile = 0;     // rounded to four decimals
    float assess = 0;      // rounded to five decimals
};

// The fees for an investment in 万元 and, for a report form, its number of
// special topics. No value when the topics drive the compile fee beyond the
// range of a Single.
std::optional<Fees> ComputeFees(float investmentWan, const FeeChoice& choice, double topics);

// The report's lines, fees in their default text.
std::vector<std::string> FeeReport(FeeDocument document, const Fees& fees);

}  // namespace korrimet::other
