// The form of the shipped files: every day present, valid signs, exact red days, tables without
// gaps, every abbreviation explained.

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "datacheck/ShippedData.h"
#include "data/Bases.h"
#include "data/Readings.h"
#include "reports/RtfReader.h"

namespace veltrin::datacheck {
namespace {

// Every reading of a readings line is read; "rl" lines carry a label.
void ExpectReadable(const std::string& key, const std::string& value, const std::string& where) {
    const LabeledReadings l = key == "rl" ? ParseLabeledReadings(value)
                                          : LabeledReadings{{}, ParseReadings(value)};
    size_t parts = 1;
    for (size_t at = value.find(" / "); at != std::string::npos; at = value.find(" / ", at + 1))
        ++parts;
    EXPECT_EQ(l.readings.size(), parts) << where << ": " << value;
    if (key == "rl") {
        EXPECT_FALSE(l.label.empty()) << where << ": " << value;
    }
}

bool ValidMarker(const std::string& value) {
    if (value.empty() || value[0] != '{') return true;
    for (const char* m : {"{1}", "{2}", "{3}", "{5}", "{6}"})
        if (value.rfind(m, 0) == 0) return true;
    return false;
}

// Every day names at least three commemorations or notes, as the Russian calendar does, but for
// the few great days on which the calendar itself keeps the feast alone or with one saint: the
// Meeting of the Lord, the finding of the Forerunner's head, the Beheading, the Synaxis of the
// Archangels and the Entry into the Temple.
constexpr int kFewestItemsADay = 3;
bool KeptAlmostBare(const std::string& name, int day) {
    if (name == "February28.DAT" || name == "February29.DAT") return day == 2 || day == 24;
    return (name == "August.DAT" && day == 29) || (name == "November.DAT" && (day == 8 || day == 21));
}

// The days whose feast the movable table dates (the Meeting with its fore- and afterfeast, the
// findings of the Forerunner's head, the Forty Martyrs): on them the feast is one of the day's
// items.
bool FeastDatedElsewhere(const std::string& name, int day) {
    if (name == "February28.DAT" || name == "February29.DAT") return day <= 9 || day == 24;
    return (name == "March.DAT" && day == 9) || (name == "May.DAT" && day == 25);
}

TEST(ShippedData, MonthFilesHaveEveryDay) {
    for (const std::string& name : MonthFileNames()) {
        const auto sections = ReadSections(name);
        ASSERT_EQ(static_cast<int>(sections.size()), DaysInMonthFile(name)) << name;
        for (size_t i = 0; i < sections.size(); ++i) {
            const Section& s = sections[i];
            EXPECT_EQ(s.number, static_cast<int>(i) + 1) << name;
            int items = 0;
            for (const auto& [key, value] : s.entries) {
                if (key == "red") continue;
                if (IsReadingKey(key)) {
                    ExpectReadable(key, value, name + " " + std::to_string(s.number));
                    continue;
                }
                ASSERT_TRUE(key.size() == 1 && key[0] >= '0' && key[0] <= '4')
                    << name << " " << s.number << " " << key;
                ++items;
                EXPECT_FALSE(value.empty()) << name << " " << s.number;
                EXPECT_EQ(value.back(), '.') << name << " " << s.number << ": " << value;
                EXPECT_TRUE(ValidMarker(value)) << name << " " << s.number << ": " << value;
                if (key == "4") {
                    EXPECT_NE(value[0], '{')
                        << name << " " << s.number << ": a note carries no sign";
                }
            }
            if (FeastDatedElsewhere(name, s.number)) ++items;
            if (KeptAlmostBare(name, s.number)) {
                EXPECT_GE(items, 1) << name << " day " << s.number;
            } else {
                EXPECT_GE(items, kFewestItemsADay) << name << " day " << s.number;
            }
        }
    }
}

// A common year keeps the saints of 29 February on the 28th, after those of the 28th, group by
// group; the other days are those of the leap year.
TEST(ShippedData, CommonFebruaryFoldsTheTwentyNinth) {
    const auto common = ReadSections("February28.DAT");
    const auto leap = ReadSections("February29.DAT");
    ASSERT_EQ(common.size(), 28u);
    ASSERT_EQ(leap.size(), 29u);
    for (int day = 1; day <= 27; ++day)
        EXPECT_EQ(common[day - 1].entries, leap[day - 1].entries) << "day " << day;
    auto folded = leap[27].entries;
    folded.insert(folded.end(), leap[28].entries.begin(), leap[28].entries.end());
    std::stable_sort(folded.begin(), folded.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    EXPECT_EQ(common[27].entries, folded);
}

TEST(ShippedData, RedDaysExactly) {
    const std::set<std::pair<std::string, int>> red = {
        {"January.DAT", 1},   {"January.DAT", 6},    {"March.DAT", 25},  {"June.DAT", 24},
        {"June.DAT", 29},     {"August.DAT", 6},     {"August.DAT", 15}, {"August.DAT", 29},
        {"September.DAT", 8}, {"September.DAT", 14}, {"October.DAT", 1}, {"November.DAT", 21},
        {"December.DAT", 25}};
    for (const std::string& name : MonthFileNames()) {
        for (const Section& s : ReadSections(name)) {
            bool isRed = false;
            for (const auto& [key, value] : s.entries) {
                if (key != "red") continue;
                EXPECT_EQ(value, "1") << name << " " << s.number;
                isRed = true;
            }
            EXPECT_EQ(isRed, red.count({name, s.number}) == 1) << name << " " << s.number;
        }
    }
}

TEST(ShippedData, TablesWithoutGaps) {
    const std::pair<const char*, size_t> tables[] = {
        {"Relocatable.DAT", 1}, {"Relocatable1.DAT", 1}, {"Special.DAT", 64},
        {"Weekdays.DAT", 1},    {"Weekdays1.DAT", 1},    {"SpecWeekDays.DAT", 6}};
    for (const auto& [name, minimum] : tables) {
        const auto sections = ReadSections(name);
        EXPECT_GE(sections.size(), minimum) << name;
        if (std::string(name) == "Special.DAT") {
            EXPECT_EQ(sections.size(), 64u);
        }
        for (size_t i = 0; i < sections.size(); ++i) {
            EXPECT_EQ(sections[i].number, static_cast<int>(i) + 1) << name;
            ASSERT_FALSE(sections[i].entries.empty()) << name << " " << i + 1;
            EXPECT_EQ(sections[i].entries.front().first, "about") << name << " row " << i + 1;
            for (const auto& [key, value] : sections[i].entries) {
                if (IsItemKey(key)) {
                    EXPECT_TRUE(ValidMarker(value)) << name << " " << i + 1 << ": " << value;
                }
            }
        }
    }
}

// Every "word." inside an item is an abbreviation that Abbr.DAT explains.
TEST(ShippedData, EveryAbbreviationExplained) {
    std::ifstream in(DataDir() / "Abbr.DAT", std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    const RtfDocument abbr = ParseRtf(bytes.str());
    std::set<std::string> explained;
    for (const RtfParagraph& p : abbr.paragraphs) {
        std::string line = p.PlainText();
        const size_t dash = line.find(" \u2013 ");
        if (dash == std::string::npos) continue;
        line = line.substr(0, dash);
        while (!line.empty() && line.front() == ' ')
            line.erase(0, 1);
        explained.insert(LowerText(line));
    }
    ASSERT_GT(explained.size(), 20u);

    std::vector<std::string> files = MonthFileNames();
    for (const char* t : {"Relocatable.DAT", "Relocatable1.DAT", "Special.DAT"})
        files.push_back(t);
    std::set<std::string> missing;
    for (const std::string& name : files) {
        for (const Section& s : ReadSections(name)) {
            for (const auto& [key, value] : s.entries) {
                if (!IsItemKey(key)) continue;
                // Words that end in a full stop, the last one excepted: it ends the item.
                std::string word;
                for (size_t i = 0; i + 1 < value.size(); ++i) {
                    const char ch = value[i];
                    if (ch == ' ' || ch == '(' || ch == ',' || ch == '{' || ch == '}' ||
                        ch == '\xAB') {
                        word.clear();
                    } else if (ch == '.') {
                        if (!word.empty() && !std::isdigit(static_cast<unsigned char>(word[0])) &&
                            !explained.count(LowerText(word + ".")))
                            missing.insert(word + ". (" + name + " " + std::to_string(s.number) +
                                           ")");
                        word.clear();
                    } else {
                        word.push_back(ch);
                    }
                }
            }
        }
    }
    for (const std::string& m : missing)
        ADD_FAILURE() << "not in Abbr.DAT: " << m;
}

}  // namespace
}  // namespace veltrin::datacheck
