#include "app/report/ReportCommand.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <optional>
#include <ostream>

#include "data/BaseFiles.h"
#include "reckoning/Calculate.h"
#include "reckoning/DayNumbers.h"
#include "reckoning/YearRange.h"
#include "reports/CalendarEvents.h"
#include "reports/CalendarSystem.h"
#include "reports/Icalendar.h"
#include "reports/JsonReport.h"
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
    "  --no-fasting          без строки трапезы (поста) каждого дня\n"
    "  --no-readings         без чтений Апостола и Евангелия каждого дня\n"
    "  --font ИМЯ            шрифт документа (по умолчанию System)\n"
    "  --size N              размер шрифта в пунктах (по умолчанию 10)\n"
    "  --range НАЧ-КОН       диапазон годов (по умолчанию 1900-2100, не шире 325-2325)\n"
    "  --format ФОРМАТ       text: простой текст UTF-8 (по умолчанию); rtf: документ RTF;\n"
    "                        json: данные дней для сценариев (виды day, week, month, year);\n"
    "                        ics: события iCalendar (виды feasts, month, year)\n"
    "  --events СПИСОК       события для ics через запятую: feasts (праздники), days\n"
    "                        (памяти дней), fasts (посты); по умолчанию feasts для вида\n"
    "                        feasts и days для month и year\n"
    "  -o ФАЙЛ               записать в файл вместо стандартного вывода\n"
    "  --help                эта справка\n";

struct Options {
    std::string data;
    int style = kGregorian;
    std::optional<CivilDate> date;
    std::string view = "day";
    std::optional<std::string> search;
    bool wholeWord = false, indiction = false, allStyles = false, fasting = true, readings = true;
    std::string font = "System";
    int size = 10;
    int minYear = kDefaultMinYear, maxYear = kDefaultMaxYear;
    std::string format = "text";
    std::optional<EventChoice> events;
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

// "feasts,days,fasts" in any order and number; nothing for an empty or unknown item.
std::optional<EventChoice> ParseEvents(std::string_view list) {
    EventChoice choice;
    while (true) {
        const size_t comma = list.find(',');
        const std::string_view item = list.substr(0, comma);
        if (item == "feasts")
            choice.feasts = true;
        else if (item == "days")
            choice.days = true;
        else if (item == "fasts")
            choice.fasts = true;
        else
            return std::nullopt;
        if (comma == std::string_view::npos) return choice;
        list.remove_prefix(comma + 1);
    }
}

// The options without a value, and those that take one.
bool IsFlag(std::string_view a) {
    return a == "--whole-word" || a == "--indiction" || a == "--all-styles" ||
           a == "--no-fasting" || a == "--no-readings" || a == "--help" || a == "-h";
}
bool TakesValue(std::string_view a) {
    return a == "--data" || a == "--style" || a == "--date" || a == "--view" || a == "--search" ||
           a == "--font" || a == "--size" || a == "--range" || a == "--format" || a == "--events" ||
           a == "-o";
}

// Parses the arguments; an error message when something is wrong.
std::optional<std::string> Parse(const std::vector<std::string>& args, Options& o) {
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!IsFlag(a) && !TakesValue(a)) return "неизвестный параметр: " + a;
        std::string v;
        if (TakesValue(a)) {
            if (i + 1 >= args.size()) return "параметру " + a + " нужно значение";
            v = args[++i];
        }
        if (a == "--help" || a == "-h")
            o.help = true;
        else if (a == "--whole-word")
            o.wholeWord = true;
        else if (a == "--indiction")
            o.indiction = true;
        else if (a == "--all-styles")
            o.allStyles = true;
        else if (a == "--no-fasting")
            o.fasting = false;
        else if (a == "--no-readings")
            o.readings = false;
        else if (a == "--data")
            o.data = v;
        else if (a == "--style") {
            const auto s = ParseInt(v);
            if (!s || *s < 1 || *s > 3) return "стиль должен быть 1, 2 или 3: " + v;
            o.style = *s;
        } else if (a == "--date") {
            const auto n = ParseDashed(v, 3);
            if (!n) return "дата должна быть в виде Г-М-Д: " + v;
            o.date = CivilDate{(*n)[2], (*n)[1], (*n)[0]};
        } else if (a == "--view") {
            if (v != "day" && v != "week" && v != "month" && v != "year" && v != "feasts" &&
                v != "select")
                return "неизвестный вид: " + v;
            o.view = v;
        } else if (a == "--search")
            o.search = v;
        else if (a == "--font") {
            if (v.empty()) return "пустое имя шрифта";
            o.font = v;
        } else if (a == "--size") {
            const auto s = ParseInt(v);
            if (!s || *s < 1 || *s > 720) return "размер шрифта должен быть от 1 до 720: " + v;
            o.size = *s;
        } else if (a == "--range") {
            const auto n = ParseDashed(v, 2);
            if (!n || (*n)[0] < kWidestMinYear || (*n)[1] > kWidestMaxYear || (*n)[0] > (*n)[1])
                return "диапазон годов должен лежать в пределах " + std::to_string(kWidestMinYear) +
                       "-" + std::to_string(kWidestMaxYear) + ": " + v;
            o.minYear = (*n)[0];
            o.maxYear = (*n)[1];
        } else if (a == "--format") {
            if (v != "text" && v != "rtf" && v != "json" && v != "ics")
                return "формат должен быть text, rtf, json или ics: " + v;
            o.format = v;
        } else if (a == "--events") {
            const auto events = ParseEvents(v);
            if (!events) return "события должны быть списком из feasts, days и fasts: " + v;
            o.events = events;
        } else if (a == "-o")
            o.output = v;
    }
    if (o.format == "json" && o.view != "day" && o.view != "week" && o.view != "month" &&
        o.view != "year")
        return "формат json — для видов day, week, month и year";
    if (o.format == "ics" && o.view != "feasts" && o.view != "month" && o.view != "year")
        return "формат ics — для видов feasts, month и year";
    if (o.events && o.format != "ics") return "список событий (--events) нужен только формату ics";
    if (o.view == "select") {
        std::string_view s = o.search ? std::string_view(*o.search) : std::string_view();
        while (!s.empty() && s.front() == ' ')
            s.remove_prefix(1);
        if (s.empty()) return "для вида select нужна строка поиска (--search)";
    } else if (o.search) {
        return "строка поиска (--search) нужна только виду select";
    }
    return std::nullopt;
}

