// veltrin-datafile encode SOURCE TARGET       UTF-8 source -> Windows-1251 data file
// veltrin-datafile abbr TARGET TSV...         abbreviation lists -> the RTF document Abbr.DAT
//
// Fails, naming the file and line, on a character Windows-1251 cannot hold.

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "data/Cp1251.h"
#include "data/Markup.h"
#include "reports/ReportFormat.h"

namespace {

bool ReadText(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    text = s.str();
    return true;
}

// Encodes line by line so that an error names its line.
bool Encode(const std::string& path, const std::string& text, std::string& out) {
    std::istringstream lines(text);
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto bytes = veltrin::EncodeCp1251(line);
        if (!bytes) {
            std::cerr << path << ":" << number
                      << ": a character that Windows-1251 cannot hold: " << line << "\n";
            return false;
        }
        out += *bytes;
        out += "\r\n";
    }
    return true;
}

bool WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

int EncodeFile(const std::string& source, const std::string& target) {
    std::string text, bytes;
    if (!ReadText(source, text)) {
        std::cerr << source << ": cannot be read\n";
        return 1;
    }
    if (!Encode(source, text, bytes)) return 1;
    return WriteFile(target, bytes) ? 0 : 1;
}

// Sorting key: lower case, with ё taken as е as a dictionary does.
std::string SortKey(const std::string& word) {
    std::string key = veltrin::LowerText(word);
    for (size_t pos; (pos = key.find("ё")) != std::string::npos;)
        key.replace(pos, 2, "е");
    return key;
}

int MakeAbbreviations(const std::string& target, const std::vector<std::string>& lists) {
    std::map<std::string, std::pair<std::string, std::string>> entries;  // key -> abbr, meaning
    for (const std::string& list : lists) {
        std::string text;
        if (!ReadText(list, text)) {
            std::cerr << list << ": cannot be read\n";
            return 1;
        }
        std::istringstream lines(text);
        std::string line;
        for (int number = 1; std::getline(lines, line); ++number) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.empty() || line[0] == '#') continue;
            const size_t tab = line.find('\t');
            if (tab == std::string::npos) {
                std::cerr << list << ":" << number << ": expected abbreviation<TAB>meaning\n";
                return 1;
            }
            const std::string abbr = line.substr(0, tab);
            entries[SortKey(abbr) + "\t" + abbr] = {abbr, line.substr(tab + 1)};
        }
    }
    using veltrin::BlankMark, veltrin::ParagraphEnd;
    const std::string blank(BlankMark), par(ParagraphEnd);
    std::string rtf = veltrin::ReportHeader("Arial", 10) + std::string(veltrin::Navy) + par;
    rtf += blank + std::string(veltrin::Red) + "Знаки служб" + std::string(veltrin::Navy) + par + par;
    const std::pair<veltrin::Sign, const char*> signs[] = {
        {veltrin::kGreatFeastSign,
         "великий праздник: двунадесятый или великий, со всенощным бдением"},
        {veltrin::kVigilSign, "средний праздник со всенощным бдением"},
        {veltrin::kPolyeleosSign, "средний праздник с полиелеем"},
        {veltrin::kGreatDoxologySign, "малый праздник с великим славословием"},
        {veltrin::kSixStichSign,
         "малый праздник с шестеричной службой (шесть стихир на «Господи, воззвах»)"},
        {veltrin::kNoSign, "память без особого знака"},
    };
    for (const auto& [sign, meaning] : signs)
        rtf += std::string(veltrin::SignFragment(sign)) + meaning + par;
    rtf += par + blank + std::string(veltrin::Red) + "Сокращения" + std::string(veltrin::Navy) +
           par + par;
    for (const auto& [key, entry] : entries)
        rtf += blank + veltrin::EscapeRtfText(entry.first) + " \\endash  " +
               veltrin::EscapeRtfText(entry.second) + par;
    rtf += std::string(veltrin::Trailer);

    std::string bytes;
    if (!Encode(target, rtf, bytes)) return 1;
    return WriteFile(target, bytes) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 3 && args[0] == "encode") return EncodeFile(args[1], args[2]);
    if (args.size() >= 2 && args[0] == "abbr")
        return MakeAbbreviations(args[1], std::vector<std::string>(args.begin() + 2, args.end()));
    std::cerr << "usage: veltrin-datafile encode SOURCE TARGET | abbr TARGET TSV...\n";
    return 2;
}
