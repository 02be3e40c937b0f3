#include "logic/Dates.h"

#include "logic/Errors.h"

#include <array>
#include <cctype>
#include <ctime>
#include <optional>
#include <stdexcept>
#include <utility>

namespace pnr::dates {

using namespace std::chrono;

namespace {

std::optional<DateTime> fixedMoment;

enum class Field { Year, Month, Day };

struct FieldFormat {
    Field field;
    int width; // letters in the pattern: the minimum number of digits written
};

struct DateFormat {
    std::string pattern;
    std::array<FieldFormat, 3> fields;
    char32_t separator;
};

DateFormat compile(std::string_view pattern)
{
    DateFormat format{std::string(pattern), {}, 0};
    std::size_t at = 0;
    bool seen[3] = {false, false, false};
    for (int i = 0; i < 3; ++i) {
        if (i > 0) {
            if (at >= pattern.size())
                throw std::invalid_argument("date pattern too short: " + format.pattern);
            const auto sep = static_cast<unsigned char>(pattern[at++]);
            if (i == 1)
                format.separator = sep;
            if (sep != format.separator || sep >= 0x80 || std::isalnum(sep) != 0)
                throw std::invalid_argument("bad separator in date pattern: " + format.pattern);
        }
        const char letter = at < pattern.size() ? pattern[at] : '\0';
        const Field field = letter == 'y' ? Field::Year
                            : letter == 'm' ? Field::Month
                            : letter == 'd' ? Field::Day
                                            : throw std::invalid_argument("bad date pattern: "
                                                                          + format.pattern);
        int width = 0;
        while (at < pattern.size() && pattern[at] == letter && width < 5) {
            ++at;
            ++width;
        }
        const auto slot = static_cast<std::size_t>(field);
        if (width > 4 || seen[slot])
            throw std::invalid_argument("bad date pattern: " + format.pattern);
        seen[slot] = true;
        format.fields[static_cast<std::size_t>(i)] = {field, width};
    }
    if (at != pattern.size())
        throw std::invalid_argument("bad date pattern: " + format.pattern);
    return format;
}

DateFormat& currentFormat()
{
    static DateFormat format = compile("mm/dd/yy");
    return format;
}

constexpr std::array<const char*, 12> monthNames = {
    "januari", "februari", "mars",     "april",   "maj",      "juni",
    "juli",    "augusti",  "september", "oktober", "november", "december"};

[[noreturn]] void invalid(TextView text, const std::string& reason)
{
    throw DateError("\"" + toUtf8(text) + "\" är inte ett giltigt datum: " + reason + ".");
}

// One field of one to four ASCII digits, or nothing.
std::optional<int> readNumber(TextView digits)
{
    if (digits.empty() || digits.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const char32_t c : digits) {
        if (c < U'0' || c > U'9')
            return std::nullopt;
        value = value * 10 + static_cast<int>(c - U'0');
    }
    return value;
}

std::string padded(int value, int width)
{
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width)
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    return digits;
}

// Months from the start of the calendar, so that differences between dates are plain integers.
int monthNumber(const Date& d)
{
    return static_cast<int>(d.year()) * 12 + static_cast<int>(static_cast<unsigned>(d.month()));
}

} // namespace

DateTime makeDateTime(Date date, seconds timeOfDay)
{
    return DateTime(local_days(date).time_since_epoch()) + timeOfDay;
}

Date dateOf(DateTime moment)
{
    return Date(floor<days>(moment));
}

DateTime now()
{
    if (fixedMoment)
        return *fixedMoment;
    // The local calendar, not the UTC days of system_clock: shortly after midnight they differ.
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    const Date date{year(local.tm_year + 1900), month(static_cast<unsigned>(local.tm_mon + 1)),
                    day(static_cast<unsigned>(local.tm_mday))};
    return makeDateTime(date, hours(local.tm_hour) + minutes(local.tm_min) + seconds(local.tm_sec));
}

FixedClock::FixedClock(DateTime moment) : previous_(std::exchange(fixedMoment, moment)) {}

FixedClock::~FixedClock()
{
    fixedMoment = previous_;
}

void setShortDateFormat(std::string_view pattern)
{
    currentFormat() = compile(pattern);
}

