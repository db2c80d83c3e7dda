#include "DateTimeRead.h"

#include "LocaleSettings.h"
#include "Messages.h"
#include "SysUtils.h"

#include <cmath>

namespace sw {

namespace {
const Message sErrInvalidTimeFormat("sysconst.serrinvalidtimeformat", "\"%s\" is not a valid time");
const Message sInvalidDateTimeText("sysconst.sinvaliddatetime",
                                   "\"%s\" is not a valid date and time");

bool isDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// Returns an empty text on success, else the message.
QString readDate(const QString& s, TDateTime& result) {
    // The run-time library never translated these two.
    const auto formatError = [&] {
        return Format(QStringLiteral("\"%s\" is not a valid date format"), {s});
    };
    const TFormatSettings& fs = FormatSettings();
    qsizetype len = s.size();
    while (len > 0) {
        const char16_t c = s[len - 1].unicode();
        if (c != 8 && c != 9 && c != 10 && c != 12 && c != 13 && c != 32)
            break;
        --len;
    }
    if (len == 0)
        return formatError();
    const QChar sep = fs.DateSeparator.isNull() ? QLatin1Char('-') : fs.DateSeparator;

    int yp = 0, mp = 0, dp = 0, which = 0;
    const QString df = fs.ShortDateFormat.toUpper();
    for (qsizetype i = 0; i < df.size() && which < 3; ++i) {
        if (df[i] == QLatin1Char('Y') && yp == 0)
            yp = ++which;
        else if (df[i] == QLatin1Char('M') && mp == 0)
            mp = ++which;
        else if (df[i] == QLatin1Char('D') && dp == 0)
            dp = ++which;
    }

    long long values[4] = {0, 0, 0, 0};
    int n = 0;
    bool longYear = false;
    QString digits;
    for (qsizetype i = 0; i < len; ++i) {
        const QChar c = s[i];
        if (isDigit(c))
            digits += c;
        if (sep != QLatin1Char(' ') && c == QLatin1Char(' '))
            continue;
        if (c == sep || (i == len - 1 && isDigit(c))) {
            if (++n > 3)
                return formatError();
            if (n == yp && digits.size() > 2)
                longYear = true;
            bool ok = false;
            values[n] = digits.toLongLong(&ok);
            // Numbers are kept whole: a day of 65537 is no day, not the 1st.
            if (!ok || digits.size() > 9)
                return formatError();
            digits.clear();
        } else if (!isDigit(c)) {
            return formatError();
        }
    }
    if (which < 3 && n > which)
        return formatError();

    TDateTimeParts today;
    TryDecodeDateTime(Date(), today);
    long long y, m, d;
    if (n == 3) {
        y = values[yp];
        m = values[mp];
        d = values[dp];
    } else {
        y = today.Year;
        if (n < 2) {
            d = values[1];
            m = today.Month;
        } else if (dp < mp) {
            d = values[1];
            m = values[2];
        } else {
            d = values[2];
            m = values[1];
        }
    }
    if (y >= 0 && y < 100 && !longYear) {
        const int window = fs.TwoDigitYearCenturyWindow;
        const long long t = today.Year - window;
        y += t / 100 * 100;
        if (window > 0 && y < t)
            y += 100;
    }
    if (y > 9999 || m > 12 || d > 31 ||
        !TryEncodeDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(d), result))
        return QStringLiteral("Invalid date");
    return {};
}

bool startsWithCI(const QString& s, qsizetype i, const QString& word) {
    return !word.isEmpty() && s.mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

// 0 = none, 1 = morning, 2 = afternoon; i moves past the marker.
int readMarker(const QString& s, qsizetype& i) {
    const TFormatSettings& fs = FormatSettings();
    const QString words[4] = {fs.TimeAMString, fs.TimePMString, QStringLiteral("AM"),
                              QStringLiteral("PM")};
    for (int k = 0; k < 4; ++k) {
        if (startsWithCI(s, i, words[k])) {
            i += words[k].size();
            return k % 2 == 0 ? 1 : 2;
        }
    }
    return 0;
}

bool readTime(const QString& s, TDateTime& result) {
    const TFormatSettings& fs = FormatSettings();
    const qsizetype n = s.size();
    qsizetype i = 0;
    auto skipBlanks = [&] {
        while (i < n && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t')))
            ++i;
    };
    skipBlanks();
    int marker = readMarker(s, i);
    skipBlanks();
    int parts[3] = {0, 0, 0};
    int count = 0;
    int msec = 0;
    while (true) {
        const qsizetype start = i;
        while (i < n && isDigit(s[i]))
            ++i;
        if (i == start)
            return false;
        qsizetype first = start;
        while (first < i - 1 && s[first] == QLatin1Char('0'))
            ++first;
        if (i - first > 2)
            return false;
        parts[count++] = s.mid(first, i - first).toInt();
        if (count < 3 && i < n && s[i] == fs.TimeSeparator) {
            ++i;
            continue;
        }
        break;
    }
    if (count == 3 && i < n && s[i] == fs.DecimalSeparator) {
        ++i;
        const qsizetype start = i;
        while (i < n && isDigit(s[i]))
            ++i;
        if (i == start)
            return false;
        msec =
            s.mid(start, qMin<qsizetype>(3, i - start)).leftJustified(3, QLatin1Char('0')).toInt();
    }
    skipBlanks();
    if (marker == 0)
        marker = readMarker(s, i);
    skipBlanks();
    if (i != n)
        return false;
    int hour = parts[0];
    if (marker != 0) {
        if (hour > 12)
            return false;
        if (marker == 1 && hour == 12)
            hour = 0;
        else if (marker == 2 && hour < 12)
            hour += 12;
    }
    return TryEncodeTime(hour, parts[1], parts[2], msec, result);
}
} // namespace

QString TrimControl(const QString& text) {
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    return text.mid(b, e - b);
}

bool TryStrToDate(const QString& text, TDateTime& value) {
    return readDate(text, value).isEmpty();
}

TDateTime StrToDate(const QString& text) {
    TDateTime v = 0;
    const QString error = readDate(text, v);
    if (!error.isEmpty())
        throw EConvertError(error);
    return v;
}

bool TryStrToTime(const QString& text, TDateTime& value) {
    return readTime(text, value);
}

TDateTime StrToTime(const QString& text) {
    TDateTime v = 0;
    if (!readTime(text, v))
        throw EConvertError(sErrInvalidTimeFormat.text(), {text});
    return v;
}

bool TryStrToDateTime(const QString& text, TDateTime& value) {
    const TFormatSettings& fs = FormatSettings();
    const QString t = TrimControl(text);
    const qsizetype blank = t.indexOf(QLatin1Char(' '));
    TDateTime date = 0, time = 0;
    if (blank < 0) {
        bool isTime = t.contains(fs.TimeSeparator);
        if (isTime && fs.TimeSeparator == fs.DateSeparator)
            isTime = !TryStrToDate(t, date);
        if (isTime) {
            if (!TryStrToTime(t, time))
                return false;
            value = time;
            return true;
        }
        if (!TryStrToDate(t, date))
            return false;
        value = date;
        return true;
    }
    if (!TryStrToDate(t.left(blank), date) || !TryStrToTime(t.mid(blank + 1), time))
        return false;
    value = ComposeDateTime(date, time);
    return true;
}

TDateTime StrToDateTime(const QString& text) {
    TDateTime v = 0;
    if (!TryStrToDateTime(text, v))
        throw EConvertError(sInvalidDateTimeText.text(), {text});
    return v;
}

} // namespace sw
