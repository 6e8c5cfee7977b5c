#include "data/Bases.h"

#include <limits>

#include "data/Markup.h"

namespace veltrin {

namespace fs = std::filesystem;

namespace {

enum class Dating { kFromPascha, kNearDate, kByRule };

// Reads sections "1", "2", ... until the first one that is missing or empty; `store` takes
// each (lower-cased key, value) of a section in file order.
template <typename Row, typename Store>
void LoadTable(IniReader& ini, const fs::path& file, std::vector<Row>& rows, Store store) {
    constexpr int kMaxRows = std::numeric_limits<int16_t>::max();
    std::string key, value;
    for (int i = 1; i <= kMaxRows; ++i) {
        const auto& lines = ini.SectionLines(std::to_string(i), file);
        if (lines.empty()) return;
        Row& row = rows.emplace_back();
        for (const std::string& line : lines) {
            SplitEntry(line, key, value);
            if (!key.empty()) store(row, LowerAscii(key), value);
        }
    }
}

bool StoreDating(int16_t& days, int16_t& day, int16_t& month, int16_t& weekday, Dating dating,
                 const std::string& key, const std::string& value) {
    if (dating == Dating::kFromPascha && key == "days") {
        days = ReadNumber(value);
        return true;
    }
    if (dating != Dating::kNearDate) return false;
    if (key == "day")
        day = ReadNumber(value);
    else if (key == "month")
        month = ReadNumber(value);
    else if (key == "weekday")
        weekday = ReadNumber(value);
    else
        return false;
    return true;
}

void LoadMovable(IniReader& ini, const fs::path& file, std::vector<MovableRow>& rows,
                 Dating dating) {
    LoadTable(ini, file, rows,
              [dating](MovableRow& row, const std::string& key, const std::string& value) {
                  if (key == "red") {
                      row.Red = !value.empty();
                      return;
                  }
                  if (StoreDating(row.Days, row.Day, row.Month, row.Weekday, dating, key, value))
                      return;
                  std::string* text = nullptr;
                  if (key == "0")
                      text = &row.Text0;
                  else if (key == "11")
                      text = &row.Text11;
                  else if (key == "19")
                      text = &row.Text19;
                  else if (key == "21")
                      text = &row.Text21;
                  else if (key == "29")
                      text = &row.Text29;
                  else if (key == "31")
                      text = &row.Text31;
                  else if (key == "39")
                      text = &row.Text39;
                  else if (key == "4")
                      text = &row.Text4;
                  if (text) *text += GroupItem(value, key == "4");
              });
}

void LoadTitles(IniReader& ini, const fs::path& file, std::vector<TitleRow>& rows, Dating dating) {
    LoadTable(ini, file, rows,
              [dating](TitleRow& row, const std::string& key, const std::string& value) {
                  if (key == "red")
                      row.Red = !value.empty();
                  else if (key == "0")
                      row.Text = value;
                  else
                      StoreDating(row.Days, row.Day, row.Month, row.Weekday, dating, key, value);
              });
}

}  // namespace

void Bases::LoadRelocatable(const fs::path& file) {
    LoadMovable(Ini, file, Reloc, Dating::kFromPascha);
}
void Bases::LoadRelocatable1(const fs::path& file) {
    LoadMovable(Ini, file, Reloc1, Dating::kNearDate);
}
void Bases::LoadSpecial(const fs::path& file) {
    LoadMovable(Ini, file, Special, Dating::kByRule);
}
void Bases::LoadWeekdays(const fs::path& file) {
    LoadTitles(Ini, file, Wd, Dating::kFromPascha);
}
void Bases::LoadWeekdays1(const fs::path& file) {
    LoadTitles(Ini, file, Wd1, Dating::kNearDate);
}
void Bases::LoadSpecWeekDays(const fs::path& file) {
    LoadTitles(Ini, file, SpecWd, Dating::kByRule);
}

void Bases::LoadAll(const fs::path& dataDirectory) {
    BaseFiles = MakeBaseFiles(dataDirectory);
    LoadRelocatable(BaseFiles[kRelocatableFile]);
    LoadRelocatable1(BaseFiles[kRelocatable1File]);
    LoadWeekdays(BaseFiles[kWeekdaysFile]);
    LoadWeekdays1(BaseFiles[kWeekdays1File]);
    LoadSpecWeekDays(BaseFiles[kSpecWeekDaysFile]);
    LoadSpecial(BaseFiles[kSpecialFile]);
}

}  // namespace veltrin
