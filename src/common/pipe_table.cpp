#include "common/pipe_table.h"

namespace korrimet {
std::string_view TrimPipeBlanks(std::string_view s) {
    const char* blanks = " \t\r";
    const size_t first = s.find_first_not_of(blanks);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(blanks) - first + 1);
}

std::vector<PipeRecord> SplitPipeTable(std::string_view text) {
    std::vector<PipeRecord> records;
    int number = 0;
    for (size_t pos = 0; pos <= text.size();) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view raw = text.substr(pos, end - pos);
        const std::string_view line = TrimPipeBlanks(raw);
        ++number;
        pos = end + 1;
        if (line.empty() || line.front() == '#') continue;
        PipeRecord record;
        record.line = number;
        record.text = raw;
        std::string_view rest = line;
        for (;;) {
            const size_t bar = rest.find('|');
            record.fields.emplace_back(TrimPipeBlanks(rest.substr(0, bar)));
            if (bar == std::string_view::npos) break;
            rest = rest.substr(bar + 1);
        }
        records.push_back(std::move(record));
    }
    return records;
}

}  // namespace korrimet
