#include "tools/water/surface_grade.h"

#include <algorithm>

#include "common/pipe_table.h"

namespace korrimet::water {
namespace {

bool contains(const std::vector<int>& values, int v) { return std::find(values.begin(), values.end(), v) != values.end(); }

// "1 2 3" as whole numbers in 1..max; nullopt on anything else.
std::optional<std::vector<int>> wholeNumbers(const std::string& field, int max) {
    std::vector<int> values;
    for (const char c : field) {
        if (c == ' ') continue;
        if (c < '1' || c > '0' + max) return std::nullopt;
        values.push_back(c - '0');
    }
    if (values.empty()) return std::nullopt;
    return values;
}

}  // namespace

int DischargeClass(WaterBody body, float q) {
    if (body == WaterBody::Bay) {
        if (q >= 20000) return 1;
        if (q >= 5000) return 2;
        if (q >= 1000) return 3;
        if (q >= 500) return 4;
        return 5;
    }
    if (q >= 20000) return 1;
    if (q >= 10000) return 2;
    if (q >= 5000) return 3;
    if (q >= 1000) return 4;
    if (q >= 200) return 5;
    return 6;
}

int PollutantKindCount(int ticked) {
    if (ticked >= 3) return 1;
    if (ticked == 2) return 2;
    if (ticked == 1) return 3;
    return 4;
}

int WastewaterComplexity(int kindCount, double n) {
    switch (kindCount) {
    case 1: return 1;
    case 2: return n >= 10 ? 1 : 2;
    case 3: return n >= 7 ? 2 : 3;
    default: return 4;
    }
}

std::optional<std::vector<WorkGradeRow>> ParseWorkGradeTable(std::string_view text, std::string* error) {
    std::vector<WorkGradeRow> rows;
    for (const PipeRecord& r : SplitPipeTable(text)) {
        auto fail = [&](const char* why) -> std::optional<std::vector<WorkGradeRow>> {
            if (error) *error = "line " + std::to_string(r.line) + ": " + why;
            return std::nullopt;
        };
        if (r.fields.size() != 5) return fail("water | discharge class | complexities | buttons | lines");
        WorkGradeRow row;
        if (r.fields[0] != "river" && r.fields[0] != "bay") return fail("water is river or bay");
        row.bay = r.fields[0] == "bay";
        auto discharge = wholeNumbers(r.fields[1], 6);
        if (!discharge || discharge->size() != 1) return fail("one discharge class");
        row.dischargeClass = discharge->front();
        if (r.fields[2] != "any") {
            auto complexities = wholeNumbers(r.fields[2], 4);
            if (!complexities) return fail("complexities are 1 to 4, or any");
            row.complexities = *complexities;
        }
        auto buttons = wholeNumbers(r.fields[3], 3);
        if (!buttons) return fail("buttons are 1 to 3");
        row.buttons = *buttons;
        std::string_view rest = r.fields[4];
        while (!rest.empty()) {
            const size_t semi = rest.find(';');
            std::string item(rest.substr(0, semi));
            rest = semi == std::string_view::npos ? std::string_view{} : rest.substr(semi + 1);
            item.erase(0, item.find_first_not_of(' '));
            item.erase(item.find_last_not_of(' ') + 1);
            const size_t eq = item.find('=');
            if (item.empty() || row.bay != (eq == std::string::npos))
                return fail("a river line reads classes=grade, a bay line a grade");
            if (row.bay)
                row.lines.push_back({{}, item});
            else
                row.lines.push_back({item.substr(0, eq), item.substr(eq + 1)});
        }
        if (row.lines.empty()) return fail("no lines");
        rows.push_back(std::move(row));
    }
    return rows;
}

std::string WorkGradeAdvice(const std::vector<WorkGradeRow>& table, WaterBody body, int dischargeClass,
                            int complexity, int button) {
    const bool bay = body == WaterBody::Bay;
    for (const WorkGradeRow& row : table) {
        if (row.bay != bay || row.dischargeClass != dischargeClass) continue;
        if (!row.complexities.empty() && !contains(row.complexities, complexity)) continue;
        if (!contains(row.buttons, button)) continue;
        std::string advice = "依据你所输入的参数，评价工作等级划分建议如下：\n";
        for (const WorkGradeRow::Line& line : row.lines) {
            if (bay)
                advice += "    建议评价等级划分为" + line.grade + "\n";
            else
                advice += "    如果该类污水排放地表水" + line.classes + "类水体,评价等级划分为" + line.grade + "\n";
        }
        return advice;
    }
    return kNoGradeRow;
}

}  // namespace korrimet::water
