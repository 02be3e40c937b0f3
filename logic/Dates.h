#pragma once

#include "logic/Text.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

// The calendar facility of the age computation: the clock, the short date format, parsing and
// formatting, and the counting of whole years and months. Dates are local calendar dates; the
// time of day only comes from the clock and never takes part in a count.
namespace pnr::dates {

using DateTime = std::chrono::local_seconds;
using Date = std::chrono::year_month_day;

[[nodiscard]] DateTime makeDateTime(Date date, std::chrono::seconds timeOfDay = {});
[[nodiscard]] Date dateOf(DateTime moment);

// The local date and time of the system clock, or the fixed moment of a FixedClock.
[[nodiscard]] DateTime now();

// While it lives, now() returns the moment it was given. Tests use it to fix "today".
class FixedClock {
public:
    explicit FixedClock(DateTime moment);
    ~FixedClock();
    FixedClock(const FixedClock&) = delete;
    FixedClock& operator=(const FixedClock&) = delete;

private:
    std::optional<DateTime> previous_;
};

// The process-wide short date format used by parseDate and formatDate: three fields y, m and d
// in any order, each written with one to four letters ("yyyy" four-digit year, "yy" two digits,
// "mm" two-digit month, "m" no padding), with one separator character between them, as in
// "yyyy-mm-dd". An unusable pattern is a std::invalid_argument. The default is "mm/dd/yy".
void setShortDateFormat(std::string_view pattern);
[[nodiscard]] std::string shortDateFormat();

// Reads year, month and day in the order of the short date format, each as one to four digits.
// A year of one or two digits lands in the century of the reference year; four digits are
// taken as written; three are refused. Anything that is not
// a real calendar date is a DateError whose message names the text and what is wrong with it.
[[nodiscard]] DateTime parseDate(TextView text, DateTime reference);
[[nodiscard]] Text formatDate(DateTime moment);

[[nodiscard]] int yearOf(DateTime moment);
[[nodiscard]] int dayOf(DateTime moment);
[[nodiscard]] int daysInMonth(DateTime moment);

// The same day and month some years away; 29 February becomes 28 February in a common year.
[[nodiscard]] DateTime addYears(DateTime moment, int years);

// Whole months from the earlier to the later of the two dates: a month is complete when the
// later date's day of month has reached the earlier one's. Whole years are whole months div 12.
[[nodiscard]] int wholeMonthsBetween(DateTime a, DateTime b);
[[nodiscard]] int wholeYearsBetween(DateTime a, DateTime b);

} // namespace pnr::dates
