// The Typikon's service signs, each on its day: the facts are kept beside this file, one list per
// part of the year.

#include <gtest/gtest.h>

#include "datacheck/ShippedData.h"

namespace veltrin::datacheck {
namespace {

struct Fact {
    std::string where, marker, name, list;
};

std::vector<Fact> Facts() {
    std::vector<Fact> facts;
    for (const auto& entry : std::filesystem::directory_iterator(CheckDir())) {
        if (entry.path().extension() != ".tsv") continue;
        std::ifstream in(entry.path());
        std::string line;
        while (std::getline(in, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream fields(line);
            Fact f;
            std::getline(fields, f.where, '\t');
            std::getline(fields, f.marker, '\t');
            std::getline(fields, f.name, '\t');
            f.list = entry.path().filename().string();
            facts.push_back(f);
        }
    }
    return facts;
}

bool HasMarker(const Section& s, const std::string& marker) {
    for (const auto& [key, value] : s.entries)
        if (IsItemKey(key) && value.rfind(marker, 0) == 0) return true;
    return false;
}

const Section* Find(const std::vector<Section>& sections, int number) {
    for (const Section& s : sections)
        if (s.number == number) return &s;
    return nullptr;
}

TEST(ShippedData, TypikonSignsOnTheirDays) {
    const auto facts = Facts();
    ASSERT_GT(facts.size(), 200u);
    const std::vector<std::string> months = {"January.DAT",   "",
                                             "March.DAT",     "April.DAT",
                                             "May.DAT",       "June.DAT",
                                             "July.DAT",      "August.DAT",
                                             "September.DAT", "October.DAT",
                                             "November.DAT",  "December.DAT"};
    const auto special = ReadSections("Special.DAT");
    const auto relocatable = ReadSections("Relocatable.DAT");
    for (const Fact& f : facts) {
        SCOPED_TRACE(f.list + ": " + f.where + " " + f.marker + " " + f.name);
        if (f.where.rfind("special:", 0) == 0) {
            const Section* s = Find(special, std::atoi(f.where.c_str() + 8));
            ASSERT_NE(s, nullptr);
            EXPECT_TRUE(HasMarker(*s, f.marker));
        } else if (f.where.rfind("pascha", 0) == 0) {
            const int days = std::atoi(f.where.c_str() + 6);
            bool found = false;
            for (const Section& s : relocatable) {
                int rowDays = 0;
                for (const auto& [key, value] : s.entries)
                    if (key == "days") rowDays = std::atoi(value.c_str());
                found = found || (rowDays == days && HasMarker(s, f.marker));
            }
            EXPECT_TRUE(found);
        } else {
            const int month = std::atoi(f.where.c_str());
            const int day = std::atoi(f.where.c_str() + 3);
            ASSERT_TRUE(month >= 1 && month <= 12 && day >= 1);
            const std::vector<std::string> files =
                month == 2 ? std::vector<std::string>{"February29.DAT", "February28.DAT"}
                           : std::vector<std::string>{months[month - 1]};
            for (const std::string& file : files) {
                // A common year keeps the saints of 29 February on the 28th.
                const int section = file == "February28.DAT" && day == 29 ? 28 : day;
                const auto sections = ReadSections(file);
                const Section* s = Find(sections, section);
                ASSERT_NE(s, nullptr) << file;
                EXPECT_TRUE(HasMarker(*s, f.marker)) << file;
            }
        }
    }
}

}  // namespace
}  // namespace veltrin::datacheck
