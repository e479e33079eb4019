#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace korrimet {

// Data tables compiled in as resources: one record a line, its fields
// separated by "|" with the blanks around each field dropped. Blank lines
// and lines starting with "#" are skipped. Blanks are ASCII ones only (space,
// tab, carriage return): an ideographic blank belongs to the text.
struct PipeRecord {
    int line = 0;      // 1-based, for messages
    std::string text;  // the line as written, for messages
    std::vector<std::string> fields;
};

std::string_view TrimPipeBlanks(std::string_view s);

std::vector<PipeRecord> SplitPipeTable(std::string_view text);

}  // namespace korrimet
