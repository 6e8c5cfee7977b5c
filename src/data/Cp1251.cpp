#include "data/Cp1251.h"

#include <array>

namespace veltrin {

namespace {
// Code points of the bytes 0x80 to 0xFF; 0x98 is unassigned and kept as U+0098.
constexpr std::array<char16_t, 64> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409,
    0x2039, 0x040A, 0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0,
    0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB,
    0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6,
    0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457};
// 0xC0 to 0xFF are А to я in order and are computed rather than listed.
constexpr char32_t kCapitalA = 0x0410;
constexpr char32_t kSmallYa = 0x044F;
constexpr uint8_t kByteCapitalA = 0xC0;
constexpr char32_t kReplacement = 0xFFFD;

char32_t CodePointOfByte(uint8_t b) {
    if (b < 0x80) return b;
    if (b >= kByteCapitalA) return kCapitalA + (b - kByteCapitalA);
    return kHighHalf[b - 0x80];
}
}  // namespace

std::string DecodeCp1251(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char ch : bytes)
        AppendUtf8(out, CodePointOfByte(static_cast<uint8_t>(ch)));
    return out;
}

std::optional<uint8_t> Cp1251Byte(char32_t cp) {
    if (cp < 0x80) return static_cast<uint8_t>(cp);
    if (cp >= kCapitalA && cp <= kSmallYa)
        return static_cast<uint8_t>(kByteCapitalA + (cp - kCapitalA));
    for (size_t i = 0; i < 64; ++i)
        if (kHighHalf[i] == cp) return static_cast<uint8_t>(0x80 + i);
    return std::nullopt;
}

std::optional<std::string> EncodeCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t start = pos;
        const char32_t cp = NextCodePoint(utf8, pos);
        if (cp == kReplacement && utf8.substr(start, pos - start) != "\xEF\xBF\xBD")
            return std::nullopt;
        const auto b = Cp1251Byte(cp);
        if (!b) return std::nullopt;
        out.push_back(static_cast<char>(*b));
    }
    return out;
}

std::string EncodeRtfCp1251(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const char32_t cp = NextCodePoint(utf8, pos);
        if (const auto b = Cp1251Byte(cp)) {
            out.push_back(static_cast<char>(*b));
            continue;
        }
        // RTF takes a signed 16-bit number; characters beyond the basic plane go as a pair.
        auto unicodeEscape = [&out](unsigned unit) {
            out += "\\u" + std::to_string(static_cast<int16_t>(unit)) + "?";
        };
        if (cp > 0xFFFF) {
            const char32_t v = cp - 0x10000;
            unicodeEscape(0xD800 + (v >> 10));
            unicodeEscape(0xDC00 + (v & 0x3FF));
        } else {
            unicodeEscape(cp);
        }
    }
    return out;
}

char32_t NextCodePoint(std::string_view text, size_t& pos) {
    const auto byte = [&](size_t i) { return static_cast<uint8_t>(text[i]); };
    const uint8_t lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    int length = 0;
    char32_t cp = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        cp = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        cp = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        cp = lead & 0x07;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + length > text.size()) {
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i < length; ++i) {
        const uint8_t b = byte(pos + i);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    pos += length;
    return cp;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
}

bool IsCyrillicLetter(char32_t cp) {
    return (cp >= kCapitalA && cp <= kSmallYa) || cp == 0x0401 || cp == 0x0451;
}

std::string LowerText(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t pos = 0; pos < utf8.size();) {
        const size_t start = pos;
        char32_t cp = NextCodePoint(utf8, pos);
        if (cp >= 'A' && cp <= 'Z') {
            out.push_back(static_cast<char>(cp + ('a' - 'A')));
            continue;
        }
        if (cp >= 0x0410 && cp <= 0x042F)
            cp += 0x20;
        else if (cp == 0x0401)
            cp = 0x0451;
        else {
            out.append(utf8.substr(start, pos - start));  // keeps broken bytes as they were
            continue;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

}  // namespace veltrin
