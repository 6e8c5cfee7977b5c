#include "app/report/ReportCommand.h"

#include <charconv>
#include <fstream>
#include <optional>
#include <ostream>

#include "data/BaseFiles.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reports/CalendarSystem.h"
#include "reports/RtfReader.h"

namespace veltrin {

namespace {

constexpr const char* kUsage =
    "Использование: veltrin-report [параметры]\n"
    "Выводит вид Велтринского календаря: день, седмицу, месяц, год, основные праздники\n"
    "или выборку памятей года по строке поиска.\n"
    "\n"
    "  --data КАТАЛОГ        каталог данных (по умолчанию Calendar рядом с программой)\n"
    "  --style 1|2|3         стиль: 1 от Сотворения Мира, 2 старый, 3 новый (по умолчанию 3)\n"
    "  --date Г-М-Д          дата в выбранном стиле (для стиля 1 месяц 1 = сентябрь);\n"
    "                        по умолчанию сегодня\n"
    "  --view ВИД            day, week, month, year, feasts или select (по умолчанию day)\n"
    "  --search ТЕКСТ        строка поиска для вида select\n"
    "  --whole-word          искать целое слово\n"
    "  --indiction           показывать год индиктиона\n"
    "  --all-styles          показывать даты по трем стилям\n"
    "  --font ИМЯ            шрифт документа (по умолчанию System)\n"
    "  --size N              размер шрифта в пунктах (по умолчанию 10)\n"
    "  --range НАЧ-КОН       диапазон годов (по умолчанию 1900-2100, не шире 325-2325)\n"
    "  --format text|rtf     простой текст UTF-8 или документ RTF (по умолчанию text)\n"
    "  -o ФАЙЛ               записать в файл вместо стандартного вывода\n"
    "  --help                эта справка\n";

struct Options {
    std::string data;
    int style = kGregorian;
    std::optional<CivilDate> date;
    std::string view = "day";
    std::optional<std::string> search;
    bool wholeWord = false, indiction = false, allStyles = false;
    std::string font = "System";
    int size = 10;
    int minYear = 1900, maxYear = 2100;
    std::string format = "text";
    std::string output;
    bool help = false;
};

std::optional<int> ParseInt(std::string_view text) {
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
    return value;
}

// "A-B-C" into three numbers; a leading sign is not allowed.
std::optional<std::vector<int>> ParseDashed(std::string_view text, size_t parts) {
    std::vector<int> numbers;
    size_t start = 0;
    while (true) {
        const size_t dash = text.find('-', start);
        const auto n =
            ParseInt(text.substr(start, dash == std::string_view::npos ? dash : dash - start));
        if (!n) return std::nullopt;
        numbers.push_back(*n);
        if (dash == std::string_view::npos) break;
        start = dash + 1;
    }
    if (numbers.size() != parts) return std::nullopt;
    return numbers;
}

// Parses the arguments; an error message when something is wrong.
std::optional<std::string> Parse(const std::vector<std::string>& args, Options& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        const auto value = [&]() -> std::optional<std::string> {
            if (i + 1 >= args.size()) return std::nullopt;
            return args[++i];
        };
        const bool flag = a == "--whole-word" || a == "--indiction" || a == "--all-styles" ||
                          a == "--help" || a == "-h";
        std::optional<std::string> v;
        if (!flag) {
            v = value();
            if (!v) return "параметру " + a + " нужно значение";
        }
        if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--whole-word")
            o.wholeWord = true;
        else if (a == "--indiction")
            o.indiction = true;
        else if (a == "--all-styles")
            o.allStyles = true;
        else if (a == "--data")
            o.data = *v;
        else if (a == "--style") {
            const auto s = ParseInt(*v);
            if (!s || *s < 1 || *s > 3) return "стиль должен быть 1, 2 или 3: " + *v;
            o.style = *s;
        } else if (a == "--date") {
            const auto n = ParseDashed(*v, 3);
            if (!n) return "дата должна быть в виде Г-М-Д: " + *v;
            o.date = CivilDate{(*n)[2], (*n)[1], (*n)[0]};
        } else if (a == "--view") {
            if (*v != "day" && *v != "week" && *v != "month" && *v != "year" && *v != "feasts" &&
                *v != "select")
                return "неизвестный вид: " + *v;
            o.view = *v;
        } else if (a == "--search")
            o.search = *v;
        else if (a == "--font") {
            if (v->empty()) return "пустое имя шрифта";
            o.font = *v;
        } else if (a == "--size") {
            const auto s = ParseInt(*v);
            if (!s || *s < 1 || *s > 720) return "размер шрифта должен быть от 1 до 720: " + *v;
            o.size = *s;
        } else if (a == "--range") {
            const auto n = ParseDashed(*v, 2);
            if (!n || (*n)[0] < 325 || (*n)[1] > 2325 || (*n)[0] > (*n)[1])
                return "диапазон годов должен лежать в пределах 325-2325: " + *v;
            o.minYear = (*n)[0];
            o.maxYear = (*n)[1];
        } else if (a == "--format") {
            if (*v != "text" && *v != "rtf") return "формат должен быть text или rtf: " + *v;
            o.format = *v;
        } else if (a == "-o")
            o.output = *v;
        else
            return "неизвестный параметр: " + a;
    }
    if (o.view == "select") {
        std::string_view s = o.search ? std::string_view(*o.search) : std::string_view();
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        if (s.empty()) return "для вида select нужна строка поиска (--search)";
    }
    return std::nullopt;
}

class CommandPanes : public ReportPanes {
  public:
    explicit CommandPanes(int tab) : tab_(tab) {}
    int VisibleTab() override { return tab_; }

