#include "tools/other/hazardous_waste.h"

#include "tools/other/text_search.h"

namespace korrimet::other {

std::u16string WasteCode(int number) {
    std::u16string code = u"HW";
    code += static_cast<char16_t>(u'0' + number / 10 % 10);
    code += static_cast<char16_t>(u'0' + number % 10);
    return code;
}

std::optional<std::u16string> WasteClassName(std::u16string_view list, std::u16string_view code) {
    const std::size_t p = FindText(list, code, 1);
    if (p == 0) return std::nullopt;
    // The line feed behind the code's own line break ends the class name.
    const std::size_t e = FindExact(list, u"\n", p + 6);
    if (e == 0) return std::u16string(Mid(list, p, list.size() - p + 1));
    return std::u16string(Mid(list, p, e - p));
}

std::optional<std::u16string> WasteEntry(std::u16string_view list, std::u16string_view code) {
    const std::size_t p = FindText(list, code, 1);
    if (p == 0) return std::nullopt;
    const std::size_t n = code == u"HW47" ? 0 : FindText(list, u"\nHW", p + 1);
    if (n == 0) return std::u16string(Mid(list, p, list.size() - p));
    return std::u16string(Mid(list, p, n - p));
}

}  // namespace korrimet::other
