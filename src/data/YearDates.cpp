#include "data/YearDates.h"

#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"

namespace veltrin {

int32_t ShiftToWeekday(int32_t x, int k) {
    const int c = WeekdayOf(x);
    if (k > 0) return k > c ? x + (k - c) : x + 7 - (c - k);
    return -k < c ? x - (c + k) : x - (c + k) - 7;
}

namespace {

constexpr int kSunday = 7;
constexpr int kSaturday = 6;

// One year of the rules: Pascha of that year and its Julian dates.
struct RuleYear {
    int year;
    int32_t pascha;
    int32_t greatCanon = 0;  // the Thursday of the Great Canon, when SpecWeekDays.DAT dates it
    int32_t J(int day, int month) const { return ComputeDayNumber(kJulian, day, month, year); }
    int32_t G(int day, int month) const { return ComputeDayNumber(kGregorian, day, month, year); }
};

// The date fields of one table; a row beyond the table stops the rules that follow.
class Fields {
  public:
    explicit Fields(std::vector<int32_t>& dates) : dates_(dates) {}
    bool Has(int row) const { return row >= 1 && row <= static_cast<int>(dates_.size()); }
    bool Set(int row, int32_t value) {
        if (!Has(row)) return false;
        dates_[row - 1] = value;
        return true;
    }
    int32_t Get(int row) const { return dates_[row - 1]; }

