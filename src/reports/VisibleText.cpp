#include "reports/VisibleText.h"

namespace veltrin {

namespace {
bool IsAsciiLetter(char ch) {
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}
bool IsDigit(char ch) {
    return ch >= '0' && ch <= '9';
}
}  // namespace

VisibleText ExtractVisibleText(std::string_view s) {
    VisibleText v;
    const auto visible = [&v](char ch, size_t from, size_t to) {
        v.text.push_back(ch);
        v.start.push_back(from);
        v.end.push_back(to);
    };
    size_t i = 0;
    while (i < s.size()) {
        const char ch = s[i];
        if (ch == '{' || ch == '}' || ch == '\r' || ch == '\n') {
            ++i;
            continue;
        }
        if (ch != '\\') {
            visible(ch, i, i + 1);
            ++i;
            continue;
        }
        const size_t from = i++;
        if (i >= s.size()) break;
        if (IsAsciiLetter(s[i])) {
            // A control word: letters, an optional signed number, and one blank that ends it.
            while (i < s.size() && IsAsciiLetter(s[i]))
                ++i;
            if (i < s.size() && s[i] == '-') ++i;
            while (i < s.size() && IsDigit(s[i]))
                ++i;
            if (i < s.size() && s[i] == ' ') ++i;
            continue;
        }
        if (s[i] == '\\' || s[i] == '{' || s[i] == '}') {
            visible(s[i], from, i + 1);  // an escaped character shows as itself
            ++i;
            continue;
        }
        if (s[i] == '\'') {
            i = std::min(s.size(), i + 3);  // a byte in hex: not searchable text here
            continue;
        }
        ++i;  // any other control symbol
    }
    return v;
}

}  // namespace veltrin