std::string shortDateFormat()
{
    return currentFormat().pattern;
}

DateTime parseDate(TextView text, DateTime reference)
{
    const DateFormat& format = currentFormat();
    std::array<int, 3> values{};
    std::array<std::size_t, 3> widths{};
    std::size_t start = 0;
    for (std::size_t i = 0; i < 3; ++i) {
        const std::size_t end = i < 2 ? text.find(format.separator, start) : text.size();
        if (end == TextView::npos)
            invalid(text, "år, månad och dag ska skrivas med siffror och \""
                              + toUtf8(TextView(&format.separator, 1)) + "\" emellan");
        const TextView part = text.substr(start, end - start);
        const auto value = readNumber(part);
        if (!value)
            invalid(text, "år, månad och dag ska skrivas med en till fyra siffror var");
        const auto slot = static_cast<std::size_t>(format.fields[i].field);
        values[slot] = *value;
        widths[slot] = part.size();
        start = end + 1;
    }
    int y = values[static_cast<std::size_t>(Field::Year)];
    const std::size_t yearWidth = widths[static_cast<std::size_t>(Field::Year)];
    // Three digits are a slip of the keyboard, not a year anyone writes.
    if (yearWidth == 3)
        invalid(text, "året ska skrivas med två eller fyra siffror");
    if (yearWidth <= 2)
        y += yearOf(reference) / 100 * 100;
    const int m = values[static_cast<std::size_t>(Field::Month)];
    const int d = values[static_cast<std::size_t>(Field::Day)];
    if (y < 1)
        invalid(text, "år 0 finns inte");
    if (m < 1 || m > 12)
        invalid(text, "månad " + std::to_string(m) + " finns inte");
    const Date last{year(y) / month(static_cast<unsigned>(m)) / std::chrono::last};
    const int length = static_cast<int>(static_cast<unsigned>(last.day()));
    if (d < 1)
        invalid(text, "dag 0 finns inte");
    if (d > length)
        invalid(text, std::string(monthNames[static_cast<std::size_t>(m - 1)]) + " "
                          + std::to_string(y) + " har bara " + std::to_string(length) + " dagar");
    return makeDateTime(year(y) / month(static_cast<unsigned>(m)) / day(static_cast<unsigned>(d)));
}

Text formatDate(DateTime moment)
{
    const DateFormat& format = currentFormat();
    const Date date = dateOf(moment);
    std::string out;
    for (std::size_t i = 0; i < 3; ++i) {
        if (i > 0)
            out += static_cast<char>(format.separator);
        const auto [field, width] = format.fields[i];
        switch (field) {
        case Field::Year:
            out += padded(width <= 2 ? static_cast<int>(date.year()) % 100
                                     : static_cast<int>(date.year()),
                          width);
            break;
        case Field::Month:
            out += padded(static_cast<int>(static_cast<unsigned>(date.month())), width);
            break;
        case Field::Day:
            out += padded(static_cast<int>(static_cast<unsigned>(date.day())), width);
            break;
        }
    }
    return fromAscii(out);
}

int yearOf(DateTime moment)
{
    return static_cast<int>(dateOf(moment).year());
}

int dayOf(DateTime moment)
{
    return static_cast<int>(static_cast<unsigned>(dateOf(moment).day()));
}

int daysInMonth(DateTime moment)
{
    const Date date = dateOf(moment);
    return static_cast<int>(static_cast<unsigned>((date.year() / date.month() / last).day()));
}

DateTime addYears(DateTime moment, int years)
{
    const Date date = dateOf(moment);
    Date moved = date + std::chrono::years(years);
    if (!moved.ok())
        moved = moved.year() / moved.month() / last;
    return makeDateTime(moved) + (moment - floor<days>(moment));
}

int wholeMonthsBetween(DateTime a, DateTime b)
{
    Date earlier = dateOf(a);
    Date later = dateOf(b);
    if (later < earlier)
        std::swap(earlier, later);
    const int incomplete = later.day() < earlier.day() ? 1 : 0;
    return monthNumber(later) - monthNumber(earlier) - incomplete;
}

int wholeYearsBetween(DateTime a, DateTime b)
{
    return wholeMonthsBetween(a, b) / 12;
}

} // namespace pnr::dates
