#include "data/Bases.h"

#include <algorithm>
#include <limits>

#include "data/Markup.h"
#include "data/YearDates.h"
#include "reckoning/Dates.h"

namespace veltrin {

namespace fs = std::filesystem;

namespace {

enum class Dating { kFromPascha, kNearDate, kByRule };

// Reads sections "1", "2", ... until the first one that is missing or empty, in place of what the
// table held; `store` takes
// each (lower-cased key, value) of a section in file order.
template <typename Row, typename Store>
void LoadTable(IniReader& ini, const fs::path& file, std::vector<Row>& rows, Store store) {
    constexpr int kMaxRows = std::numeric_limits<int16_t>::max();
    rows.clear();
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
                  if (IsReadingKey(key)) {
                      row.Readings.emplace_back(key, value);
                      return;
                  }
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
                  if (!text) return;
                  *text += GroupItem(value, key == "4");
                  if (key != "4") row.HighestSign = HigherSign(row.HighestSign, SignOf(value));
              });
}

void LoadTitles(IniReader& ini, const fs::path& file, std::vector<TitleRow>& rows, Dating dating) {
    LoadTable(ini, file, rows,
              [dating](TitleRow& row, const std::string& key, const std::string& value) {
                  if (key == "red")
                      row.Red = !value.empty();
                  else if (key == "0")
                      row.Text = value;
                  else if (IsReadingKey(key))
                      row.Readings.emplace_back(key, value);
                  else
                      StoreDating(row.Days, row.Day, row.Month, row.Weekday, dating, key, value);
              });
}

}  // namespace

bool IsReadingKey(std::string_view key) {
    return key == "rm" || key == "rf" || key == "rl";
}

void Bases::LoadLectionary(const fs::path& file) {
    lectionary_ = Ini.AllSections(file);
}

std::string Bases::Lectionary(std::string_view section, std::string_view key) const {
    const auto found = lectionary_.find(section);
    if (found == lectionary_.end()) return {};
    std::string k, value;
    for (const std::string& line : found->second) {
        SplitEntry(line, k, value);
        if (LowerAscii(k) == key) return value;
    }
    return {};
}

// A load changes the tables: the dates of the years asked about so far go.
void Bases::LoadRelocatable(const fs::path& file) {
    years_.clear();
    LoadMovable(Ini, file, Reloc, Dating::kFromPascha);
}
void Bases::LoadRelocatable1(const fs::path& file) {
    years_.clear();
    LoadMovable(Ini, file, Reloc1, Dating::kNearDate);
}
void Bases::LoadSpecial(const fs::path& file) {
    years_.clear();
    LoadMovable(Ini, file, Special, Dating::kByRule);
}
void Bases::LoadWeekdays(const fs::path& file) {
    years_.clear();
    LoadTitles(Ini, file, Wd, Dating::kFromPascha);
}
void Bases::LoadWeekdays1(const fs::path& file) {
    years_.clear();
    LoadTitles(Ini, file, Wd1, Dating::kNearDate);
}
void Bases::LoadSpecWeekDays(const fs::path& file) {
    years_.clear();
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
    LoadLectionary(BaseFiles[kLectionaryFile]);
}

const YearDates& Bases::DatesOf(int julianYear) const {
    // A long session visits many years; the tables are small, the kept years few.
    constexpr size_t kKeptYears = 64;
    if (const auto it = years_.find(julianYear); it != years_.end()) return it->second;
    if (years_.size() >= kKeptYears) years_.clear();
    return years_.emplace(julianYear, ResolveYearDates(*this, julianYear)).first->second;
}

std::vector<DatedRow> Bases::RowsBetween(int32_t first, int32_t last) const {
    std::vector<DatedRow> rows;
    if (last < first) return rows;
    const int firstYear = JulianDateOf(first).year;
    const int lastYear = JulianDateOf(last).year;
    for (int year = firstYear - 1; year <= lastYear + 1; ++year) {
        const YearDates& dates = DatesOf(year);
        for (int t = 0; t < kMovableTableCount; ++t) {
            const auto table = static_cast<MovableTable>(t);
            const std::vector<int32_t>& d = dates.dates[t];
            for (size_t i = 0; i < d.size(); ++i) {
                const int32_t date = d[i];
                if (date == 0 || date < first || date > last) continue;
                // The dating of a year answers for the days of that year, and for a date-anchored
                // row for the days of the years next to it as well.
                const int distance = JulianDateOf(date).year - year;
                if (DatedFromPascha(table) ? distance != 0 : distance < -1 || distance > 1) continue;
                rows.push_back({date, table, static_cast<int>(i)});
            }
        }
    }
    std::sort(rows.begin(), rows.end(), [](const DatedRow& a, const DatedRow& b) {
        if (a.table != b.table) return a.table < b.table;
        if (a.row != b.row) return a.row < b.row;
        return a.date < b.date;
    });
    rows.erase(std::unique(rows.begin(), rows.end(),
                           [](const DatedRow& a, const DatedRow& b) {
                               return a.table == b.table && a.row == b.row && a.date == b.date;
                           }),
               rows.end());
    return rows;
}

const MovableRow& Bases::Movable(const DatedRow& r) const {
    return r.table == kRelocTable ? Reloc[r.row] : r.table == kReloc1Table ? Reloc1[r.row] : Special[r.row];
}

const TitleRow& Bases::Title(const DatedRow& r) const {
    return r.table == kWdTable ? Wd[r.row] : r.table == kWd1Table ? Wd1[r.row] : SpecWd[r.row];
}

bool Bases::IsRed(const DatedRow& r) const {
    return r.table <= kSpecialTable ? Movable(r).Red : Title(r).Red;
}

}  // namespace veltrin
