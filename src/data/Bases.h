#pragma once
// The calendar data bases: the six movable tables loaded at start-up, the reader of the month
// files, and the red days of the month shown.

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "data/BaseFiles.h"
#include "data/IniReader.h"

namespace veltrin {

// A row of Relocatable.DAT, Relocatable1.DAT or Special.DAT. The texts are RTF fragments ready
// for a report; Date and DatePrev are day numbers in the year shown and the year before (0: the
// row does not occur).
struct MovableRow {
    bool Red = false;
    int16_t Days = 0;                         // Relocatable.DAT: distance from Pascha
    int16_t Day = 0, Month = 0, Weekday = 0;  // Relocatable1.DAT: weekday near a Julian date
    std::string Text0, Text11, Text19, Text21, Text29, Text31, Text39, Text4;
    int32_t Date = 0;
    int32_t DatePrev = 0;
};

// A row of Weekdays.DAT, Weekdays1.DAT or SpecWeekDays.DAT: a day title.
struct TitleRow {
    bool Red = false;
    int16_t Days = 0;
    int16_t Day = 0, Month = 0, Weekday = 0;
    std::string Text;
    int32_t Date = 0;
    int32_t DatePrev = 0;
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

    std::vector<bool> RedDays;  // the days of the month shown; element k - 1 is day k

    int16_t RelocCount() const { return static_cast<int16_t>(Reloc.size()); }
    int16_t Reloc1Count() const { return static_cast<int16_t>(Reloc1.size()); }
    int16_t SpecialCount() const { return static_cast<int16_t>(Special.size()); }
    int16_t WdCount() const { return static_cast<int16_t>(Wd.size()); }
    int16_t Wd1Count() const { return static_cast<int16_t>(Wd1.size()); }
    int16_t SpecWdCount() const { return static_cast<int16_t>(SpecWd.size()); }

    void LoadRelocatable(const std::filesystem::path& file);
    void LoadRelocatable1(const std::filesystem::path& file);
    void LoadSpecial(const std::filesystem::path& file);
    void LoadWeekdays(const std::filesystem::path& file);
    void LoadWeekdays1(const std::filesystem::path& file);
    void LoadSpecWeekDays(const std::filesystem::path& file);

    // Fills BaseFiles from the directory and loads the six tables in the start-up order.
    void LoadAll(const std::filesystem::path& dataDirectory);
};

}  // namespace veltrin
