#include "ExDateUtils.h"

#include "DateTimeFormat.h"
#include "DateTimeRead.h"
#include "ExConsts.h"
#include "LocaleSettings.h"
#include "NumberFormat.h"
#include "SysUtils.h"

#include <cmath>
#include <cstdlib>

namespace sw {

namespace {
const Message sInvalidDate("rtlconsts.sinvaliddate", "\"%s\" is not a valid date");
const Message sInvalidTime("rtlconsts.sinvalidtime", "\"%s\" is not a valid time");
const Message sInvalidDateTime("rtlconsts.sinvaliddatetime", "\"%s\" is not a valid date and time");

bool allDigits(const QString& s) {
    for (const QChar c : s)
        if (c.unicode() < '0' || c.unicode() > '9')
            return false;
    return true;
}

int digitsAt(const QString& s, qsizetype from, qsizetype count) {
    return s.mid(from, count).toInt();
}

QString hourMinuteText(long long minutes) {
    const QString sign = minutes < 0 ? QStringLiteral("-") : QString();
    const long long m = std::llabs(minutes);
    return sign + FormatFloat(QStringLiteral("00"), static_cast<long double>(m / 60)) +
           FormatSettings().TimeSeparator +
           FormatFloat(QStringLiteral("00"), static_cast<long double>(m % 60));
}

QString zoneSign(int minutes) {
    return minutes < 0 ? QStringLiteral("-") : QStringLiteral("+");
}
} // namespace

TDateTime StrToDateEx(const QString& text) {
    const qsizetype len = text.size();
    if (!allDigits(text) || (len != 1 && len != 2 && len != 4 && len != 6 && len != 8))
        return StrToDate(text);
    TDateTimeParts today;
    TryDecodeDateTime(Date(), today);
    int y = today.Year, m = today.Month;
    const int window = FormatSettings().TwoDigitYearCenturyWindow;
    const int threshold = y - window;
    const int d = digitsAt(text, 0, 2);
    if (len >= 4)
        m = digitsAt(text, 2, 2);
    if (len == 6)
        y = digitsAt(text, 4, 2);
    if (len == 8)
        y = digitsAt(text, 4, 4);
    if (y < 100) {
        y += threshold / 100 * 100;
        if (window > 0 && y < threshold)
            y += 100;
    }
    TDateTime result = 0;
    if (!TryEncodeDate(y, m, d, result))
        throw EConvertError(sInvalidDate.text(), {text});
    return result;
}

TDateTime StrToTimeEx(const QString& text) {
    const qsizetype len = text.size();
    if (!allDigits(text) || (len != 1 && len != 2 && len != 4 && len != 6))
        return StrToTime(text);
    const int h = digitsAt(text, 0, 2);
    const int m = len >= 4 ? digitsAt(text, 2, 2) : 0;
    const int s = len == 6 ? digitsAt(text, 4, 2) : 0;
    TDateTime result = 0;
    if (!TryEncodeTime(h, m, s, 0, result))
        throw EConvertError(sInvalidTime.text(), {text});
    return result;
}

TDateTime StrToDateTimeEx(const QString& text) {
    try {
        const qsizetype blank = text.indexOf(QLatin1Char(' '));
        const QString datePart = TrimControl(blank < 0 ? text : text.left(blank));
        const QString timePart = blank < 0 ? QString() : TrimControl(text.mid(blank + 1));
        TDateTime result = StrToDateEx(datePart);
        if (!timePart.isEmpty())
            result = ComposeDateTime(result, StrToTimeEx(timePart));
        return result;
    } catch (const Exception&) {
        throw EConvertError(sInvalidDateTime.text(), {text});
    }
}

int StrToHourMinute(const QString& text) {
    QString hours, minutes;
    if (allDigits(text)) {
        const qsizetype len = text.size();
        if (len == 1 || len == 2) {
            hours = text;
            minutes = QStringLiteral("0");
        } else if (len >= 4) {
            hours = text.left(len - 2);
            minutes = text.right(2);
        }
    } else {
        const QChar sep = FormatSettings().TimeSeparator;
        const qsizetype first = text.indexOf(sep);
        if (first < 0) {
            hours = text;
        } else {
            hours = text.left(first);
            const qsizetype second = text.indexOf(sep, first + 1);
            minutes = text.mid(first + 1, second < 0 ? -1 : second - first - 1);
        }
    }
    int h = 0, m = 0;
    // A sign inside either part would count the minutes against the hours ("-1:30" as -30
    // minutes): the sign belongs to the time zone, not here.
    const bool signedPart = hours.contains(QLatin1Char('-')) || minutes.contains(QLatin1Char('-'));
    if (signedPart || !TryStrToInt(hours, h) || !TryStrToInt(minutes, m))
        throw EConvertError(SExInvalidHourMinute.text(), {text});
    const long long result = static_cast<long long>(h) * 60 + m;
    if (result > 2147483647LL || result < -2147483647LL - 1)
        throw EConvertError(SExInvalidHourMinute.text(), {text});
    return static_cast<int>(result);
}

QString HourMinuteToStr(int minutes) {
    return hourMinuteText(minutes);
}

int StrToTimeZone(const QString& text) {
    try {
        if (text.startsWith(QLatin1Char('+')))
            return StrToHourMinute(text.mid(1));
        if (text.startsWith(QLatin1Char('-')))
            return -StrToHourMinute(text.mid(1));
        return StrToHourMinute(text);
    } catch (const Exception&) {
        throw EConvertError(SExInvalidTimeZone.text(), {text});
    }
}

QString TimeZoneToStr(int minutes) {
    return zoneSign(minutes) + hourMinuteText(std::llabs(static_cast<long long>(minutes)));
}

QString FormatTimeZone(const QString& pattern, int minutes) {
    const long double days = std::fabs(static_cast<long double>(minutes) / MinsPerDay);
    return zoneSign(minutes) + FormatDateTime(pattern, static_cast<double>(days));
}

} // namespace sw
