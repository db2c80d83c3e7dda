#pragma once

#include <QChar>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace sw {

// The user's regional settings as the conversions read them. Patterns use the run-time
// library's letters: d m y for the date, h n s z for the time, "/" and ":" for the separators.
struct TFormatSettings {
    QChar DecimalSeparator = QLatin1Char('.');
    QChar ThousandSeparator = QLatin1Char(',');
    QChar DateSeparator = QLatin1Char('/');
    QChar TimeSeparator = QLatin1Char(':');
    QString ShortDateFormat = QStringLiteral("dd/mm/yyyy");
    QString LongDateFormat = QStringLiteral("dddd, d mmmm yyyy");
    QString ShortTimeFormat = QStringLiteral("hh:nn");
    QString LongTimeFormat = QStringLiteral("hh:nn:ss");
    QString TimeAMString = QStringLiteral("AM");
    QString TimePMString = QStringLiteral("PM");
    // A year typed with two digits lands within this many years before today and the years
    // after it, so that 74 is 1974 and 73 is 2073 in 2024.
    int TwoDigitYearCenturyWindow = 50;
    QStringList ShortMonthNames; // 12 entries, January first
    QStringList LongMonthNames;
    QStringList ShortDayNames; // 7 entries, Sunday first
    QStringList LongDayNames;
};

// The process-wide snapshot, taken from QLocale::system() at first use. Every conversion reads
// it at the moment it runs; nothing keeps a copy.
TFormatSettings& FormatSettings();
// Replaces the snapshot (tests, and a program that wants fixed settings).
void SetFormatSettings(const TFormatSettings& settings);

// The settings of a Qt locale, translated into the run-time library's pattern letters.
TFormatSettings FormatSettingsFromLocale(const QLocale& locale);
// A Brazilian-style locale: "," decimal, "." thousands, dd/mm/yyyy, hh:nn and hh:nn:ss.
TFormatSettings CommaLocaleSettings();
// An English-style locale: "." decimal, "," thousands, mm/dd/yyyy, hh:nn and hh:nn:ss.
TFormatSettings PointLocaleSettings();

// Puts a snapshot in place for the lifetime of a scope and restores the previous one (tests).
class ScopedFormatSettings {
public:
    explicit ScopedFormatSettings(const TFormatSettings& settings);
    ~ScopedFormatSettings();
    ScopedFormatSettings(const ScopedFormatSettings&) = delete;
    ScopedFormatSettings& operator=(const ScopedFormatSettings&) = delete;

private:
    TFormatSettings m_saved;
};

} // namespace sw