  private:
    std::vector<int32_t>& dates_;
};

template <typename Row>
void DateNearAnchors(const std::vector<Row>& rows, const RuleYear& y, std::vector<int32_t>& dates) {
    for (size_t i = 0; i < rows.size(); ++i)
        dates[i] = ShiftToWeekday(y.J(rows[i].Day, rows[i].Month), rows[i].Weekday);
}

// SpecWeekDays.DAT rows 1 to 6; returns the Thursday of the Great Canon (0 without row 3).
int32_t DateSpecialTitles(Fields f, const RuleYear& y) {
    const int32_t P = y.pascha;
    // Row 1: the Saturday before the Sunday of the Last Judgment, unless the Meeting falls on it.
    if (f.Has(1)) {
        const int32_t x = P - 57;
        const bool meeting = x == y.J(2, 2);
        f.Set(1, meeting ? 0 : x);
        f.Set(2, meeting ? x : 0);
    }
    // Row 3: Thursday of the fifth week of Lent, moved to the Tuesday before the Annunciation.
    int32_t greatCanon = 0;
    if (f.Has(3)) {
        int32_t x = P - 17;
        if (x == y.J(25, 3)) x -= 2;
        f.Set(3, x);
        greatCanon = x;
    }
    // Row 4: the Saturday before 27 October (St Demetrius), with its alternatives 5 and 6.
    if (f.Has(4)) {
        const int32_t x = ShiftToWeekday(y.J(27, 10), -kSaturday);
        if (x == y.J(22, 10)) {
            f.Set(4, x - 7);
            f.Set(5, 0);
            f.Set(6, 0);
        } else if (x == y.J(24, 10)) {
            f.Set(4, 0);
            f.Set(5, x);
            f.Set(6, x - 7);
        } else {
            f.Set(4, x);
            f.Set(5, 0);
            f.Set(6, 0);
        }
    }
    return greatCanon;
}

// One rule of Special.DAT for one year; false when it addresses a row the table lacks.
using SpecialRule = bool (*)(Fields& f, const RuleYear& y);

// 1: the Sunday after the Nativity; Monday 26 December when the Nativity is a Sunday.
bool SundayAfterNativity(Fields& f, const RuleYear& y) {
    const int32_t nativity = y.J(25, 12);
    return f.Set(1,
                 WeekdayOf(nativity) == kSunday ? nativity + 1 : ShiftToWeekday(nativity, kSunday));
}

// 2, 3, 10: the Meeting of the Lord, its forefeast and its leave-taking.
bool Meeting(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    const int32_t m = y.J(2, 2);
    if (m == P - 48)  // on Clean Monday the feast is kept on the eve
        return f.Set(3, m - 1) && f.Set(2, m - 2) && f.Set(10, 0);
    const int32_t n = P - m;
    int32_t leaveTaking = 0;
    if (n >= 64)
        leaveTaking = m + 7;
    else if (n >= 61 && n <= 63)
        leaveTaking = P - 58;
    else if (n >= 57 && n <= 60)
        leaveTaking = P - 54;
    else if (n >= 55 && n <= 56)
        leaveTaking = P - 52;
    else if (n >= 53 && n <= 54)
        leaveTaking = P - 50;
    else if (n >= 50 && n <= 52)
        leaveTaking = P - 49;
    return f.Set(3, m) && f.Set(2, m - 1) && f.Set(10, leaveTaking);
}

// 4 to 9: the days of the afterfeast, strictly between the feast and its leave-taking.
bool MeetingAfterfeast(Fields& f, const RuleYear&) {
    const int32_t feast = f.Get(3);
    const int32_t leaveTaking = f.Get(10);
    for (int row = 4; row <= 9; ++row) {
        const int32_t day = feast + (row - 3);
        if (!f.Set(row, leaveTaking != 0 && day < leaveTaking ? day : 0)) return false;
    }
    return true;
}

// 11, 12: the first and second finding of the head of the Forerunner.
bool FirstFinding(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    const int32_t finding = y.J(24, 2);
    if (!f.Set(11, finding) || !f.Set(12, 0)) return false;
    if (finding == P - 57 || finding == P - 53 || finding == P - 51 || finding == P - 48) {
        f.Set(11, finding - 1);
    } else if (P - finding >= 44 && P - finding <= 47) {
        f.Set(11, 0);
        f.Set(12, finding);
    }
    return true;
}

// 13: the Forty Martyrs of Sebaste, away from the Saturday before, the Great Canon and the
// Thursday of the Akathist week.
bool FortyMartyrs(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    const int32_t g = y.J(9, 3);
    int32_t day = g;
    if (g == P - 25)
        day = g - 1;
    else if (y.greatCanon != 0 && g == y.greatCanon)
        day = g - 2;
    else if (g == P - 15)
        day = g + 1;
    return f.Set(13, day);
}

// 14, 15: forefeast and afterfeast of the Annunciation in the late weeks of Lent.
bool AnnunciationInLent(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    const int32_t a = y.J(25, 3);
    if (a == P - 18 || a == P - 16) return f.Set(14, a - 2) && f.Set(15, a + 1);
    if (a == P - 8) return f.Set(14, a - 2) && f.Set(15, 0);
    return f.Set(14, 0) && f.Set(15, 0);
}

// 16 to 18: the Saturdays of the second, third and fourth weeks of Lent, unless a feast.
bool LentenSaturdays(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    const int32_t feasts[] = {y.J(9, 3), y.J(24, 2), y.J(25, 3)};
    const int32_t saturdays[] = {P - 36, P - 29, P - 22};
    for (int i = 0; i < 3; ++i) {
        const int32_t s = saturdays[i];
        const bool feastDay = s == feasts[0] || s == feasts[1] || s == feasts[2];
        if (!f.Set(16 + i, feastDay ? 0 : s)) return false;
    }
    return true;
}

// 19: 9 May of the civil calendar.
bool NinthOfMay(Fields& f, const RuleYear& y) {
    return f.Set(19, y.G(9, 5));
}

// 20: the third finding of the head of the Forerunner, away from the feasts of Pentecost.
bool ThirdFinding(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    const int32_t a = y.J(25, 5);
    int32_t day = a;
    if (a == P + 48)
        day = a - 2;
    else if (a == P + 49)
        day = a - 3;
    else if (a == P + 50)
        day = a + 1;
    else if (a == P + 56)
        day = a - 2;
    return f.Set(20, day);
}

// 21 to 62: the days of the Apostles' fast after its first day, up to 28 June.
bool ApostlesFast(Fields& f, const RuleYear& y) {
    const int32_t P = y.pascha;
    for (int row = 21; row <= 62; ++row)
        if (!f.Set(row, 0)) return false;
    const int32_t fastDays = y.J(28, 6) - P - 57;
    for (int32_t k = 1; k <= fastDays && 20 + k <= 62; ++k)
        if (!f.Set(20 + static_cast<int>(k), P + 57 + k)) return false;
    return true;
}

// The Sunday nearest the anchor: on or after it from Thursday on, else the Sunday before.
int32_t NearestSunday(int32_t anchor) {
    const int c = kSunday - WeekdayOf(anchor);
    return c > 3 ? ShiftToWeekday(anchor, -kSunday) : anchor + c;
}

// 63, 64: the Fathers of the first six Councils and of the Seventh.
bool FathersOfSixCouncils(Fields& f, const RuleYear& y) {
    return f.Set(63, NearestSunday(y.J(16, 7)));
}
bool FathersOfSeventhCouncil(Fields& f, const RuleYear& y) {
    return f.Set(64, NearestSunday(y.J(11, 10)));
}

constexpr SpecialRule kSpecialRules[] = {
    SundayAfterNativity,  Meeting,
    MeetingAfterfeast,    FirstFinding,
    FortyMartyrs,         AnnunciationInLent,
    LentenSaturdays,      NinthOfMay,
    ThirdFinding,         ApostlesFast,
    FathersOfSixCouncils, FathersOfSeventhCouncil,
};

}  // namespace

YearDates ResolveYearDates(const Bases& bases, int julianYear) {
    RuleYear y{julianYear, PaschaOf(julianYear)};
    YearDates d;
    d.dates[kRelocTable].resize(bases.Reloc.size());
    d.dates[kReloc1Table].resize(bases.Reloc1.size());
    d.dates[kSpecialTable].resize(bases.Special.size());
    d.dates[kWdTable].resize(bases.Wd.size());
    d.dates[kWd1Table].resize(bases.Wd1.size());
    d.dates[kSpecWdTable].resize(bases.SpecWd.size());

    for (size_t i = 0; i < bases.Reloc.size(); ++i)
        d.dates[kRelocTable][i] = y.pascha + bases.Reloc[i].Days;
    DateNearAnchors(bases.Reloc1, y, d.dates[kReloc1Table]);
    for (size_t i = 0; i < bases.Wd.size(); ++i)
        d.dates[kWdTable][i] = y.pascha + bases.Wd[i].Days;
    DateNearAnchors(bases.Wd1, y, d.dates[kWd1Table]);
    y.greatCanon = DateSpecialTitles(Fields(d.dates[kSpecWdTable]), y);

    // The first row the table lacks ends the dating quietly, leaving the rows before it dated.
    Fields special(d.dates[kSpecialTable]);
    for (const SpecialRule rule : kSpecialRules)
        if (!rule(special, y)) break;
    return d;
}

}  // namespace veltrin
