#include "tools/other/hazardous_waste.h"

#include "tools/other/text_search.h"

namespace korrimet::other {

namespace {

// The line from position `p` without its line break.
std::u16string_view lineAt(std::u16string_view list, std::size_t p) {
    const std::size_t end = FindExact(list, u"\n", p);
    std::u16string_view line = Mid(list, p, end == 0 ? list.size() - p + 1 : end - p);
    if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
    return line;
}

// Where the entry of `code` starts: a line that is the code and nothing else,
// compared without regard to case. Nothing chosen stands for the first entry.
std::size_t entryStart(std::u16string_view list, std::u16string_view code) {
    if (list.empty()) return 0;
    if (code.empty()) return 1;
    for (std::size_t p = 1; p <= list.size();) {
        const std::u16string_view line = lineAt(list, p);
        if (line.size() == code.size() && FindText(line, code, 1) == 1) return p;
        const std::size_t end = FindExact(list, u"\n", p);
        if (end == 0) break;
        p = end + 1;
    }
    return 0;
}

}  // namespace

std::u16string WasteCode(int number) {
    std::u16string code = u"HW";
    code += static_cast<char16_t>(u'0' + number / 10 % 10);
    code += static_cast<char16_t>(u'0' + number % 10);
    return code;
}

std::optional<std::u16string> WasteClassName(std::u16string_view list, std::u16string_view code) {
    const std::size_t p = entryStart(list, code);
    if (p == 0) return std::nullopt;
    // The line feed that ends the class name line, behind the code's own.
    const std::size_t codeEnd = FindExact(list, u"\n", p);
    const std::size_t e = codeEnd == 0 ? 0 : FindExact(list, u"\n", codeEnd + 1);
    if (e == 0) return std::u16string(Mid(list, p, list.size() - p + 1));
    return std::u16string(Mid(list, p, e - p));
}

std::optional<std::u16string> WasteEntry(std::u16string_view list, std::u16string_view code) {
    const std::size_t p = entryStart(list, code);
    if (p == 0) return std::nullopt;
    const std::size_t n = FindExact(list, u"\nHW", p + 1);
    if (n == 0) return std::u16string(Mid(list, p, list.size() - p));
    return std::u16string(Mid(list, p, n - p));
}

}  // namespace korrimet::other