  private:
    int tab_;
};

int TabOf(const std::string& view) {
    if (view == "week") return kWeekTab;
    if (view == "month") return kMonthTab;
    if (view == "year") return kYearTab;
    if (view == "feasts") return kMainFeastsTab;
    if (view == "select") return kSelectionTab;
    return kDayTab;
}

}  // namespace

int RunReportCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    Options o;
    if (const auto problem = Parse(args, o)) {
        err << "veltrin-report: " << *problem << "\n";
        return 2;
    }
    if (o.help) {
        out << kUsage;
        return 0;
    }

    CalendarSystem sys;
    sys.settings.FontName = o.font;
    sys.settings.FontSize = static_cast<int16_t>(o.size);
    sys.settings.ShowIndiction = o.indiction;
    sys.settings.ShowAllStyles = o.allStyles;
    sys.SetRange(o.minYear, o.maxYear);

    Calendar& c = sys.calendar;
    const CivilDate date = o.date ? *o.date : [&] {
        // Today in the chosen style.
        const CivilDate t = SystemToday();
        return DateOf(o.style, ComputeDayNumber(kGregorian, t.day, t.month, t.year));
    }();
    const StyleDate& r = c.StyleDates[o.style];
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.year < 1 || date.year > 9999) {
        err << "veltrin-report: такой даты нет\n";
        return 2;
    }
    const bool leap = IsLeapYear(o.style, date.year);
    const int monthDays = date.month == r.FebIndex ? (leap ? 29 : 28) : r.MonthDays[date.month];
    if (date.day > monthDays) {
        err << "veltrin-report: такой даты нет\n";
        return 2;
    }
    const int32_t dayNumber = ComputeDayNumber(o.style, date.day, date.month, date.year);
    if (dayNumber < c.MinDay[o.style] || dayNumber > c.MaxDay[o.style]) {
        err << "veltrin-report: дата вне диапазона годов " << o.minYear << "-" << o.maxYear << "\n";
        return 2;
    }

    sys.LoadData(o.data.empty() ? DefaultDataDirectory() : std::filesystem::path(o.data));
    CommandPanes panes(TabOf(o.view));
    sys.reports.panes = &panes;
    sys.reports.WholeWord = o.wholeWord;
    GoToDate(c, o.style, date.day, date.month, date.year);

    const int tab = TabOf(o.view);
    if (tab == kSelectionTab)
        sys.reports.BuildSelection(*o.search);
    else
        sys.RefreshView();
    const std::string& document = sys.reports.Document(tab);
    const std::string result = o.format == "rtf" ? document : ParseRtf(document).PlainText();

    if (o.output.empty()) {
        out << result;
        return out ? 0 : 1;
    }
    std::ofstream file(o.output, std::ios::binary | std::ios::trunc);
    file << result;
    if (!file) {
        err << "veltrin-report: не удалось записать " << o.output << "\n";
        return 1;
    }
    return 0;
}

}  // namespace veltrin
