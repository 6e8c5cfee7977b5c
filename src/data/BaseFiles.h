#pragma once
// The data files in the "Calendar" directory beside the program.

#include <array>
#include <filesystem>

namespace veltrin {

enum BaseFileIndex {
    kFebruary29File = 1,
    kFebruary28File = 12,
    kRelocatableFile = 13,
    kRelocatable1File = 14,
    kSpecialFile = 15,
    kWeekdaysFile = 16,
    kWeekdays1File = 17,
    kSpecWeekDaysFile = 20,
    kAbbrFile = 21,
    kLectionaryFile = 22,
};

using BaseFileTable = std::array<std::filesystem::path, 23>;

// The paths of the entries in `directory`. A file of the exact name that is missing is looked
// for under the same name in another letter case.
BaseFileTable MakeBaseFiles(const std::filesystem::path& directory);

// The directory "Calendar" beside the running program.
std::filesystem::path DefaultDataDirectory();

// The month file of a Julian month; February by the length of its year.
const std::filesystem::path& MonthFile(const BaseFileTable& files, int julianMonth, int yearDays);

}  // namespace veltrin
