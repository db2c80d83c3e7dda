#pragma once

#include "DateTimeValue.h"

#include <QString>

namespace sw {

// Lays a date-time value out by a pattern, letters in any case:
//   c       short date, then a blank and the long time unless the time is exactly 00:00:00
//   d dd    day; ddd dddd short and long day name; ddddd short date; dddddd long date
//   m mm    month (minutes right after an h or hh); mmm mmmm short and long month name
//   yy yyyy two- and four-digit year
//   h hh    hour; n nn minute; s ss second; z zzz millisecond
//   t tt    short and long time
//   am/pm a/p ampm   morning/afternoon marker; any of them turns h into a 12-hour clock
//   / :     the locale date and time separators
//   '...' "..."  copied as they stand; any other character is copied.
// A value outside the years 1 to 9999 (or not finite) raises EConvertError.
QString FormatDateTime(const QString& pattern, TDateTime value);

// The writers by role: "ddddd", "tt", "t" and "c".
QString DateToStr(TDateTime value);
QString TimeToStr(TDateTime value);
QString ShortTimeToStr(TDateTime value);
QString DateTimeToStr(TDateTime value);

} // namespace sw
