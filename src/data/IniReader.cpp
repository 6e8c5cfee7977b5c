#include "data/IniReader.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>
#include <system_error>

#include "data/Cp1251.h"

namespace veltrin {

namespace fs = std::filesystem;

const std::vector<std::string> IniReader::kNoLines;

namespace {

std::string ReadWholeFile(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::string bytes;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        bytes.append(buffer, static_cast<size_t>(in.gcount()));
        if (in.eof()) break;
    }
    return bytes;
}

bool IsBlank(char ch) {
    return ch == ' ' || ch == '\t';
}

std::string_view TrimView(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && (IsBlank(text.back()) || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

}  // namespace

std::string TrimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return std::string(text);
}

std::string LowerAscii(std::string_view text) {
    std::string out(text);
    for (char& ch : out)
        if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
    return out;
}

const IniReader::ParsedFile& IniReader::Parse(const fs::path& file) {
    static const ParsedFile kEmpty;
    std::error_code ec;
    if (!fs::is_regular_file(file, ec)) {
        files_.erase(file);
        return kEmpty;
    }
    const auto modified = fs::last_write_time(file, ec);
    const uintmax_t size = fs::file_size(file, ec);
    if (ec) return kEmpty;
    auto found = files_.find(file);
    if (found != files_.end() && found->second.modified == modified && found->second.size == size)
        return found->second;
    // A file too large to hold is read as one that cannot be read.
    if (size > kLargestFile) {
        files_.erase(file);
        return kEmpty;
    }
    try {
        return files_[file] = ParseBytes(ReadWholeFile(file), modified, size);
    } catch (const std::bad_alloc&) {
        files_.erase(file);
        return kEmpty;
    }
}

IniReader::ParsedFile IniReader::ParseBytes(const std::string& bytes,
                                            fs::file_time_type modified, uintmax_t size) {
    ParsedFile parsed;
    parsed.modified = modified;
    parsed.size = size;
    std::vector<std::string>* current = nullptr;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find('\n', pos);
        if (end == std::string::npos) end = bytes.size();
        const std::string_view line = TrimView(std::string_view(bytes).substr(pos, end - pos));
        pos = end + 1;
        if (line.empty()) continue;
        if (line.front() == '[') {
            const size_t close = line.find(']');
            if (close != std::string_view::npos) {
                const std::string name =
                    LowerText(DecodeCp1251(TrimView(line.substr(1, close - 1))));
                auto [it, inserted] = parsed.sections.try_emplace(name);
                current = inserted ? &it->second : nullptr;  // a repeated section is not read
                continue;
            }
        }
        if (current) current->push_back(DecodeCp1251(line));
    }
    return parsed;
}

const IniReader::Sections& IniReader::AllSections(const fs::path& file) {
    return Parse(file).sections;
}

const std::vector<std::string>& IniReader::SectionLines(std::string_view section,
                                                        const fs::path& file) {
    const ParsedFile& parsed = Parse(file);
    const auto it = parsed.sections.find(LowerText(TrimView(section)));
    return it == parsed.sections.end() ? kNoLines : it->second;
}

std::string IniReader::ReadIniSection(std::string_view section, const fs::path& file) {
    std::string result;
    for (const std::string& line : SectionLines(section, file)) {
        result += line;
        result.push_back('\0');
    }
    return result;
}

std::string IniReader::ReadIniString(std::string_view section, std::string_view key,
                                     const fs::path& file) {
    const std::string wanted = LowerText(key);
    std::string k, v;
    for (const std::string& line : SectionLines(section, file)) {
        SplitEntry(line, k, v);
        if (!k.empty() && LowerText(k) == wanted) return v;
    }
    return {};
}

void NextEntry(std::string& buffer, std::string& entry) {
    const size_t nul = buffer.find('\0');
    if (nul == 0 || nul == std::string::npos) {
        entry.clear();
        buffer.clear();
        return;
    }
    entry = buffer.substr(0, nul);
    buffer.erase(0, nul + 1);
}

void SplitEntry(std::string_view entry, std::string& key, std::string& value) {
    const size_t eq = entry.find('=');
    if (eq == std::string_view::npos) {
        key.clear();
        value.clear();
        return;
    }
    key = TrimBlanks(entry.substr(0, eq));
    value = TrimBlanks(entry.substr(eq + 1));
}

int16_t ReadNumber(std::string_view value) {
    // The longest leading part of the form [sign] digits [. digits].
    size_t i = 0;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) ++i;
    const auto digits = [&](size_t from) {
        while (i < value.size() && value[i] >= '0' && value[i] <= '9')
            ++i;
        return i > from;
    };
    bool any = digits(i);
    if (i < value.size() && value[i] == '.') {
        const size_t dot = i++;
        if (digits(i))
            any = true;
        else
            i = dot;
    }
    if (!any) return 0;
    std::string_view number = value.substr(0, i);
    if (number.front() == '+') number.remove_prefix(1);
    double parsed = 0;
    if (std::from_chars(number.data(), number.data() + number.size(), parsed).ec ==
        std::errc::result_out_of_range)
        parsed = number.front() == '-' ? -HUGE_VAL : HUGE_VAL;  // beyond a double: at the bound
    parsed =
        std::nearbyint(parsed);  // the default rounding mode takes halves to the even neighbour
    constexpr double kMin = std::numeric_limits<int16_t>::min();
    constexpr double kMax = std::numeric_limits<int16_t>::max();
    if (!(parsed >= kMin)) return std::numeric_limits<int16_t>::min();
    if (parsed > kMax) return std::numeric_limits<int16_t>::max();
    return static_cast<int16_t>(parsed);
}

}  // namespace veltrin
