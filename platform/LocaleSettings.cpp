#include "LocaleSettings.h"

namespace sw {

namespace {
QStringList names(const QLocale& locale, bool months, QLocale::FormatType type) {
    QStringList out;
    if (months) {
        for (int m = 1; m <= 12; ++m)
            out << locale.monthName(m, type);
    } else {
        // Sunday first, as the date-time patterns count days.
        for (int d = 0; d < 7; ++d)
            out << locale.dayName(d == 0 ? 7 : d, type);
    }
    return out;
}

// Qt's date and time letters into ours: M -> m, m -> n, AP -> ampm; quoted text is kept.
QString fromQtPattern(const QString& qt) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < qt.size(); ++i) {
        const QChar c = qt[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += QLatin1Char('"');
            continue;
        }
        if (quoted) {
            out += c;
            continue;
        }
        switch (c.unicode()) {
        case 'M':
            out += QLatin1Char('m');
            break;
        case 'm':
            out += QLatin1Char('n');
            break;
        case 'H':
            out += QLatin1Char('h');
            break;
        case 'A':
        case 'a':
            // "AP" / "ap" in Qt; the second letter is swallowed here.
            if (i + 1 < qt.size() && qt[i + 1].toLower() == QLatin1Char('p'))
                ++i;
            out += QStringLiteral("ampm");
            break;
        case 't':
            break; // time-zone names have no place in these patterns
        default:
            out += c;
        }
    }
    return out.trimmed();
}

QChar firstSeparator(const QString& pattern, QChar fallback) {
    for (const QChar c : pattern)
        if (!c.isLetterOrNumber() && c != QLatin1Char(' ') && c != QLatin1Char('\''))
            return c;
    return fallback;
}

TFormatSettings& snapshot() {
    static TFormatSettings settings = FormatSettingsFromLocale(QLocale::system());
    return settings;
}
} // namespace

TFormatSettings FormatSettingsFromLocale(const QLocale& locale) {
    TFormatSettings s;
    s.DecimalSeparator =
        locale.decimalPoint().isEmpty() ? QLatin1Char('.') : locale.decimalPoint().front();
    s.ThousandSeparator =
        locale.groupSeparator().isEmpty() ? QLatin1Char(',') : locale.groupSeparator().front();
    const QString date = locale.dateFormat(QLocale::ShortFormat);
    const QString time = locale.timeFormat(QLocale::LongFormat);
    s.DateSeparator = firstSeparator(date, QLatin1Char('/'));
    s.TimeSeparator = firstSeparator(time, QLatin1Char(':'));
    // Our readers and writers take the separators from their own fields: "/" and ":" in a
    // pattern stand for them.
    auto withSeparators = [&](QString p) {
        p = fromQtPattern(p);
        if (s.DateSeparator != QLatin1Char('/'))
            p.replace(s.DateSeparator, QLatin1Char('/'));
        if (s.TimeSeparator != QLatin1Char(':'))
            p.replace(s.TimeSeparator, QLatin1Char(':'));
        return p;
    };
    s.ShortDateFormat = withSeparators(date);
    s.LongDateFormat = fromQtPattern(locale.dateFormat(QLocale::LongFormat));
    s.ShortTimeFormat = withSeparators(locale.timeFormat(QLocale::ShortFormat));
    // The long time has no zone name here: strip what fromQtPattern left of it.
    s.LongTimeFormat = withSeparators(time);
    if (!locale.amText().isEmpty())
        s.TimeAMString = locale.amText();
    if (!locale.pmText().isEmpty())
        s.TimePMString = locale.pmText();
    s.ShortMonthNames = names(locale, true, QLocale::ShortFormat);
    s.LongMonthNames = names(locale, true, QLocale::LongFormat);
    s.ShortDayNames = names(locale, false, QLocale::ShortFormat);
    s.LongDayNames = names(locale, false, QLocale::LongFormat);
    return s;
}

namespace {
// The fixed regional settings tests run under; only the separators and the date order differ.
TFormatSettings testLocale(const QLocale& locale, char decimal, char thousands,
                           const char* shortDate) {
    TFormatSettings s = FormatSettingsFromLocale(locale);
    s.DecimalSeparator = QLatin1Char(decimal);
    s.ThousandSeparator = QLatin1Char(thousands);
    s.DateSeparator = QLatin1Char('/');
    s.TimeSeparator = QLatin1Char(':');
    s.ShortDateFormat = QString::fromLatin1(shortDate);
    s.ShortTimeFormat = QStringLiteral("hh:nn");
    s.LongTimeFormat = QStringLiteral("hh:nn:ss");
    s.TimeAMString = QStringLiteral("AM");
    s.TimePMString = QStringLiteral("PM");
    s.TwoDigitYearCenturyWindow = 50;
    return s;
}
} // namespace

TFormatSettings CommaLocaleSettings() {
    return testLocale(QLocale(QLocale::Portuguese, QLocale::Brazil), ',', '.', "dd/mm/yyyy");
}

TFormatSettings PointLocaleSettings() {
    return testLocale(QLocale(QLocale::English, QLocale::UnitedStates), '.', ',', "mm/dd/yyyy");
}

TFormatSettings& FormatSettings() {
    return snapshot();
}

void SetFormatSettings(const TFormatSettings& settings) {
    snapshot() = settings;
}

ScopedFormatSettings::ScopedFormatSettings(const TFormatSettings& settings)
    : m_saved(FormatSettings()) {
    SetFormatSettings(settings);
}

ScopedFormatSettings::~ScopedFormatSettings() {
    SetFormatSettings(m_saved);
}

} // namespace sw
