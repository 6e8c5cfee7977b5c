#pragma once
// The reader of the calendar's initialisation files: sections opened by "[name]" lines, entries
// "key=value" in file order, a key repeated as often as it stands. Files are Windows-1251 on disk
// and UTF-8 here. A file that is missing or cannot be read is the same as an empty one.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace veltrin {

class IniReader {
  public:
    // Every entry of the section, each followed by one NUL; empty for a missing section.
    // Section names match whatever their letter case. The whole section is returned.
    std::string ReadIniSection(std::string_view section, const std::filesystem::path& file);

    // The value of the first entry `key` of the section (letter case ignored, blanks trimmed).
    std::string ReadIniString(std::string_view section, std::string_view key,
                              const std::filesystem::path& file);

    // Every section of the file by its lower-cased name, with its entries.
    using Sections = std::map<std::string, std::vector<std::string>, std::less<>>;
    const Sections& AllSections(const std::filesystem::path& file);

    // The entries of a section as separate lines, for callers that walk them.
    const std::vector<std::string>& SectionLines(std::string_view section,
                                                 const std::filesystem::path& file);

    // The largest file read; a larger one is taken as unreadable.
    static constexpr uintmax_t kLargestFile = uintmax_t{256} << 20;

  private:
    struct ParsedFile {
        std::filesystem::file_time_type modified;
        uintmax_t size = 0;
        // Lower-cased section name -> its entries (the first section of a name wins).
        Sections sections;
    };
    const ParsedFile& Parse(const std::filesystem::path& file);
    static ParsedFile ParseBytes(const std::string& bytes, std::filesystem::file_time_type modified,
                                 uintmax_t size);

    // Files are parsed once and read again only when they change on disk.
    std::map<std::filesystem::path, ParsedFile> files_;
    static const std::vector<std::string> kNoLines;
};

// Takes the first NUL-terminated entry off the front of `buffer`; both become empty at the end.
void NextEntry(std::string& buffer, std::string& entry);

// Key and value around the first "=", blanks trimmed; both empty when there is no "=".
void SplitEntry(std::string_view entry, std::string& key, std::string& value);

// The numeric value of a data field: the longest leading decimal number, rounded half to even
// and held in 16 bits (values beyond are held at the nearest bound); 0 when there is none.
int16_t ReadNumber(std::string_view value);

std::string TrimBlanks(std::string_view text);
std::string LowerAscii(std::string_view text);

}  // namespace veltrin