// A data directory given on the command line must exist and hold the calendar's files: a typo
// must not pass for an empty calendar.
bool HoldsData(const std::filesystem::path& directory) {
    std::error_code ec;
    if (!std::filesystem::is_directory(directory, ec)) return false;
    for (const auto& file : MakeBaseFiles(directory))
        if (!file.empty() && std::filesystem::is_regular_file(file, ec)) return true;
    return false;
}

// Writes all of `text` to `fd` and closes it; the error number of the first failure, or 0.
int WriteAll(int fd, const std::string& text) {
    size_t written = 0;
    while (written < text.size()) {
        const ssize_t n = ::write(fd, text.data() + written, text.size() - written);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        written += static_cast<size_t>(n);
    }
    const int writeError = written == text.size() ? 0 : errno ? errno : EIO;
    const bool closed = ::close(fd) == 0;
    return writeError ? writeError : closed ? 0 : errno;
}

// Writes the result to a file. A new or regular file is written beside the target and put in
// place only when all of it was written, so a failure leaves nothing behind; a device or a pipe
// is written directly. False, with the reason, when the result did not get there whole.
bool WriteOutput(const std::string& path, const std::string& text, std::string& why) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
        const int error = fd < 0 ? errno : WriteAll(fd, text);
        if (error == 0) return true;
        why = std::strerror(error);
        return false;
    }
    std::string temporary = path + ".XXXXXX";
    const int fd = mkstemp(temporary.data());
    if (fd < 0) {
        why = std::strerror(errno);
        return false;
    }
    int error = WriteAll(fd, text);
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
    if (error == 0) return true;
    why = std::strerror(error);
    std::remove(temporary.c_str());
    return false;
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

// The time of every DTSTAMP: now, or SOURCE_DATE_EPOCH for an output that must not change.
std::time_t ExportTime() {
    if (const char* epoch = std::getenv("SOURCE_DATE_EPOCH")) {
        long long seconds = 0;
        const std::string_view text(epoch);
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), seconds);
        if (ec == std::errc() && end == text.data() + text.size() && seconds >= 0)
            return static_cast<std::time_t>(seconds);
    }
    return std::time(nullptr);
}

// The view in the chosen format, for the calendar standing on the chosen day.
std::string Result(const Options& o, CalendarSystem& sys) {
    const int tab = TabOf(o.view);
    if (o.format == "text" || o.format == "rtf") {
        if (tab == kSelectionTab)
            sys.reports.BuildSelection(*o.search);
        else
            sys.RefreshView();
        const std::string& document = sys.reports.Document(tab);
        return o.format == "rtf" ? document : ParseRtf(document).PlainText();
    }
    const Calendar& c = sys.calendar;
    const StyleDate& r = c.Cur();
    int32_t first = c.CurDayNum, last = c.CurDayNum;
    if (tab == kWeekTab) first = r.WeekFirstDay, last = r.WeekLastDay;
    if (tab == kMonthTab) first = r.MonthFirstDay, last = r.MonthLastDay;
    if (tab == kYearTab || tab == kMainFeastsTab) first = r.YearFirstDay, last = r.YearLastDay;
    const RecordParts parts{o.fasting, o.readings};
    if (o.format == "json") return JsonReport(sys.reports, o.view, c.CurStyle, first, last, parts);
    EventChoice events;
    (tab == kMainFeastsTab ? events.feasts : events.days) = true;
    return WriteIcalendar(
        CalendarEvents(sys.reports, c.CurStyle, first, last, o.events.value_or(events), parts),
        "Велтринский календарь", IcsTimestamp(ExportTime()));
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
    sys.settings.ShowFasting = o.fasting;
    sys.settings.ShowReadings = o.readings;
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

    if (!o.data.empty() && !HoldsData(o.data)) {
        err << "veltrin-report: в каталоге нет файлов календаря: " << o.data << "\n";
        return 2;
    }
    sys.LoadData(o.data.empty() ? DefaultDataDirectory() : std::filesystem::path(o.data));
    CommandPanes panes(TabOf(o.view));
    sys.reports.panes = &panes;
    sys.reports.WholeWord = o.wholeWord;
    GoToDate(c, o.style, date.day, date.month, date.year);
    const std::string result = Result(o, sys);

    if (o.output.empty()) {
        out << result;
        out.flush();
        if (out) return 0;
        err << "veltrin-report: не удалось записать результат в стандартный вывод\n";
        return 1;
    }
    std::string why;
    if (!WriteOutput(o.output, result, why)) {
        err << "veltrin-report: не удалось записать " << o.output << ": " << why << "\n";
        return 1;
    }
    return 0;
}

}  // namespace veltrin
