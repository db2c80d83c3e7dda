#pragma once

#include "DateTimeValue.h"

#include <QString>

namespace sw {

// The locale date reader. Trailing blanks and control characters are ignored; the text is one to
// three numbers separated by the date separator (blanks skipped unless the separator is a blank),
// taken in the order in which D, M and Y first occur in the short date format. Two numbers are
// day and month of the current year, one number the day of the current month. A year below 100
// written with at most two digits lands in the two-digit-year window. Fails with
// "\"%s\" is not a valid date format" for a text of another form and "Invalid date" for a date
// that does not exist.
TDateTime StrToDate(const QString& text);
bool TryStrToDate(const QString& text, TDateTime& value);

// The locale time reader: leading blanks; hours, then optionally minutes and seconds separated
// by the time separator, each of at most two significant digits; after the seconds an optional
// fraction after the decimal separator; an optional morning or afternoon marker (the locale's,
// or AM and PM) that turns 1 to 12 into 0 to 23. Fails with sysconst.serrinvalidtimeformat.
TDateTime StrToTime(const QString& text);
bool TryStrToTime(const QString& text, TDateTime& value);

// The locale date-time reader: the trimmed text split at its first blank into a date and a
// time. A single part is a time when it holds the time separator (when both separators are the
// same: when it is not a valid date), otherwise a date; a missing date is day 0. Fails with
// sysconst.sinvaliddatetime.
TDateTime StrToDateTime(const QString& text);
bool TryStrToDateTime(const QString& text, TDateTime& value);

// The text with every character of code 0 to 32 removed from both ends.
QString TrimControl(const QString& text);

} // namespace sw
