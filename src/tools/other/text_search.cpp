#include "tools/other/text_search.h"

namespace korrimet::other {

namespace {

char16_t fold(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= u'\uFF21' && c <= u'\uFF3A') return static_cast<char16_t>(c + 32);  // Ａ to Ｚ
    return c;
}

template <class Same>
std::size_t find(std::u16string_view text, std::u16string_view what, std::size_t from, Same same) {
    if (from < 1) from = 1;
    if (from > text.size()) return 0;
    if (what.empty()) return from;
    if (what.size() > text.size()) return 0;
    const std::size_t last = text.size() - what.size();
    for (std::size_t i = from - 1; i <= last; ++i) {
        std::size_t k = 0;
        while (k < what.size() && same(text[i + k], what[k])) ++k;
        if (k == what.size()) return i + 1;
    }
    return 0;
}

}  // namespace

std::size_t FindText(std::u16string_view text, std::u16string_view what, std::size_t from) {
    return find(text, what, from, [](char16_t a, char16_t b) { return fold(a) == fold(b); });
}

std::size_t FindExact(std::u16string_view text, std::u16string_view what, std::size_t from) {
    return find(text, what, from, [](char16_t a, char16_t b) { return a == b; });
}

std::size_t FindBackText(std::u16string_view text, char16_t c, std::size_t before) {
    if (before > text.size() + 1) before = text.size() + 1;
    for (std::size_t p = before; p-- > 1;)
        if (fold(text[p - 1]) == fold(c)) return p;
    return 0;
}

std::u16string_view Mid(std::u16string_view text, std::size_t start, std::size_t length) {
    if (start < 1 || start > text.size()) return {};
    return text.substr(start - 1, length);
}

bool RefusedKeyword(std::u16string_view keyword) {
    return keyword.empty() || (keyword.front() >= 1 && keyword.front() <= 126);
}

StoredText ReadStoredText(std::u16string_view file) {
    static constexpr std::u16string_view kMissing = u"# incomplete:";
    StoredText stored;
    bool header = true;
    while (!file.empty()) {
        std::size_t end = file.find(u'\n');
        std::u16string_view line = file.substr(0, end);
        file = end == std::u16string_view::npos ? std::u16string_view() : file.substr(end + 1);
        if (!line.empty() && line.back() == u'\r') line.remove_suffix(1);
        if (header && line.starts_with(u'#')) {
            if (line.starts_with(kMissing)) {
                line.remove_prefix(kMissing.size());
                while (!line.empty() && line.front() == u' ') line.remove_prefix(1);
                stored.missing = line;
            }
            continue;
        }
        header = false;
        stored.text.append(line).append(u"\r\n");
    }
    return stored;
}

}  // namespace korrimet::other
