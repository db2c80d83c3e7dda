#include "DateTimeValue.h"

#include <cmath>

namespace sw {

namespace {
std::function<QDateTime()>& nowFunction() {
    static std::function<QDateTime()> fn;
    return fn;
}

// Days from 1 January of year 1 to 30 December 1899.
constexpr long long DateDelta = 693594;

long long daysBeforeYear(long long y) {
    --y;
    return y * 365 + y / 4 - y / 100 + y / 400;
}

int cumulative(int year, int month) {
    static const int days[2][13] = {{0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365},
                                    {0, 31, 60, 91, 121, 152, 182, 213, 244, 274, 305, 335, 366}};
    return days[IsLeapYear(year) ? 1 : 0][month - 1];
}
} // namespace

bool IsLeapYear(int year) {
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && IsLeapYear(year) ? 29 : days[month - 1];
}

bool TryEncodeDate(int year, int month, int day, TDateTime& result) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > DaysInMonth(year, month))
        return false;
    const long long n = daysBeforeYear(year) + cumulative(year, month) + day;
    result = static_cast<double>(n - DateDelta);
    return true;
}

bool TryEncodeTime(int hour, int min, int sec, int msec, TDateTime& result) {
    if (hour < 0 || hour > 23 || min < 0 || min > 59 || sec < 0 || sec > 59 || msec < 0 ||
        msec > 999)
        return false;
    const long long ms = ((hour * 60LL + min) * 60 + sec) * 1000 + msec;
    result = static_cast<double>(ms) / static_cast<double>(MSecsPerDay);
    return true;
}

TDateTime ComposeDateTime(TDateTime date, TDateTime time) {
    // Before day 0 the integer part counts backwards while the time still counts forwards.
    return date < 0 ? date - time : date + time;
}

bool TryDecodeDateTime(TDateTime value, TDateTimeParts& parts) {
    if (!std::isfinite(value) || value < -693593.0 || value >= 2958466.0)
        return false;
    long long days = static_cast<long long>(std::trunc(value));
    long long ms = std::llround(std::fabs(value - static_cast<double>(days)) *
                                static_cast<double>(MSecsPerDay));
    if (ms >= MSecsPerDay) {
        // Rounding reached midnight: it belongs to the next day.
        ms -= MSecsPerDay;
        days += value < 0 ? -1 : 1;
    }
    long long n = days + DateDelta; // 1 = 1 January of year 1
    if (n < 1 || n > 3652059)
        return false;
    parts.DayOfWeek = static_cast<int>(n % 7) + 1;
    long long y = (n - 1) * 400 / 146097 + 1;
    while (daysBeforeYear(y + 1) < n)
        ++y;
    while (daysBeforeYear(y) >= n)
        --y;
    int dayOfYear = static_cast<int>(n - daysBeforeYear(y));
    int month = 1;
    while (month < 12 && cumulative(static_cast<int>(y), month + 1) < dayOfYear)
        ++month;
    parts.Year = static_cast<int>(y);
    parts.Month = month;
    parts.Day = dayOfYear - cumulative(parts.Year, month);
    parts.Hour = static_cast<int>(ms / 3600000);
    parts.Minute = static_cast<int>(ms / 60000 % 60);
    parts.Second = static_cast<int>(ms / 1000 % 60);
    parts.MSec = static_cast<int>(ms % 1000);
    return true;
}

TDateTime Now() {
    const QDateTime now = nowFunction() ? nowFunction()() : QDateTime::currentDateTime();
    const QDate d = now.date();
    const QTime t = now.time();
    TDateTime date = 0, time = 0;
    TryEncodeDate(d.year(), d.month(), d.day(), date);
    TryEncodeTime(t.hour(), t.minute(), t.second(), t.msec(), time);
    return ComposeDateTime(date, time);
}

TDateTime Date() {
    return std::trunc(Now());
}

TDateTime Time() {
    const TDateTime n = Now();
    return std::fabs(n - std::trunc(n));
}

void SetNowFunction(std::function<QDateTime()> now) {
    nowFunction() = std::move(now);
}

ScopedFixedNow::ScopedFixedNow(const QDateTime& moment) {
    SetNowFunction([moment] { return moment; });
}

ScopedFixedNow::~ScopedFixedNow() {
    SetNowFunction({});
}

} // namespace sw
