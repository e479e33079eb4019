#include "tools/other/industry_codes.h"

#include "tools/other/text_search.h"

namespace korrimet::other {

namespace {
constexpr std::u16string_view kLineFeed = u"\n";
}  // namespace

std::u16string CodeListHeading() {
    return u"国民经济行业分类与代码\n(科技统计用)\n国民经济行业代码 （GB/T 4754—2002 ）";
}

std::u16string SectionText(std::u16string_view list, std::u16string_view item) {
    if (item.empty()) return {};
    const char16_t letter = item.front();
    const char16_t next = static_cast<char16_t>(letter + 1);
    const std::size_t p = FindExact(list, std::u16string_view(&letter, 1), kCodeListStart);
    if (p == 0) return {};
    const std::size_t end = FindExact(list, std::u16string_view(&next, 1), kCodeListStart);
    if (end == 0) return std::u16string(Mid(list, p, list.size() - p));
    if (end < p) return {};
    return std::u16string(Mid(list, p, end - p));
}

std::u16string SectionReport(std::u16string_view list, std::u16string_view item) {
    return CodeListHeading() + u"\n\n你所查询的大类别下有以下记录，你也可以试试关键字检索！\n\n" + SectionText(list, item);
}

std::u16string CodeLinesHolding(std::u16string_view t, std::u16string_view keyword) {
    std::u16string lines;
    std::size_t p = kCodeListStart;
    for (;;) {
        const std::size_t q = FindText(t, keyword, p);
        if (q == 0) break;
        // The list is one class a line: a hit lists the whole line it lies in.
        const std::size_t s = FindBackText(t, u'\n', q);
        const std::size_t e = FindExact(t, kLineFeed, q);
        if (e == 0) {
            // A last line without a line break: list it to the end and stop.
            lines.append(kLineFeed).append(Mid(t, s + 1, t.size() - s));
            break;
        }
        lines.append(kLineFeed).append(Mid(t, s + 1, e - s - 1));
        p = e + 1;
    }
    lines.append(kLineFeed);
    return lines;
}

std::u16string KeywordReport(std::u16string_view list, std::u16string_view keyword) {
    const std::u16string heading = CodeListHeading() + u"\n\n";
    if (FindText(list, keyword, 1) == 0) return heading + u"检索无记录，请重新输入";
    return heading + u"包含你输入关键字的行业类别及其代码如下：\n" + CodeLinesHolding(list, keyword);
}

}  // namespace korrimet::other
