#include "tools/tanks_dust/tank_losses_layout.h"

#include <charconv>
#include <utility>

#include "common/pipe_table.h"
#include "common/table_text.h"
#include "common/utf8.h"

namespace korrimet::tanks {
namespace {

int number(const PipeRecord& r, std::size_t i) {
    const std::string& f = r.fields[i];
    int n = 0;
    const auto [end, ec] = std::from_chars(f.data(), f.data() + f.size(), n);
    if (ec != std::errc() || end != f.data() + f.size() || n < 0) throw TableFormatError(r.line, "not a number: " + f);
    return n;
}

// The per-type fields from `first` on; `none` reads as no value.
PerType<std::optional<std::string>> optional(const PipeRecord& r, std::size_t first, std::string_view none) {
    PerType<std::optional<std::string>> of;
    for (std::size_t t = 0; t < 3; ++t)
        if (r.fields[first + t] != none) of[t] = r.fields[first + t];
    return of;
}

PerType<std::string> texts(const PipeRecord& r, std::size_t first) {
    return {r.fields[first], r.fields[first + 1], r.fields[first + 2]};
}

// A row's field under one type: a caption, "=" as it is, "-" hidden, or
// "-" and a caption, hidden under that caption.
void readRowField(LayoutRow& row, std::size_t t, std::string_view field) {
    row.shown[t] = !field.starts_with('-');
    if (!row.shown[t]) field = TrimPipeBlanks(field.substr(1));
    if (!field.empty() && field != "=") row.caption[t] = std::string(field);
}

// Blanks closed up to one and trimmed at the ends.
std::string simplified(std::string_view s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += c;
        else if (!out.empty() && out.back() != ' ') out += c;
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

}  // namespace

CaptionCells SplitCaption(std::string_view padded) {
    std::string s = simplified(padded);
    if (constexpr std::string_view colon = "："; s.ends_with(colon)) s.resize(s.size() - colon.size());
    std::size_t end = 0;
    for (std::size_t i = 0; i < s.size();) {
        std::size_t bytes = 0;
        const char32_t c = CodePointAt(s, i, bytes);
        i += bytes;
        if (c >= 0x2E80) end = i;
    }
    std::string symbol = simplified(std::string_view(s).substr(end));
    for (std::size_t at; (at = symbol.find(" [")) != std::string::npos;) symbol.erase(at, 1);
    if (symbol.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz[") == std::string::npos)
        return {simplified(s), {}};
    return {simplified(std::string_view(s).substr(0, end)), symbol};
}

TankLossLayout LoadTankLossLayout(std::string_view text) {
    static const std::vector<std::pair<std::string, std::size_t>> kFields{
        {"row", 8}, {"result", 5}, {"meaning", 5}, {"tip", 6}, {"help", 5}, {"note", 2}};
    TankLossLayout layout;
    for (const PipeRecord& r : SplitPipeTable(text)) {
        const std::string& kind = r.fields[0];
        std::size_t want = 0;
        for (const auto& [k, n] : kFields)
            if (k == kind) want = n;
        if (want == 0) throw TableFormatError(r.line, "unknown record: " + kind);
        if (r.fields.size() != want) throw TableFormatError(r.line, "wrong number of fields");
        if (kind == "row") {
            if (r.fields[1] != "W" && r.fields[1] != "B") throw TableFormatError(r.line, "frame must be W or B");
            LayoutRow row{r.fields[1][0], number(r, 2), number(r, 3), r.fields[4], {}, {}};
            for (std::size_t t = 0; t < 3; ++t) readRowField(row, t, r.fields[5 + t]);
            layout.rows.push_back(std::move(row));
        } else if (kind == "result" || kind == "meaning") {
            (kind == "result" ? layout.results : layout.meanings).push_back({number(r, 1), texts(r, 2)});
        } else if (kind == "tip") {
            const std::string& load = r.fields[2];
            layout.tips.push_back(
                {number(r, 1), load == "-" ? std::nullopt : std::optional(load), optional(r, 3, "-")});
        } else if (kind == "help") {
            BoxHelp help{number(r, 1), {}, {}};
            for (std::size_t t = 0; t < 3; ++t) {
                const std::string& f = r.fields[2 + t];
                if (f.starts_with("表:")) help.table[t] = f.substr(std::string_view("表:").size());
                else if (f != "-") help.message[t] = f;
            }
            layout.help.push_back(std::move(help));
        } else {
            layout.note += (layout.note.empty() ? "" : "\n") + r.fields[1];
        }
    }
    if (layout.rows.empty() || layout.results.size() != 3) throw TableFormatError(1, "rows or result captions missing");
    return layout;
}

}  // namespace korrimet::tanks
