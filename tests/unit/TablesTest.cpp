#include <gtest/gtest.h>

#include "data/Bases.h"
#include "unit/TempDataDir.h"

namespace veltrin {
namespace {

using test::TempDataDir;

TEST(Tables, LoadingLoop) {
    TempDataDir dir;
    dir.Write("Relocatable.DAT",
              "[1]\nabout=one\n  ReD  = \nRED=0\ndays=-7\n0=Первое.\n0={1}Второе.\n0=Третье.\n"
              "11=До.\n19=После.\n4=Заметка.\nday=5\n"
              "[2]\ndays=49\nred=\n[4]\ndays=1\n");
    Bases b;
    b.LoadRelocatable(dir / "Relocatable.DAT");
    ASSERT_EQ(static_cast<int>(b.Reloc.size()), 2);  // section 4 lies behind the gap
    const MovableRow& r = b.Reloc[0];
    EXPECT_TRUE(r.Red);  // "0" is a value like any other: the flag is set
    EXPECT_EQ(r.Days, -7);
    EXPECT_EQ(r.Day, 0);  // "day" belongs to another file
    EXPECT_EQ(r.Text0,
              "\\f1  · \\f0  Первое.\\par\r\n\\f1 (+)\\f0  Второе.\\par\r\n\\f1  · \\f0  "
              "Третье.\\par\r\n");
    EXPECT_EQ(r.Text11, "\\f1  · \\f0  До.\\par\r\n");
    EXPECT_EQ(r.Text19, "\\f1  · \\f0  После.\\par\r\n");
    EXPECT_EQ(r.Text4, "\\f1    \\f0  Заметка.\\par\r\n");
    EXPECT_FALSE(b.Reloc[1].Red);  // an empty value clears the flag
}

TEST(Tables, TitleFiles) {
    TempDataDir dir;
    dir.Write("Weekdays1.DAT",
              "[1]\nday=12\nmonth=7\nweekday=-3\ndays=4\n0=первый\n0=, второй.\nred=1\n");
    dir.Write("SpecWeekDays.DAT", "[1]\nabout=x\n[2]\nabout=y\n");
    Bases b;
    b.LoadWeekdays1(dir / "Weekdays1.DAT");
    b.LoadSpecWeekDays(dir / "SpecWeekDays.DAT");
    b.LoadWeekdays(dir / "missing.DAT");
    ASSERT_EQ(static_cast<int>(b.Wd1.size()), 1);
    EXPECT_EQ(b.Wd1[0].Text, ", второй.");  // the last title wins
    EXPECT_EQ(b.Wd1[0].Day, 12);
    EXPECT_EQ(b.Wd1[0].Month, 7);
    EXPECT_EQ(b.Wd1[0].Weekday, -3);
    EXPECT_EQ(b.Wd1[0].Days, 0);
    EXPECT_TRUE(b.Wd1[0].Red);
    EXPECT_EQ(static_cast<int>(b.SpecWd.size()), 2);  // rows without text still count
    EXPECT_EQ(static_cast<int>(b.Wd.size()), 0);
}

// Whatever the files hold, loading ends with tables, never a crash.
TEST(Tables, BrokenFiles) {
    TempDataDir dir;
    dir.WriteBytes("Relocatable.DAT", test::RandomBytes(200000, 1));
    dir.WriteBytes("Special.DAT", "");
    dir.WriteBytes("Weekdays.DAT", "[1]\n" + test::RandomBytes(5000, 2));
    std::filesystem::create_directory(dir / "Relocatable1.DAT");
    std::string many;
    for (int i = 1; i <= 30000; ++i)
        many += "[" + std::to_string(i) + "]\n0=x\n";
    dir.WriteBytes("SpecWeekDays.DAT", many);
    Bases b;
    b.LoadAll(dir.path());
    EXPECT_EQ(static_cast<int>(b.Reloc1.size()), 0);
    EXPECT_EQ(static_cast<int>(b.Special.size()), 0);
    EXPECT_EQ(static_cast<int>(b.Wd.size()), 1);
    EXPECT_EQ(static_cast<int>(b.SpecWd.size()), 30000);

    Bases none;
    none.LoadAll(dir / "no such directory");
    EXPECT_TRUE(none.Reloc.empty() && none.Reloc1.empty() && none.Special.empty() &&
                none.Wd.empty() && none.Wd1.empty() && none.SpecWd.empty());
}

}  // namespace
}  // namespace veltrin
