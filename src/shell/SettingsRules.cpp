#include "shell/SettingsRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

namespace veltrin {

namespace {

std::string_view Trim(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool FitsInt16(double value) {
    return value >= std::numeric_limits<int16_t>::min() &&
           value <= std::numeric_limits<int16_t>::max();
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

std::optional<double> ParseNumber(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int16_t ReadInteger(std::string_view text, int16_t fallback) {
    const auto n = ParseNumber(text);
    if (!n) return fallback;
    const double rounded = std::nearbyint(*n);
    return FitsInt16(rounded) ? static_cast<int16_t>(rounded) : fallback;
}

int16_t ReadYear(std::string_view text, int16_t fallback) {
    const auto n = ParseNumber(text);
    if (!n) return fallback;
    const double truncated = std::trunc(*n);
    return FitsInt16(truncated) ? static_cast<int16_t>(truncated) : fallback;
}

bool ReadBoolean(std::string_view text, bool fallback) {
    const std::string_view t = Trim(text);
    if (EqualsNoCase(t, "true")) return true;
    if (EqualsNoCase(t, "false")) return false;
    const auto n = ParseNumber(t);
    return n ? *n != 0 : fallback;
}

float ReadSingle(std::string_view text, float fallback) {
    const auto n = ParseNumber(text);
    if (!n || std::fabs(*n) > std::numeric_limits<float>::max()) return fallback;
    return static_cast<float>(*n);
}

int16_t ReadStyle(std::string_view text) {
    const int16_t s = ReadInteger(text, 2);
    return s >= 1 && s <= 3 ? s : 2;
}

int16_t ReadFirstWeekday(std::string_view text) {
    const int16_t w = ReadInteger(text, 7);
    return w == 1 ? 1 : 7;
}

int16_t ReadFontSize(std::string_view text) {
    const int16_t size = ReadInteger(text, 10);
    return size >= 1 ? size : 10;
}

std::string BooleanText(bool value) {
    return value ? "True" : "False";
}

std::string NumberText(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.7g", value);
    return buffer;
}

YearRange CorrectYearRange(int16_t minYear, int16_t maxYear, int currentYear) {
    YearRange r{minYear, maxYear};
    if (r.minYear >= currentYear || r.minYear < kWidestMinYear) r.minYear = kDefaultMinYear;
    if (r.maxYear <= currentYear || r.maxYear > kWidestMaxYear) r.maxYear = kDefaultMaxYear;
    return r;
}

std::optional<int> ReadTypedYear(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    size_t digits = 0;
    int value = 0;
    while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') {
        if (digits == 6) return std::nullopt;
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    if (digits == 0) return std::nullopt;
    std::string_view rest = text.substr(digits);
    if (!rest.empty()) {
        if (rest.front() != '.' && rest.front() != ',') return std::nullopt;
        rest.remove_prefix(1);
        for (const char ch : rest)
            if (ch < '0' || ch > '9') return std::nullopt;
    }
    return negative ? -value : value;
}

RangeCheck CheckNewRange(std::string_view lowText, std::string_view highText, YearRange current,
                         int currentYear) {
    const std::optional<int> low = ReadTypedYear(lowText);
    const std::optional<int> high = ReadTypedYear(highText);
    if (!low || !high) return {};
    if (*low == current.minYear && *high == current.maxYear)
        return {RangeVerdict::kUnchanged, current};
    if (*low < kWidestMinYear || *low >= currentYear || *high <= currentYear ||
        *high > kWidestMaxYear)
        return {};
    return {RangeVerdict::kApply,
            YearRange{static_cast<int16_t>(*low), static_cast<int16_t>(*high)}};
}

bool IsReachable(const TwipsRect& window, const std::vector<TwipsRect>& screens) {
    // The strip of the caption: enough of it must show to take hold of the window.
    constexpr double kCaption = 375, kGrip = 720;
    for (const TwipsRect& s : screens) {
        const double left = std::max(window.left, s.left);
        const double right = std::min(window.left + window.width, s.left + s.width);
        const double top = std::max(window.top, s.top);
        const double bottom = std::min(window.top + kCaption, s.top + s.height);
        if (right - left >= kGrip && bottom - top >= kCaption / 2) return true;
    }
    return false;
}

WindowPlacement ResolvePlacement(const StoredPlacement& stored, const TwipsRect& primaryScreen,
                                 const std::vector<TwipsRect>& screens, const TwipsSize& minimum) {
    const auto least = [](double twips) { return static_cast<float>(std::ceil(twips)); };
    const float minWidth = least(minimum.width), minHeight = least(minimum.height);
    WindowPlacement p;
    p.state = ReadInteger(stored.state, kNormalWindow);
    if (p.state == kMinimisedWindow || p.state < kNormalWindow || p.state > kMaximisedWindow)
        p.state = kNormalWindow;
    p.height = ReadSingle(stored.height, minHeight);
    p.width = ReadSingle(stored.width, minWidth);
    // A size the window cannot have is as good as none, and so is one larger than any screen
    // could hold (a thousand inches); a small one is enlarged to the minimum.
    constexpr float kLargestWindow = 1440.0f * 1000;
    if (!(p.height > 0) || p.height > kLargestWindow) p.height = minHeight;
    if (!(p.width > 0) || p.width > kLargestWindow) p.width = minWidth;
    p.height = std::max(p.height, minHeight);
    p.width = std::max(p.width, minWidth);

    // A window larger than the screen starts at the screen's edge, so its title stays in reach.
    const auto centred = [&] {
        const auto free = [](double screen, double window) {
            const double room = std::trunc(screen) - std::trunc(window);
            return room < 0 ? 0LL : static_cast<long long>(room);
        };
        p.left = static_cast<float>(primaryScreen.left +
                                    static_cast<double>(free(primaryScreen.width, p.width) / 2));
        p.top = static_cast<float>(primaryScreen.top +
                                   static_cast<double>(free(primaryScreen.height, p.height) / 3));
    };
    centred();
    const float defaultLeft = p.left, defaultTop = p.top;
    p.left = ReadSingle(stored.left, defaultLeft);
    p.top = ReadSingle(stored.top, defaultTop);
    if (!IsReachable({p.left, p.top, p.width, p.height}, screens)) {
        p.left = defaultLeft;
        p.top = defaultTop;
    }
    return p;
}

}  // namespace veltrin
