// links: sw_controls
// Any text through the value readers and any pattern and value through the writers: a value or
// a clean conversion error, never a crash or a hang.
//
// Input: byte 0 picks the routine, byte 1 the locale; the rest is the text, or for the writers
// a pattern up to the first NUL byte followed by the value's bytes.

#include "DateTimeFormat.h"
#include "DateTimeRead.h"
#include "ExConvert.h"
#include "ExDateUtils.h"
#include "LocaleSettings.h"
#include "NumberFormat.h"
#include "SysUtils.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace {
template <typename T> T valueFrom(const QByteArray& bytes) {
    T v{};
    std::memcpy(&v, bytes.constData(), qMin<size_t>(sizeof v, static_cast<size_t>(bytes.size())));
    return v;
}

void check(bool ok) {
    if (!ok)
        __builtin_trap();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2)
        return 0;
    static const sw::TFormatSettings comma = sw::CommaLocaleSettings();
    static const sw::TFormatSettings point = sw::PointLocaleSettings();
    static const sw::ScopedFixedNow now(QDateTime(QDate(2024, 6, 15), QTime(10, 20, 30)));
    sw::SetFormatSettings(data[1] & 1 ? comma : point);
    const QByteArray rest(reinterpret_cast<const char*>(data + 2),
                          static_cast<qsizetype>(size - 2));
    const QString text = QString::fromUtf8(rest);
    const qsizetype nul = rest.indexOf('\0');
    const QString pattern = QString::fromUtf8(nul < 0 ? rest : rest.left(nul));
    const QByteArray valueBytes = nul < 0 ? QByteArray() : rest.mid(nul + 1);
    try {
        switch (data[0] % 12) {
        case 0:
            (void)sw::StrToDateEx(text);
            break;
        case 1: {
            const double t = sw::StrToTimeEx(text);
            check(t >= 0 && t < 1);
            break;
        }
        case 2:
            (void)sw::StrToDateTimeEx(text);
            break;
        case 3:
            (void)sw::StrToHourMinute(text);
            break;
        case 4: {
            const int z = sw::StrToTimeZone(text);
            // What is written reads back as the same offset.
            check(sw::StrToTimeZone(sw::TimeZoneToStr(z)) == z);
            break;
        }
        case 5: {
            int i = 0;
            if (sw::TryStrToInt(text, i))
                check(sw::StrToInt(sw::IntToStr(i)) == i);
            long double f = 0;
            if (sw::TryStrToFloat(text, f))
                check(std::isfinite(f));
            sw::TCurrency c = 0;
            if (sw::TryStrToCurr(text, c))
                check(sw::StrToCurr(sw::CurrToStr(c)) == c);
            break;
        }
        case 6:
            (void)sw::FormatFloat(pattern, valueFrom<long double>(valueBytes));
            (void)sw::FormatFloat(pattern, valueFrom<double>(valueBytes));
            (void)sw::FloatToStr(valueFrom<double>(valueBytes));
            break;
        case 7:
            (void)sw::FormatDateTime(pattern, valueFrom<double>(valueBytes));
            break;
        case 8:
            (void)sw::FormatTimeZone(pattern, valueFrom<int>(valueBytes));
            break;
        case 9: {
            const auto type = static_cast<sw::TExDataType>(valueFrom<uint8_t>(valueBytes) % 9);
            (void)sw::DisplayValueText(type, text, pattern);
            (void)sw::NormalizeValueText(type, text);
            break;
        }
        case 10:
            (void)sw::StrToDate(text);
            break;
        default: {
            sw::TDateTime v = 0;
            (void)sw::TryStrToTime(text, v);
            (void)sw::StrToDateTime(text);
            break;
        }
        }
    } catch (const sw::Exception&) {
    }
    return 0;
}
