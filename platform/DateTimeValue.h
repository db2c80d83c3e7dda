#pragma once

#include <QDateTime>
#include <functional>

namespace sw {

// A date-time value: days since 30 December 1899 00:00; the integer part is the date, the
// fraction the time of day. Before that day the fraction still counts forward from midnight
// (-1.25 is 29 December 1899 06:00).
using TDateTime = double;

constexpr int MinsPerDay = 1440;
constexpr long long MSecsPerDay = 86400000;

bool IsLeapYear(int year);
int DaysInMonth(int year, int month);

// Years 1 to 9999 only. The Try forms report a date or time that does not exist.
bool TryEncodeDate(int year, int month, int day, TDateTime& result);
bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result);
// The date and the time of day joined, also for dates before 30 December 1899.
TDateTime ComposeDateTime(TDateTime date, TDateTime time);

struct TDateTimeParts {
    int Year = 1899, Month = 12, Day = 30;
    int Hour = 0, Minute = 0, Second = 0, MSec = 0;
    int DayOfWeek = 7; // 1 = Sunday ... 7 = Saturday
};
// Splits a value into its parts, the time rounded to the millisecond. False for a value outside
// years 1 to 9999 (or not finite).
bool TryDecodeDateTime(TDateTime value, TDateTimeParts& parts);

// Today and now, from the local clock unless a test has put a fixed moment in place.
TDateTime Now();
TDateTime Date();
TDateTime Time();
// Replaces the clock; an empty function puts the local clock back.
void SetNowFunction(std::function<QDateTime()> now);

class ScopedFixedNow {
public:
    explicit ScopedFixedNow(const QDateTime& moment);
    ~ScopedFixedNow();
    ScopedFixedNow(const ScopedFixedNow&) = delete;
    ScopedFixedNow& operator=(const ScopedFixedNow&) = delete;
};

} // namespace sw
