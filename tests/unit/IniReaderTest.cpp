#include <gtest/gtest.h>

#include <fstream>

#include "data/BaseFiles.h"
#include "data/Cp1251.h"
#include "data/IniReader.h"
#include "data/Markup.h"
#include "unit/TempDataDir.h"

namespace veltrin {
namespace {

using test::TempDataDir;

std::vector<std::string> Entries(std::string buffer) {
    std::vector<std::string> entries;
    std::string entry;
    for (NextEntry(buffer, entry); !entry.empty(); NextEntry(buffer, entry))
        entries.push_back(entry);
    return entries;
}

TEST(IniReader, SectionsAndEntries) {
    TempDataDir dir;
    dir.WriteBytes("a.ini",
                   "[1]\r\n0=first\r\n\r\n0=second\r\n  0 = third  \r\n[Other]\nRed=1\nkey = a=b\n"
                   "no equals sign\n[1]\n0=never read\n");
    IniReader ini;
    EXPECT_EQ(Entries(ini.ReadIniSection("1", dir / "a.ini")),
              (std::vector<std::string>{"0=first", "0=second", "0 = third"}));
    EXPECT_EQ(ini.ReadIniString("OTHER", "red", dir / "a.ini"), "1");
    EXPECT_EQ(ini.ReadIniString("other", "KEY", dir / "a.ini"), "a=b");
    EXPECT_EQ(ini.ReadIniString("other", "missing", dir / "a.ini"), "");
    EXPECT_EQ(ini.ReadIniSection("2", dir / "a.ini"), "");
    EXPECT_EQ(ini.ReadIniSection("1", dir / "missing.ini"), "");
    EXPECT_EQ(ini.ReadIniSection("1", dir.path()), "");  // a directory reads as nothing

    std::string key, value;
    SplitEntry("  red  =  x = y ", key, value);
    EXPECT_EQ(key, "red");
    EXPECT_EQ(value, "x = y");
    SplitEntry("no equals", key, value);
    EXPECT_TRUE(key.empty() && value.empty());
}

TEST(IniReader, DecodesWindows1251AndSeesChanges) {
    TempDataDir dir;
    dir.Write("m.ini", "[5]\n1=Свт. Николая, «чудотворца» — №1.\n");
    IniReader ini;
    EXPECT_EQ(ini.ReadIniString("5", "1", dir / "m.ini"), "Свт. Николая, «чудотворца» — №1.");
    dir.Write("m.ini", "[5]\n1=Прп. Сергия, игумена Радонежского, всея России чудотворца.\n");
    EXPECT_EQ(ini.ReadIniString("5", "1", dir / "m.ini"),
              "Прп. Сергия, игумена Радонежского, всея России чудотворца.");
}

// A long day keeps every one of its commemorations, however long its section.
TEST(IniReader, ReadsWholeLongSections) {
    TempDataDir dir;
    std::string text = "[1]\n";
    for (int i = 0; i < 200; ++i)
        text += "1=Мученика номер " + std::to_string(i) + " и иже с ним.\n";
    dir.Write("long.ini", text);
    IniReader ini;
    const auto entries = Entries(ini.ReadIniSection("1", dir / "long.ini"));
    ASSERT_EQ(entries.size(), 200u);
    EXPECT_EQ(entries.back(), "1=Мученика номер 199 и иже с ним.");
}

TEST(IniReader, Numbers) {
    EXPECT_EQ(ReadNumber("12abc"), 12);
    EXPECT_EQ(ReadNumber("2.5"), 2);  // halves go to the even neighbour
    EXPECT_EQ(ReadNumber("3.5"), 4);
    EXPECT_EQ(ReadNumber("-0.6"), -1);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber("99999999999999999999"), 32767);
    EXPECT_EQ(ReadNumber("-40000"), -32768);
    // Beyond what a double holds: still at the bound, never 0 (which is Pascha for "days").
    EXPECT_EQ(ReadNumber(std::string(400, '9')), 32767);
    EXPECT_EQ(ReadNumber("-" + std::string(309, '1') + "x"), -32768);
}

// A file too large to hold is read as an unreadable one: no sections, no crash.
TEST(IniReader, FileTooLargeToRead) {
    test::TempDataDir dir;
    {
        std::ofstream huge(dir / "Relocatable.DAT", std::ios::binary);
        huge << "[1]\ndays=1\n";
        huge.seekp(static_cast<std::streamoff>(IniReader::kLargestFile) + 1);  // sparse
        huge << "\n";
    }
    IniReader ini;
    EXPECT_TRUE(ini.SectionLines("1", dir / "Relocatable.DAT").empty());
}

TEST(Markup, Signs) {
    EXPECT_EQ(HigherSign(kSixStichSign, kPolyeleosSign), kPolyeleosSign);
    EXPECT_EQ(HigherSign(kNoSign, kSixStichSign), kSixStichSign);
    EXPECT_EQ(MarkupItem("{1}   Слово."), "\\f1 (+)\\f0  Слово.");
    EXPECT_EQ(MarkupItem("{3}\tx"), "\\f1  + \\f0  \tx");  // only blanks are removed
    EXPECT_EQ(MarkupItem("Без знака."), "\\f1  · \\f0  Без знака.");
    EXPECT_EQ(MarkupItem("{4}Четыре."), "\\f1  · \\f0  {4}Четыре.");
    EXPECT_EQ(GroupItem("Заметка.", true), "\\f1    \\f0  Заметка.\\par\r\n");
}

TEST(Cp1251, RoundTripAndEscapes) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(*EncodeCp1251(DecodeCp1251(all)), all);
    EXPECT_FALSE(EncodeCp1251("Ἰησοῦς").has_value());
    EXPECT_EQ(EncodeRtfCp1251("a\xE2\x98\xA6z"), "a\\u9766?z");             // ☦
    EXPECT_EQ(EncodeRtfCp1251("\xF0\x9F\x95\x8A"), "\\u-10179?\\u-8886?");  // a dove, as a pair
    EXPECT_EQ(LowerText("ЁЛКА Tree"), "ёлка tree");
}

TEST(BaseFiles, FindsNamesInAnotherLetterCase) {
    TempDataDir dir;
    dir.Write("JANUARY.DAT", "[1]\n1=x.\n");
    dir.Write("Special.DAT", "[1]\n0=y.\n");
    const BaseFileTable files = MakeBaseFiles(dir.path());
    EXPECT_EQ(files[0].filename(), "JANUARY.DAT");
    EXPECT_EQ(files[kSpecialFile].filename(), "Special.DAT");
    EXPECT_EQ(files[kAbbrFile].filename(), "Abbr.DAT");  // missing: the exact name
    EXPECT_TRUE(files[18].empty());
    EXPECT_EQ(MonthFile(files, 2, 366), files[kFebruary29File]);
    EXPECT_EQ(MonthFile(files, 2, 365), files[kFebruary28File]);
    EXPECT_EQ(MonthFile(files, 12, 365), files[11]);
}

}  // namespace
}  // namespace veltrin
