#include "data/BaseFiles.h"

#include <system_error>

#include "data/IniReader.h"

namespace veltrin {

namespace fs = std::filesystem;

namespace {
constexpr std::array<const char*, 23> kNames = {"January.DAT",
                                                "February29.DAT",
                                                "March.DAT",
                                                "April.DAT",
                                                "May.DAT",
                                                "June.DAT",
                                                "July.DAT",
                                                "August.DAT",
                                                "September.DAT",
                                                "October.DAT",
                                                "November.DAT",
                                                "December.DAT",
                                                "February28.DAT",
                                                "Relocatable.DAT",
                                                "Relocatable1.DAT",
                                                "Special.DAT",
                                                "Weekdays.DAT",
                                                "Weekdays1.DAT",
                                                "",
                                                "",
                                                "SpecWeekDays.DAT",
                                                "Abbr.DAT",
                                                "Lectionary.DAT"};

fs::path FindIgnoringCase(const fs::path& directory, const std::string& name) {
    const fs::path exact = directory / name;
    std::error_code ec;
    if (fs::exists(exact, ec)) return exact;
    const std::string wanted = LowerAscii(name);
    for (fs::directory_iterator it(directory, ec), end; !ec && it != end; it.increment(ec))
        if (LowerAscii(it->path().filename().string()) == wanted) return it->path();
    return exact;
}
}  // namespace

BaseFileTable MakeBaseFiles(const fs::path& directory) {
    BaseFileTable files;
    for (size_t i = 0; i < kNames.size(); ++i)
        if (*kNames[i]) files[i] = FindIgnoringCase(directory, kNames[i]);
    return files;
}

fs::path DefaultDataDirectory() {
    std::error_code ec;
    const fs::path self = fs::read_symlink("/proc/self/exe", ec);
    const fs::path dir = ec ? fs::current_path(ec) : self.parent_path();
    return dir / "Calendar";
}

const fs::path& MonthFile(const BaseFileTable& files, int julianMonth, int yearDays) {
    if (julianMonth == 2) return files[yearDays == 366 ? kFebruary29File : kFebruary28File];
    return files[julianMonth - 1];
}

}  // namespace veltrin
