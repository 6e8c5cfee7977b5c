#pragma once
// The data set as the build installs it, and the ways the checks read it.

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/BaseFiles.h"
#include "data/Cp1251.h"
#include "data/IniReader.h"

namespace veltrin::datacheck {

inline std::filesystem::path DataDir() {
    return VELTRIN_DATA_DIR;
}
inline std::filesystem::path CheckDir() {
    return VELTRIN_CHECK_DIR;
}

struct Section {
    int number = 0;
    std::vector<std::pair<std::string, std::string>> entries;  // lower-cased key, value
};

// Every section of a data file in file order, decoded, with the names that are not numbers as 0.
inline std::vector<Section> ReadSections(const std::string& fileName) {
    std::ifstream in(DataDir() / fileName, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::istringstream lines(DecodeCp1251(bytes.str()));
    std::vector<Section> sections;
    std::string line, key, value;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line.front() == '[') {
            sections.push_back({std::atoi(line.c_str() + 1), {}});
            continue;
        }
        SplitEntry(line, key, value);
        if (!sections.empty()) sections.back().entries.emplace_back(LowerAscii(key), value);
    }
    return sections;
}

inline const std::vector<std::string>& MonthFileNames() {
    static const std::vector<std::string> names = {
        "January.DAT", "February28.DAT", "February29.DAT", "March.DAT",  "April.DAT",
        "May.DAT",     "June.DAT",       "July.DAT",       "August.DAT", "September.DAT",
        "October.DAT", "November.DAT",   "December.DAT"};
    return names;
}

inline int DaysInMonthFile(const std::string& name) {
    if (name == "February28.DAT") return 28;
    if (name == "February29.DAT") return 29;
    static const std::map<std::string, int> days = {
        {"January.DAT", 31}, {"March.DAT", 31},    {"April.DAT", 30},   {"May.DAT", 31},
        {"June.DAT", 30},    {"July.DAT", 31},     {"August.DAT", 31},  {"September.DAT", 30},
        {"October.DAT", 31}, {"November.DAT", 30}, {"December.DAT", 31}};
    return days.at(name);
}

// The text keys of the table files that hold commemorations.
inline bool IsItemKey(const std::string& key) {
    static const char* const keys[] = {"0", "1", "2", "3", "4", "11", "19", "21", "29", "31", "39"};
    for (const char* k : keys)
        if (key == k) return true;
    return false;
}

}  // namespace veltrin::datacheck
