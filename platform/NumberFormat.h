#pragma once

#include <QString>
#include <cstdint>

namespace sw {

// A currency value: a signed 64-bit count of ten-thousandths (four fixed decimals).
using TCurrency = int64_t;
constexpr TCurrency CurrencyScale = 10000;

// Lays a value out by a number pattern: "0" forces a digit, "#" shows one only when needed,
// the first "." places the locale decimal separator, a "," turns on locale thousands
// separators, "E+"/"E-" followed by "0"s gives a scientific form, text in '...' or "..." and
// every other character is copied. Up to three sections "positive;negative;zero". An empty
// pattern gives the general number writer's text.
QString FormatFloat(const QString& pattern, long double value);
QString FormatCurr(const QString& pattern, TCurrency value);

// The general number writer: the shortest text with up to 15 significant digits, the locale
// decimal separator, no thousands separators; scientific ("1.5E20", "1E-7") only for very large
// or very small values.
QString FloatToStr(long double value);
// The currency writer: the same form with at most four decimals, exact.
QString CurrToStr(TCurrency value);
// The integer writer.
QString IntToStr(long long value);

// The integer reader: optional leading blanks, an optional sign, decimal digits, into a signed
// 32-bit integer. Fails with sysconst.sinvalidinteger.
bool TryStrToInt(const QString& text, int& value);
int StrToInt(const QString& text);

// The float reader: the text is trimmed; it may not contain the locale thousands separator, nor
// a "." when the locale decimal separator is another character; a decimal number with the
// locale decimal separator and an optional exponent, read in extended precision. Values beyond
// the extended range are refused. Fails with sysconst.sinvalidfloat.
bool TryStrToFloat(const QString& text, long double& value);
long double StrToFloat(const QString& text);

// Rounds to the nearest ten-thousandth; false beyond the currency range or when not finite.
bool TryFloatToCurr(long double value, TCurrency& result);
// The currency reader: as the float reader, giving four decimals. Fails with
// sysconst.sinvalidfloat.
bool TryStrToCurr(const QString& text, TCurrency& value);
TCurrency StrToCurr(const QString& text);

} // namespace sw
