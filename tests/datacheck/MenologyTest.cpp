// The texts of the menology: every saint with the year or century the sources give, and one
// spelling for each recurring word. The lists are kept beside this file.

#include <gtest/gtest.h>

#include <set>

#include "datacheck/ShippedData.h"

namespace veltrin::datacheck {
namespace {

// The lines of a list beside this file, without its comments, split at the first tab.
std::vector<std::pair<std::string, std::string>> ReadList(const std::string& name) {
    std::vector<std::pair<std::string, std::string>> rows;
    std::ifstream in(CheckDir() / name);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        const size_t tab = line.find('\t');
        rows.emplace_back(line.substr(0, tab),
                          tab == std::string::npos ? "" : line.substr(tab + 1));
    }
    return rows;
}

int MonthOf(const std::string& file) {
    const std::vector<std::string>& names = MonthFileNames();
    const auto at = std::find(names.begin(), names.end(), file) - names.begin();
    return at <= 0 ? 1 : at <= 2 ? 2 : static_cast<int>(at);
}

std::string Where(int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d", month % 100, day % 100);
    return text;
}

// A saint's commemoration begins with a rank: "Мч.", "Прп.", "Сщмчч." and the like.
bool NamesASaint(std::string_view text) {
    if (text.starts_with("{")) text.remove_prefix(3);
    static const char* const ranks[] = {
        "Св. ",   "Свв. ",     "Мч. ",    "Мчч. ", "Мц. ",  "Мцц. ",  "Прп. ",  "Прпп. ",  "Свт. ",
        "Свтт. ", "Сщмч. ",    "Сщмчч. ", "Ап. ",  "Апп. ", "Прор. ", "Прав. ", "Правв. ", "Блгв. ",
        "Блж. ",  "Равноап. ", "Вмч. ",   "Вмц. ", "Исп. ", "Прмч. ", "Прмц. ", "Сщисп. "};
    for (const char* rank : ranks)
        if (text.starts_with(rank)) return true;
    return false;
}

// A year, years or a century in brackets: "(1937)", "(ок. 304)", "(IV)", "(VI–VII)".
bool HasYear(std::string_view text) {
    for (size_t open = text.find('('); open != std::string_view::npos;
         open = text.find('(', open + 1)) {
        const size_t close = text.find(')', open);
        if (close == std::string_view::npos) return false;
        const std::string_view inside = text.substr(open + 1, close - open - 1);
        if (inside.find_first_of("0123456789") != std::string_view::npos) return true;
        bool roman = false;
        for (size_t i = 0; i < inside.size(); ++i) {
            const bool letter = inside[i] == 'I' || inside[i] == 'V' || inside[i] == 'X';
            const bool edge = i == 0 || !std::isalpha(static_cast<unsigned char>(inside[i - 1]));
            if (letter && edge) roman = true;
        }
        if (roman) return true;
    }
    return false;
}

TEST(Menology, SaintsCarryTheirYears) {
    std::set<std::pair<std::string, std::string>> undated;
    for (const auto& row : ReadList("undated.list"))
        undated.insert(row);
    std::set<std::pair<std::string, std::string>> seen;
    for (const std::string& file : MonthFileNames())
        for (const Section& s : ReadSections(file))
            for (const auto& [key, value] : s.entries) {
                if ((key != "1" && key != "2") || !NamesASaint(value)) continue;
                const std::pair<std::string, std::string> item{Where(MonthOf(file), s.number),
                                                               value};
                if (undated.count(item)) {
                    seen.insert(item);
                    continue;
                }
                EXPECT_TRUE(HasYear(value)) << file << " " << s.number << ": " << value;
            }
    // A line the list keeps that the data set no longer has is stale.
    for (const auto& item : undated)
        EXPECT_TRUE(seen.count(item)) << "undated.list: " << item.first << " " << item.second;
}

TEST(Menology, OneSpellingForEachRecurringWord) {
    const auto variants = ReadList("spellings.list");
    ASSERT_FALSE(variants.empty());
    std::vector<std::string> files = MonthFileNames();
    for (const char* table : {"Relocatable.DAT", "Relocatable1.DAT", "Special.DAT", "Weekdays.DAT",
                              "Weekdays1.DAT", "SpecWeekDays.DAT"})
        files.push_back(table);
    for (const std::string& file : files)
        for (const Section& s : ReadSections(file))
            for (const auto& [key, value] : s.entries)
                for (const auto& [variant, preferred] : variants)
                    EXPECT_EQ(value.find(variant), std::string::npos)
                        << file << " " << s.number << ": «" << variant << "», write «" << preferred
                        << "»: " << value;
}

}  // namespace
}  // namespace veltrin::datacheck
