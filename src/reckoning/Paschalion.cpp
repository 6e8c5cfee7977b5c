#include "reckoning/Paschalion.h"

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"

namespace veltrin {

namespace {
constexpr int kLunarCycle = 19;
constexpr int kSolarWeekCycle = 7;
constexpr int kLeapCycle = 4;
constexpr int kIndictionCycle = 532;  // 19 lunar years times 28 solar years
constexpr int kToneCount = 8;
constexpr int kSunday = 7;

std::string Numbered(int n, const char* suffix) {
    return std::to_string(n) + suffix;
}
}  // namespace

int32_t PaschaOf(int julianYear) {
    const int y = julianYear;
    // Days from 22 March to the Paschal full moon, then on to the Sunday after it.
    const int a = (kLunarCycle * (y % kLunarCycle) + 15) % 30;
    const int e = (6 * a + 4 * (y % kSolarWeekCycle) + 2 * (y % kLeapCycle) + 6) % 7;
    return ComputeDayNumber(kJulian, 22, 3, y) + a + e;
}

PaschaBlock PaschalionOf(int style, int year) {
    const int32_t first = ComputeDayNumber(style, 1, 1, year);
    const int32_t last = first + YearLength(style, year) - 1;
    const int16_t firstWeekday = WeekdayOf(first);
    PaschaBlock p;
    p.PaschaYear = static_cast<int16_t>(style == kAnnoMundi ? year - kAnnoMundiOffset : year);
    p.PaschaDay = PaschaOf(p.PaschaYear);
    p.PrevPaschaDay = PaschaOf(p.PaschaYear - 1);
    p.YearStartPentWeek = WeekNumber(p.PrevPaschaDay + kPentecostOffset, kSunday, first);
    p.YearEndPentWeek = WeekNumber(p.PaschaDay + kPentecostOffset, kSunday, last);
    p.PaschaWeek = WeekNumber(first, firstWeekday, p.PaschaDay);
    return p;
}

std::string WeekName(const PaschaBlock& year, int w) {
    const int p = year.PaschaWeek;
    if (w <= p - 11) return Numbered(year.YearStartPentWeek + w - 1, "-я по Пятидесятнице");
    if (w == p - 10) return "О мытаре и фарисее";
    if (w == p - 9) return "О блудном сыне";
    if (w == p - 8) return "Сырная седмица";
    if (w <= p - 2) return Numbered(w - p + 8, "-я Великого поста");
    if (w == p - 1) return "Страстная седмица";
    if (w == p) return "Светлая седмица";
    if (w <= p + 6) return Numbered(w - p + 1, "-я по Пасхе");
    return Numbered(w - p - 6, "-я по Пятидесятнице");
}

std::string DayWeekPhrase(const PaschaBlock& year, int w, int weekday) {
    const int p = year.PaschaWeek;
    if (weekday != kSunday) {
        if (w < p - 7)
            return Numbered(year.YearStartPentWeek + w - 1, "-ой седмицы по Пятидесятнице.");
        if (w < p - 1) return Numbered(w - p + 8, "-ой седмицы Великого поста.");
        if (w == p - 1) return "Страстной седмицы.";
        if (w == p) return "Светлой седмицы.";
        if (w < p + 7) return Numbered(w - p + 1, "-ой седмицы по Пасхе.");
        return Numbered(w - p - 6, "-ой седмицы по Пятидесятнице.");
    }
    // A Sunday is named after the week it begins. The Sunday of Forgiveness (week P - 7) and
    // Pentecost (week P + 7) have no number of their own; they carry their day titles instead,
    // and the computed phrase names them by the feast they open.
    if (w <= p - 8) return Numbered(year.YearStartPentWeek + w - 2, "-я по Пятидесятнице.");
    if (w == p - 7) return "сыропустная.";
    if (w <= p - 2) return Numbered(w - p + 7, "-я Великого поста.");
    if (w == p - 1) return "Страстной седмицы.";
    if (w <= p + 6) return Numbered(w - p + 1, "-я по Пасхе.");
    if (w == p + 7) return "Пятидесятницы.";
    return Numbered(w - p - 7, "-я по Пятидесятнице.");
}

int ToneOf(int32_t dayNumber) {
    const int year = JulianDateOf(dayNumber).year;
    const int32_t b = dayNumber - PaschaOf(year);
    // From Palm Sunday to Bright Saturday and in the week of Pentecost no tone is sung.
    if ((b >= -7 && b <= 6) || (b >= kPentecostOffset && b <= kPentecostOffset + 6)) return 0;
    // The tones run in weeks from Thomas Sunday, the eighth day after Pascha.
    const int32_t k = b < 0 ? dayNumber - PaschaOf(year - 1) - 7 : b - 7;
    const int tone = (k / 7 + 1) % kToneCount;
    return tone == 0 ? kToneCount : tone;
}

Indiction IndictionYear(int annoMundiYear) {
    const int r = annoMundiYear % kIndictionCycle;
    if (r == 0) return {kIndictionCycle, annoMundiYear / kIndictionCycle};
    return {r, annoMundiYear / kIndictionCycle + 1};
}

std::string IndictionText(const Indiction& indiction) {
    return std::to_string(indiction.yearInCycle) + "-й год " + std::to_string(indiction.cycle) +
           "-го индиктиона";
}

}  // namespace veltrin
