#include "common/table_text.h"

#include "common/number_text.h"
#include "common/statement_failure.h"

namespace korrimet {

TableFormatError::TableFormatError(int line, const std::string& what)
    : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}

std::vector<TableRow> TableRows(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<TableRow> rows;
    int line = 0;
    std::size_t from = 0;
    while (from <= text.size()) {
        ++line;
        std::size_t end = text.find('\n', from);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view current = text.substr(from, end - from);
        from = end + 1;
        TableRow row{line, {}};
        auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        std::size_t i = 0;
        while (i < current.size()) {
            while (i < current.size() && blank(current[i])) ++i;
            const std::size_t start = i;
            while (i < current.size() && !blank(current[i])) ++i;
            if (i > start) row.fields.emplace_back(current.substr(start, i - start));
        }
        if (!row.fields.empty() && row.fields.front()[0] != '#') rows.push_back(std::move(row));
    }
    return rows;
}

double TableNumber(const TableRow& row, std::size_t index) {
    if (index >= row.fields.size()) throw TableFormatError(row.line, "missing field " + std::to_string(index + 1));
    const std::string& field = row.fields[index];
    try {
        const std::size_t slash = field.find('/');
        if (slash == std::string::npos) return ParseNumber(field, Precision::Double);
        const double p = ParseNumber(std::string_view(field).substr(0, slash), Precision::Double);
        const double q = ParseNumber(std::string_view(field).substr(slash + 1), Precision::Double);
        if (q == 0) throw StatementFailure("division by zero", FailureKind::DivisionByZero);
        return p / q;
    } catch (const StatementFailure&) {
        throw TableFormatError(row.line, "not a number: " + field);
    }
}

void RequireFields(const TableRow& row, std::size_t count) {
    if (row.fields.size() != count)
        throw TableFormatError(row.line, "expected " + std::to_string(count) + " fields, found " +
                                             std::to_string(row.fields.size()));
}

}  // namespace korrimet
