#pragma once
// The calendar data bases: the six movable tables loaded at start-up and the reader of the month
// files. Which movable rows fall on a day is a question for any day: the tables say how a row is
// dated, YearDates dates them for a Julian year, and the dates of every year asked about are kept.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "data/BaseFiles.h"
#include "data/IniReader.h"
#include "data/Markup.h"

namespace veltrin {

// The readings keys of a day or a row, in file order: "rm" (a feast's Gospel of Matins), "rf" (the
// Liturgy readings of a feast, read instead of the day's ordinary ones) and "rl" (a commemoration's
// readings with their label, read with the ordinary ones).
using ReadingKeys = std::vector<std::pair<std::string, std::string>>;
bool IsReadingKey(std::string_view lowerKey);

// A row of Relocatable.DAT, Relocatable1.DAT or Special.DAT. The texts are RTF fragments ready
// for a report.
struct MovableRow {
    bool Red = false;
    int16_t Days = 0;                         // Relocatable.DAT: distance from Pascha
    int16_t Day = 0, Month = 0, Weekday = 0;  // Relocatable1.DAT: weekday near a Julian date
    std::string Text0, Text11, Text19, Text21, Text29, Text31, Text39, Text4;
    Sign HighestSign = kNoSign;  // the highest Typikon sign among its items
    ReadingKeys Readings;
};

// A row of Weekdays.DAT, Weekdays1.DAT or SpecWeekDays.DAT: a day title.
struct TitleRow {
    bool Red = false;
    int16_t Days = 0;
    int16_t Day = 0, Month = 0, Weekday = 0;
    std::string Text;
    ReadingKeys Readings;
};

// The six tables, in the order the day's texts are gathered from them.
enum MovableTable : uint8_t {
    kRelocTable,
    kReloc1Table,
    kSpecialTable,
    kWdTable,
    kWd1Table,
    kSpecWdTable,
};
inline constexpr int kMovableTableCount = 6;
// Relocatable.DAT and Weekdays.DAT are dated from Pascha, the others from a date of the year.
constexpr bool DatedFromPascha(MovableTable table) {
    return table == kRelocTable || table == kWdTable;
}

// A row of a table on one of its days.
struct DatedRow {
    int32_t date = 0;
    MovableTable table = kRelocTable;
    int row = 0;  // 0-based
};

// The day numbers of every row of the tables in one Julian year; 0 where a row does not occur.
struct YearDates {
    std::vector<int32_t> dates[kMovableTableCount];
};

// The tables are numbered from 1 as the files are: row i is element i - 1.
struct Bases {
    BaseFileTable BaseFiles;
    IniReader Ini;

    std::vector<MovableRow> Reloc;    // Relocatable.DAT
    std::vector<MovableRow> Reloc1;   // Relocatable1.DAT
    std::vector<MovableRow> Special;  // Special.DAT
    std::vector<TitleRow> Wd;         // Weekdays.DAT
    std::vector<TitleRow> Wd1;        // Weekdays1.DAT
    std::vector<TitleRow> SpecWd;     // SpecWeekDays.DAT

    void LoadRelocatable(const std::filesystem::path& file);
    void LoadRelocatable1(const std::filesystem::path& file);
    void LoadSpecial(const std::filesystem::path& file);
    void LoadWeekdays(const std::filesystem::path& file);
    void LoadWeekdays1(const std::filesystem::path& file);
    void LoadSpecWeekDays(const std::filesystem::path& file);

    // Fills BaseFiles from the directory and loads the six tables in the start-up order.
    void LoadAll(const std::filesystem::path& dataDirectory);

    // The rows of the tables that fall on the days first..last, ordered by table, row and date.
    // A row dated from Pascha falls on a day when the Pascha of the day's Julian year puts it
    // there; any other row when the dating of that year, the year before or the year after does.
    std::vector<DatedRow> RowsBetween(int32_t first, int32_t last) const;
    std::vector<DatedRow> RowsOn(int32_t day) const { return RowsBetween(day, day); }

    // A value of the lectionary (Lectionary.DAT, read with the tables); empty when it has none.
    std::string Lectionary(std::string_view section, std::string_view key) const;
    void LoadLectionary(const std::filesystem::path& file);

    const MovableRow& Movable(const DatedRow& r) const;
    const TitleRow& Title(const DatedRow& r) const;
    bool IsRed(const DatedRow& r) const;

  private:
    const YearDates& DatesOf(int julianYear) const;
    mutable std::map<int, YearDates> years_;
    IniReader::Sections lectionary_;
};

}  // namespace veltrin
