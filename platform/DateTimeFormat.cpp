#include "DateTimeFormat.h"

#include "LocaleSettings.h"
#include "Messages.h"
#include "SysUtils.h"

namespace sw {

namespace {
const Message sDateTimeOutOfRange("sysconst.sinvaliddatetimefloat",
                                  "%s is not a valid date and time value");

// Nested formats (a short date format naming "ddddd", say) end here instead of recursing.
constexpr int MaxNesting = 4;

QString twoDigits(int v) {
    return QString::number(v).rightJustified(2, QLatin1Char('0'));
}

bool startsWithCI(const QString& s, qsizetype i, QLatin1String word) {
    return s.mid(i, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

bool usesTwelveHourClock(const QString& p) {
    QChar quote;
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (startsWithCI(p, i, QLatin1String("am/pm")) ||
                   startsWithCI(p, i, QLatin1String("a/p")) ||
                   startsWithCI(p, i, QLatin1String("ampm"))) {
            return true;
        }
    }
    return false;
}

class Writer {
public:
    Writer(const TDateTimeParts& parts, const TFormatSettings& fs) : m_p(parts), m_fs(fs) {}

    void write(const QString& p, int depth) {
        if (depth > MaxNesting)
            return;
        const bool clock12 = usesTwelveHourClock(p);
        bool afterHour = false;
        for (qsizetype i = 0; i < p.size();) {
            const QChar c = p[i];
            const QChar lc = c.toLower();
            qsizetype run = 1;
            while (i + run < p.size() && p[i + run].toLower() == lc)
                ++run;
            switch (lc.unicode()) {
            case '"':
            case '\'': {
                const qsizetype end = p.indexOf(c, i + 1);
                m_out += p.mid(i + 1, (end < 0 ? p.size() : end) - i - 1);
                i = end < 0 ? p.size() : end + 1;
                continue;
            }
            case 'c':
                write(m_fs.ShortDateFormat, depth + 1);
                if (m_p.Hour || m_p.Minute || m_p.Second || m_p.MSec) {
                    m_out += QLatin1Char(' ');
                    write(m_fs.LongTimeFormat, depth + 1);
                }
                run = 1;
                break;
            case 'd':
                run = qMin<qsizetype>(run, 6);
                if (run == 1)
                    m_out += QString::number(m_p.Day);
                else if (run == 2)
                    m_out += twoDigits(m_p.Day);
                else if (run == 3)
                    m_out += m_fs.ShortDayNames.value(m_p.DayOfWeek - 1);
                else if (run == 4)
                    m_out += m_fs.LongDayNames.value(m_p.DayOfWeek - 1);
                else if (run == 5)
                    write(m_fs.ShortDateFormat, depth + 1);
                else
                    write(m_fs.LongDateFormat, depth + 1);
                break;
            case 'm':
                run = qMin<qsizetype>(run, 4);
                if (afterHour && run <= 2)
                    m_out += run == 1 ? QString::number(m_p.Minute) : twoDigits(m_p.Minute);
                else if (run == 1)
                    m_out += QString::number(m_p.Month);
                else if (run == 2)
                    m_out += twoDigits(m_p.Month);
                else if (run == 3)
                    m_out += m_fs.ShortMonthNames.value(m_p.Month - 1);
                else
                    m_out += m_fs.LongMonthNames.value(m_p.Month - 1);
                break;
            case 'y':
                if (run <= 2)
                    m_out += twoDigits(m_p.Year % 100);
                else
                    m_out += QString::number(m_p.Year).rightJustified(4, QLatin1Char('0'));
                break;
            case 'h': {
                run = qMin<qsizetype>(run, 2);
                int h = m_p.Hour;
                if (clock12) {
                    h %= 12;
                    if (h == 0)
                        h = 12;
                }
                m_out += run == 1 ? QString::number(h) : twoDigits(h);
                break;
            }
            case 'n':
                run = qMin<qsizetype>(run, 2);
                m_out += run == 1 ? QString::number(m_p.Minute) : twoDigits(m_p.Minute);
                break;
            case 's':
                run = qMin<qsizetype>(run, 2);
                m_out += run == 1 ? QString::number(m_p.Second) : twoDigits(m_p.Second);
                break;
            case 'z':
                run = qMin<qsizetype>(run, 3);
                m_out += run < 3 ? QString::number(m_p.MSec)
                                 : QString::number(m_p.MSec).rightJustified(3, QLatin1Char('0'));
                break;
            case 't':
                run = qMin<qsizetype>(run, 2);
                write(run == 1 ? m_fs.ShortTimeFormat : m_fs.LongTimeFormat, depth + 1);
                break;
            case 'a':
                if (startsWithCI(p, i, QLatin1String("am/pm"))) {
                    marker(p.mid(i, 5), QStringLiteral("am"), QStringLiteral("pm"));
                    run = 5;
                } else if (startsWithCI(p, i, QLatin1String("a/p"))) {
                    marker(p.mid(i, 3), QStringLiteral("a"), QStringLiteral("p"));
                    run = 3;
                } else if (startsWithCI(p, i, QLatin1String("ampm"))) {
                    m_out += m_p.Hour < 12 ? m_fs.TimeAMString : m_fs.TimePMString;
                    run = 4;
                } else {
                    m_out += p.mid(i, run);
                }
                break;
            case '/':
                run = 1;
                m_out += m_fs.DateSeparator;
                break;
            case ':':
                run = 1;
                m_out += m_fs.TimeSeparator;
                break;
            default:
                m_out += p.mid(i, run);
                break;
            }
            // Separators and copied text between h and m keep m a minute ("hh:mm").
            if (QStringLiteral("cdmyhnszt").contains(lc) || (lc == QLatin1Char('a') && run > 1))
                afterHour = lc == QLatin1Char('h');
            i += run;
        }
    }

    QString result() const { return m_out; }

private:
    // "am/pm" and "a/p" are written in the case the pattern used.
    void marker(const QString& token, const QString& am, const QString& pm) {
        const bool morning = m_p.Hour < 12;
        QString text = morning ? am : pm;
        const QChar first = morning ? token[0] : token[token.indexOf(QLatin1Char('/')) + 1];
        m_out += first.isUpper() ? text.toUpper() : text;
    }

    const TDateTimeParts& m_p;
    const TFormatSettings& m_fs;
    QString m_out;
};
} // namespace

QString FormatDateTime(const QString& pattern, TDateTime value) {
    TDateTimeParts parts;
    if (!TryDecodeDateTime(value, parts))
        throw EConvertError(sDateTimeOutOfRange.text(), {QString::number(value, 'g', 17)});
    Writer w(parts, FormatSettings());
    // An empty pattern writes as "c" does.
    w.write(pattern.isEmpty() ? QStringLiteral("c") : pattern, 0);
    return w.result();
}

QString DateToStr(TDateTime value) {
    return FormatDateTime(QStringLiteral("ddddd"), value);
}

QString TimeToStr(TDateTime value) {
    return FormatDateTime(QStringLiteral("tt"), value);
}

QString ShortTimeToStr(TDateTime value) {
    return FormatDateTime(QStringLiteral("t"), value);
}

QString DateTimeToStr(TDateTime value) {
    return FormatDateTime(QStringLiteral("c"), value);
}

} // namespace sw
