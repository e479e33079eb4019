#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korrimet::water {

enum class WaterBody { River, Lake, Bay };

inline constexpr const char* kNoGradeRow = "无分级表上对应的参数";

// Class of the wastewater volume q (m³/d); a boundary belongs to the class
// above it. Rivers and lakes: 1 to 6; bays: 1 to 5.
int DischargeClass(WaterBody body, float q);
// Class of the number of pollutant kinds ticked: 1 for three or four, 2 for
// two, 3 for one, 4 for none.
int PollutantKindCount(int ticked);
// Whether the complexity looks at the number of water-quality parameters.
inline bool ComplexityUsesParameterCount(int kindCount) { return kindCount != 1; }
// Complexity 1 to 4 from the kind-count class and the parameter count n.
int WastewaterComplexity(int kindCount, double n);

struct WorkGradeRow {
    bool bay = false;
    int dischargeClass = 0;
    std::vector<int> complexities;  // empty: not tested
    std::vector<int> buttons;       // 1, 2, 3: which selected button satisfies the row
    struct Line {
        std::string classes;  // river rows only
        std::string grade;
    };
    std::vector<Line> lines;
};

// Reads the decision table (see data/work_grade_table.txt).
std::optional<std::vector<WorkGradeRow>> ParseWorkGradeTable(std::string_view text, std::string* error = nullptr);

// The advice of the first matching row, its heading and each line followed by
// a line feed, or kNoGradeRow. `button` is 1, 2 or 3, or 0 for none selected.
std::string WorkGradeAdvice(const std::vector<WorkGradeRow>& table, WaterBody body, int dischargeClass,
                            int complexity, int button);

}  // namespace korrimet::water
