#include "reckoning/UserClick.h"

#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/StyleConversions.h"

namespace veltrin {

namespace {

bool InRange(const Calendar& c, int style, int32_t dayNumber) {
    return c.MinDay[style] <= dayNumber && dayNumber <= c.MaxDay[style];
}

void Finish(Calendar& c) {
    c.host->SetGridCal();
    c.host->RefreshView();
}

void SwitchStyle(Calendar& c, int style) {
    if (InRange(c, style, c.CurDayNum)) {
        c.CurStyle = static_cast<int16_t>(style);
        RecalcAfterStyleChange(c);
    } else {
        c.host->Beep();
    }
}

void StepYear(Calendar& c, int delta) {
    StyleDate& r = c.Cur();
    const bool allowed =
        delta < 0 ? r.Year > c.MinYear[c.CurStyle] : r.Year < c.MaxYear[c.CurStyle];
    if (!allowed) {
        c.host->Beep();
        return;
    }
    r.Year = static_cast<int16_t>(r.Year + delta);
    RecalcAfterYearChange(c);
}

void StepMonth(Calendar& c, int delta) {
    StyleDate& r = c.Cur();
    if (delta < 0 ? r.Month >= 2 : r.Month <= 11) {
        r.Month = static_cast<int16_t>(r.Month + delta);
        RecalcAfterMonthChange(c);
        return;
    }
    // Month 1 back or month 12 forward crosses into the neighbouring year.
    const bool allowed =
        delta < 0 ? r.Year > c.MinYear[c.CurStyle] : r.Year < c.MaxYear[c.CurStyle];
    if (!allowed) {
        c.host->Beep();
        return;
    }
    r.Year = static_cast<int16_t>(r.Year + delta);
    r.Month = delta < 0 ? 12 : 1;
    RecalcAfterYearChange(c);
}

// A week or day step, refused when it would leave the range of the current style.
bool StepDays(Calendar& c, int count, bool weeks) {
    c.TargetDayNum = c.CurDayNum + (weeks ? 7 * count : count);
    if (!InRange(c, c.CurStyle, c.TargetDayNum)) return false;
    if (weeks)
        MoveByWeeks(c, count);
    else
        MoveByDays(c, count);
    return true;
}

void Step(Calendar& c, int kind, int direction) {
    switch (kind) {
        case kStyleSelector: {
            int s = c.CurStyle + direction;
            if (s < kAnnoMundi) s = kGregorian;
            if (s > kGregorian) s = kAnnoMundi;
            SwitchStyle(c, s);
            break;
        }
        case kYearSelector:
            StepYear(c, direction);
            break;
        case kMonthSelector:
            StepMonth(c, direction);
            break;
        case kWeekSelector:
        case kWeekdaySelector:
            if (!StepDays(c, direction, kind == kWeekSelector)) c.host->Beep();
            break;
        default:
            break;
    }
    Finish(c);
}

}  // namespace

void StepBack(Calendar& c, int kind) {
    Step(c, kind, -1);
}
void StepForward(Calendar& c, int kind) {
    Step(c, kind, +1);
}

void SelectorChanged(Calendar& c, int kind, int newPosition, int oldPosition) {
    StyleDate& r = c.Cur();
    bool refused = false;
    switch (kind) {
        case kStyleSelector: {
            const int s = newPosition + 1;
            if (s >= kAnnoMundi && s <= kGregorian && InRange(c, s, c.CurDayNum)) {
                c.CurStyle = static_cast<int16_t>(s);
                RecalcAfterStyleChange(c);
            } else {
                refused = true;
            }
            break;
        }
        case kYearSelector:
            r.Year = static_cast<int16_t>(c.MinYear[c.CurStyle] + newPosition);
            RecalcAfterYearChange(c);
            break;
        case kMonthSelector:
            r.Month = static_cast<int16_t>(newPosition + 1);
            RecalcAfterMonthChange(c);
            break;
        case kWeekSelector:
        case kWeekdaySelector:
            refused = !StepDays(c, newPosition - oldPosition, kind == kWeekSelector);
            break;
        default:
            break;
    }
    if (refused) {
        c.host->Beep();
        c.host->SetSelectorPosition(static_cast<int16_t>(kind), static_cast<int16_t>(oldPosition));
    }
    Finish(c);
}

void PickDay(Calendar& c, int day) {
    c.Cur().Day = static_cast<int16_t>(day);
    RecalcAfterDayChange(c);
    c.host->RefreshView();
}

void PickDayInAdjacentMonth(Calendar& c, int day, int column) {
    StyleDate& r = c.Cur();
    r.Day = static_cast<int16_t>(day);
    if (column == 1) {
        if (r.Month < 2) {
            --r.Year;
            r.Month = 12;
            RecalcAfterYearChange(c);
        } else {
            --r.Month;
            RecalcAfterMonthChange(c);
        }
    } else {
        if (r.Month > 11) {
            ++r.Year;
            r.Month = 1;
            RecalcAfterYearChange(c);
        } else {
            ++r.Month;
            RecalcAfterMonthChange(c);
        }
    }
    Finish(c);
}

namespace {
void SetToday(Calendar& c) {
    const CivilDate t = c.today();
    StyleDate& g = c.StyleDates[kGregorian];
    g.Day = static_cast<int16_t>(t.day);
    g.Month = static_cast<int16_t>(t.month);
    g.Year = static_cast<int16_t>(t.year);
    c.CurDayNum = ComputeDayNumber(kGregorian, t.day, t.month, t.year);
}
}  // namespace

void GoToday(Calendar& c) {
    SetToday(c);
    DayNumToJulian(c);
    JulianToAnnoMundi(c);
    RecalcAfterYearChange(c);
    Finish(c);
}

void StartCalendar(Calendar& c, int storedStyle) {
    c.CurStyle = kGregorian;
    SetToday(c);
    RecalcAfterYearChange(c);
    c.CurStyle = static_cast<int16_t>(storedStyle);
    if (c.CurStyle != kGregorian) RecalcAfterStyleChange(c);
}

}  // namespace veltrin
