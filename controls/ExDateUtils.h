#pragma once

#include "DateTimeValue.h"

#include <QString>

namespace sw {

// A date typed as plain digits: d, dd, ddmm, ddmmyy or ddmmyyyy, the missing parts taken from
// today and a year below 100 windowed (also one typed with four digits, such as 0023). Any other
// text goes to the locale date reader, whose failures pass through. Fails with
// rtlconsts.sinvaliddate.
TDateTime StrToDateEx(const QString& text);
// A time typed as plain digits: h, hh, hhnn or hhnnss; any other text goes to the locale time
// reader. Fails with rtlconsts.sinvalidtime.
TDateTime StrToTimeEx(const QString& text);
// "date time": the date part by StrToDateEx, the time part (after the first blank) by
// StrToTimeEx. Fails with rtlconsts.sinvaliddatetime filled with the whole text.
TDateTime StrToDateTimeEx(const QString& text);

// Hours and minutes as a count of minutes: digits (h, hh, then the last two digits are the
// minutes) or hours and minutes around the time separator (seconds ignored). No range check:
// 25:75 is 1575. Fails with exconsts.sexinvalidhourminute.
int StrToHourMinute(const QString& text);
// 90 -> "01:30", 6039 -> "100:39".
QString HourMinuteToStr(int minutes);

// An offset in minutes: an optional sign, then StrToHourMinute. Fails with
// exconsts.sexinvalidtimezone.
int StrToTimeZone(const QString& text);
// -210 -> "-03:30", 0 -> "+00:00".
QString TimeZoneToStr(int minutes);
// The sign, then the date-time pattern applied to the offset taken as a fraction of a day.
QString FormatTimeZone(const QString& pattern, int minutes);

} // namespace sw
