#include "ExConvert.h"

#include "DateTimeFormat.h"
#include "DateTimeRead.h"
#include "ExDateUtils.h"
#include "SysUtils.h"

namespace sw {

TCurrency ReadCurrencyValue(const QString& text) {
    return StrToCurr(text);
}

QString NormalizeValueText(TExDataType type, const QString& text) {
    switch (type) {
    case dtCurrency:
        return CurrToStr(StrToCurr(text));
    case dtDate:
        return DateToStr(StrToDateEx(text));
    case dtDateTime:
        return DateTimeToStr(StrToDateTime(text));
    case dtFloat:
        return FloatToStr(StrToFloat(text));
    case dtInteger:
        return IntToStr(StrToInt(text));
    case dtString:
        return text;
    case dtTime:
        return TimeToStr(StrToTimeEx(text));
    case dtShortTime:
        return ShortTimeToStr(StrToTimeEx(text));
    case dtTimeZone:
        return TimeZoneToStr(StrToTimeZone(text));
    }
    return text;
}

namespace {
QString displayOf(TExDataType type, const QString& text, const QString& f) {
    const bool plain = f.isEmpty();
    switch (type) {
    case dtCurrency: {
        const TCurrency v = ReadCurrencyValue(text);
        return plain ? CurrToStr(v) : FormatCurr(f, v);
    }
    case dtDate: {
        const TDateTime v = StrToDateEx(text);
        return plain ? DateToStr(v) : FormatDateTime(f, v);
    }
    case dtDateTime: {
        const TDateTime v = StrToDateTimeEx(text);
        return plain ? DateTimeToStr(v) : FormatDateTime(f, v);
    }
    case dtFloat: {
        const long double v = StrToFloat(text);
        return plain ? FloatToStr(static_cast<double>(v)) : FormatFloat(f, v);
    }
    case dtInteger: {
        const int v = StrToInt(text);
        return plain ? IntToStr(v) : FormatFloat(f, v);
    }
    case dtString:
        return text;
    case dtTime: {
        const TDateTime v = StrToTimeEx(text);
        return plain ? TimeToStr(v) : FormatDateTime(f, v);
    }
    case dtShortTime: {
        const TDateTime v = StrToTimeEx(text);
        return plain ? ShortTimeToStr(v) : FormatDateTime(f, v);
    }
    case dtTimeZone: {
        const int v = StrToTimeZone(text);
        return plain ? TimeZoneToStr(v) : FormatTimeZone(f, v);
    }
    }
    return text;
}
} // namespace

QString DisplayValueText(TExDataType type, const QString& text, const QString& displayFormat) {
    if (text.isEmpty())
        return QString();
    try {
        return displayOf(type, text, displayFormat);
    } catch (const Exception&) {
        return text;
    }
}

} // namespace sw
