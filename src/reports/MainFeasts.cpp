// The Main feasts view: Pascha, the twelve great feasts and the great feasts of the year.

#include "reports/MainFeasts.h"

#include <algorithm>
#include <array>

#include "reckoning/Dates.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/Paschalion.h"
#include "reckoning/StyleDate.h"
#include "reports/ReportFormat.h"
#include "reports/Reports.h"

namespace veltrin {

namespace {

struct MovableFeast {
    int offset;  // days from Pascha
    const char* title;
};
constexpr std::array<MovableFeast, 3> kMovableFeasts = {{
    {-7, "ВХОД ГОСПОДЕНЬ В ИЕРУСАЛИМ."},
    {39, "ВОЗНЕСЕНИЕ ГОСПОДНЕ."},
    {49, "ДЕНЬ СВЯТОЙ ТРОИЦЫ. ПЯТИДЕСЯТНИЦА."},
}};

struct FixedFeast {
    int day, month;  // Julian
    const char* title;
};
constexpr std::array<FixedFeast, 9> kTwelveFixedFeasts = {{
    {6, 1, "КРЕЩЕНИЕ ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА."},
    {2, 2, "СРЕТЕНИЕ ГОСПОДА НАШЕГО ИИСУСА ХРИСТА."},
    {25, 3, "БЛАГОВЕЩЕНИЕ ПРЕСВЯТОЙ БОГОРОДИЦЫ."},
    {6, 8, "ПРЕОБРАЖЕНИЕ ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА."},
    {15, 8, "УСПЕНИЕ ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
    {8, 9, "РОЖДЕСТВО ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
    {14, 9, "ВОЗДВИЖЕНИЕ ЧЕСТНОГО И ЖИВОТВОРЯЩЕГО КРЕСТА ГОСПОДНЯ."},
    {21, 11, "ВВЕДЕНИЕ ВО ХРАМ ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
    {25, 12, "РОЖДЕСТВО ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА."},
}};
constexpr std::array<FixedFeast, 5> kGreatFeasts = {{
    {1, 1, "ОБРЕЗАНИЕ ГОСПОДНЕ."},
    {24, 6, "РОЖДЕСТВО ЧЕСТНОГО СЛАВНОГО ПРОРОКА, ПРЕДТЕЧИ И КРЕСТИТЕЛЯ ГОСПОДНЯ ИОАННА."},
    {29, 6, "СЛАВНЫХ И ВСЕХВАЛЬНЫХ ПЕРВОВЕРХОВНЫХ АПОСТОЛОВ ПЕТРА И ПАВЛА."},
    {29, 8, "УСЕКНОВЕНИЕ ГЛАВЫ ПРОРОКА, ПРЕДТЕЧИ И КРЕСТИТЕЛЯ ГОСПОДНЯ ИОАННА."},
    {1, 10, "ПОКРОВ ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
}};

constexpr const char* kPaschaTitle = "СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ. ПАСХА.";

}  // namespace

std::vector<MainFeast> MainFeastsBetween(int32_t first, int32_t last) {
    std::vector<MainFeast> feasts;
    const auto add = [&](int32_t day, int key, const char* title) {
        if (day >= first && day <= last) feasts.push_back({day, key, title});
    };
    for (int year = JulianDateOf(first).year; year <= JulianDateOf(last).year; ++year) {
        int key = 0;
        const int32_t pascha = PaschaOf(year);
        add(pascha, key++, kPaschaTitle);
        for (const MovableFeast& feast : kMovableFeasts)
            add(pascha + feast.offset, key++, feast.title);
        const auto addFixed = [&](const auto& table) {
            for (const FixedFeast& feast : table)
                add(ComputeDayNumber(kJulian, feast.day, feast.month, year), key++, feast.title);
        };
        addFixed(kTwelveFixedFeasts);
        addFixed(kGreatFeasts);
    }
    std::stable_sort(feasts.begin(), feasts.end(),
                     [](const MainFeast& a, const MainFeast& b) { return a.day < b.day; });
    return feasts;
}

void Reports::BuildMainFeastsView() {
    const StyleDate& r = calendar_.Cur();
    const int style = calendar_.CurStyle;
    if (Shown.ShownKey[kMainFeastsTab] == r.YearFirstDay &&
        Shown.ShownStyle[kMainFeastsTab] == style)
        return;

    const std::string blank(BlankMark), par(ParagraphEnd), separator = SeparatorLine + par;
    const auto heading = [&](const char* title) {
        return blank + std::string(Red) + title + std::string(Navy) + par + separator;
    };
    std::string doc = Header() + std::string(Navy) + par + blank + std::to_string(r.Year) + " год" +
                      StyleName() + par + separator;

    // Pascha, red to the end of its title.
    const int32_t pascha = calendar_.Pascha.PaschaDay;
    doc += std::string(Red) + DateHeading(style, pascha, false, false) + blank + kPaschaTitle +
           std::string(Navy) + par + par + separator + par;

    doc += heading("Двунадесятые переходящие праздники");
    for (const MovableFeast& feast : kMovableFeasts) {
        const int32_t d = pascha + feast.offset;
        doc += DateHeading(style, d, false, false);
        doc += WeekLine(style, d).text;
        doc += par + blank + feast.title + par + par + separator;
    }
    doc += par;

    const auto listFeasts = [&](const auto& feasts) {
        RowBuffer rows;
        for (const FixedFeast& feast : feasts)
            if (auto row = RowOfJulianDay(feast.day, feast.month, feast.title, {}, false))
                rows.Add(std::move(*row));
        rows.SortByDay();
        for (const ReportRow& row : rows.Rows())
            doc += row.heading + row.body + par + separator;
    };
    doc += heading("Двунадесятые непереходящие праздники");
    listFeasts(kTwelveFixedFeasts);
    doc += par + heading("Великие праздники");
    listFeasts(kGreatFeasts);

    doc += Trailer;
    Publish(kMainFeastsTab, doc);
    Shown.ShownKey[kMainFeastsTab] = r.YearFirstDay;
    Shown.ShownStyle[kMainFeastsTab] = style;
}

}  // namespace veltrin
