#include "NumberFormat.h"

#include "LocaleSettings.h"
#include "Messages.h"
#include "SysUtils.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace sw {

namespace {
const Message sInvalidInteger("sysconst.sinvalidinteger", "\"%s\" is an invalid integer");
const Message sInvalidFloat("sysconst.sinvalidfloat", "\"%s\" is an invalid float");

bool isAsciiDigit(QChar c) {
    return c.unicode() >= '0' && c.unicode() <= '9';
}

// A non-negative decimal number 0.d1d2d3... x 10^exp, trailing zeros dropped; empty digits = 0.
struct Decimal {
    std::string digits;
    int exp = 0;

    bool isZero() const { return digits.empty(); }

    void stripZeros() {
        while (!digits.empty() && digits.back() == '0')
            digits.pop_back();
        if (digits.empty())
            exp = 0;
    }

    // Rounds half away from zero so that at most `frac` digits follow the decimal point.
    void roundTo(long long frac) {
        const long long keep = exp + frac;
        if (keep >= static_cast<long long>(digits.size()))
            return;
        if (keep < 0) {
            digits.clear();
            exp = 0;
            return;
        }
        const bool up = digits[static_cast<size_t>(keep)] >= '5';
        digits.resize(static_cast<size_t>(keep));
        if (up) {
            long long i = keep - 1;
            while (i >= 0 && digits[static_cast<size_t>(i)] == '9') {
                digits[static_cast<size_t>(i)] = '0';
                --i;
            }
            if (i < 0) {
                digits.insert(digits.begin(), '1');
                ++exp;
            } else {
                ++digits[static_cast<size_t>(i)];
            }
        }
        stripZeros();
    }

    // The digits before the decimal point, "" for a value below 1.
    std::string integerDigits() const {
        if (exp <= 0)
            return {};
        std::string s = digits.substr(0, static_cast<size_t>(exp));
        s.resize(static_cast<size_t>(exp), '0');
        return s;
    }
    std::string fractionDigits() const {
        if (exp >= 0)
            return static_cast<size_t>(exp) < digits.size()
                       ? digits.substr(static_cast<size_t>(exp))
                       : std::string();
        return std::string(static_cast<size_t>(-exp), '0') + digits;
    }
};

// A double that came in as a long double would show its binary noise beyond 15 digits.
int significantDigitsOf(long double v) {
    return static_cast<long double>(static_cast<double>(v)) == v ? 15 : 18;
}

Decimal toDecimal(long double v, int precision) {
    Decimal d;
    v = std::fabs(v);
    if (v == 0)
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", precision - 1, v);
    const std::string s(buf);
    const size_t e = s.find('e');
    for (size_t i = 0; i < e; ++i)
        if (s[i] >= '0' && s[i] <= '9')
            d.digits += s[i];
    d.exp = std::atoi(s.c_str() + e + 1) + 1;
    d.stripZeros();
    return d;
}

QString nonFinite(long double v) {
    return std::isnan(v) ? QStringLiteral("Nan")
                         : (v < 0 ? QStringLiteral("-Inf") : QStringLiteral("+Inf"));
}

QString generalText(long double value, int precision) {
    if (!std::isfinite(value))
        return nonFinite(value);
    const Decimal d = toDecimal(value, precision);
    if (d.isZero())
        return QStringLiteral("0");
    const QChar point = FormatSettings().DecimalSeparator;
    QString out = value < 0 ? QStringLiteral("-") : QString();
    const int sciExp = d.exp - 1;
    if (sciExp < -4 || sciExp >= precision) {
        out += QLatin1Char(d.digits[0]);
        if (d.digits.size() > 1)
            out += point + QString::fromLatin1(d.digits.substr(1));
        out += QLatin1Char('E') + QString::number(sciExp);
        return out;
    }
    const std::string i = d.integerDigits();
    const std::string f = d.fractionDigits();
    out += i.empty() ? QStringLiteral("0") : QString::fromLatin1(i);
    if (!f.empty())
        out += point + QString::fromLatin1(f);
    return out;
}

// --- number patterns -------------------------------------------------------------------

QList<QString> splitSections(const QString& pattern) {
    QList<QString> sections{QString()};
    QChar quote;
    for (const QChar c : pattern) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            quote = c;
        } else if (c == QLatin1Char(';')) {
            if (sections.size() == 3)
                break;
            sections.append(QString());
            continue;
        }
        sections.last() += c;
    }
    return sections;
}

struct SectionShape {
    int intPlaceholders = 0;
    int firstZeroInt = -1;
    int fracPlaceholders = 0;
    int lastZeroFrac = -1;
    bool thousands = false;
    bool scientific = false;
    int expDigits = 0;
};

bool isExponentAt(const QString& s, qsizetype i) {
    return (s[i] == QLatin1Char('E') || s[i] == QLatin1Char('e')) && i + 1 < s.size() &&
           (s[i + 1] == QLatin1Char('+') || s[i + 1] == QLatin1Char('-'));
}

SectionShape shapeOf(const QString& s) {
    SectionShape sh;
    bool point = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = s.indexOf(c, i + 1);
            i = end < 0 ? s.size() : end;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (point) {
                if (c == QLatin1Char('0'))
                    sh.lastZeroFrac = sh.fracPlaceholders;
                ++sh.fracPlaceholders;
            } else {
                if (c == QLatin1Char('0') && sh.firstZeroInt < 0)
                    sh.firstZeroInt = sh.intPlaceholders;
                ++sh.intPlaceholders;
            }
        } else if (c == QLatin1Char('.')) {
            point = true;
        } else if (c == QLatin1Char(',')) {
            sh.thousands = true;
        } else if (isExponentAt(s, i) && !sh.scientific) {
            sh.scientific = true;
            i += 2;
            while (i < s.size() && s[i] == QLatin1Char('0') && sh.expDigits < 4) {
                ++sh.expDigits;
                ++i;
            }
            // Whatever follows the exponent is copied as it stands.
            break;
        }
    }
    return sh;
}

struct Laid {
    QString text;
    bool zero = true;
};

Laid laySection(const QString& s, long double magnitude) {
    const SectionShape sh = shapeOf(s);
    const TFormatSettings& fs = FormatSettings();
    const int precision = significantDigitsOf(magnitude);
    Decimal d = toDecimal(magnitude, precision);
    long long exponent = 0;
    if (sh.scientific && !d.isZero()) {
        exponent = d.exp - sh.intPlaceholders;
        d.exp = sh.intPlaceholders;
        d.roundTo(sh.fracPlaceholders);
        if (d.exp > sh.intPlaceholders) {
            ++exponent;
            d.exp = sh.intPlaceholders;
        }
    } else {
        d.roundTo(sh.fracPlaceholders);
    }
    Laid out;
    out.zero = d.isZero();

    std::string intStr = d.integerDigits();
    const int minInt = sh.firstZeroInt < 0 ? 0 : sh.intPlaceholders - sh.firstZeroInt;
    if (static_cast<int>(intStr.size()) < minInt)
        intStr.insert(0, static_cast<size_t>(minInt) - intStr.size(), '0');
    std::string frac = d.fractionDigits();
    const size_t minFrac = static_cast<size_t>(sh.lastZeroFrac + 1);
    if (frac.size() < minFrac)
        frac.resize(minFrac, '0');

    const long long L = static_cast<long long>(intStr.size());
    const long long P = sh.intPlaceholders;
    QString& r = out.text;
    auto emitInt = [&](long long i) {
        r += QLatin1Char(intStr[static_cast<size_t>(i)]);
        const long long rest = L - 1 - i;
        if (sh.thousands && rest > 0 && rest % 3 == 0)
            r += fs.ThousandSeparator;
    };
    long long intIdx = 0, fracIdx = 0;
    bool point = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        const QChar c = s[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            const qsizetype end = s.indexOf(c, i + 1);
            r += s.mid(i + 1, (end < 0 ? s.size() : end) - i - 1);
            i = end < 0 ? s.size() : end;
        } else if ((c == QLatin1Char('0') || c == QLatin1Char('#')) && !point) {
            if (intIdx == 0)
                for (long long k = 0; k < L - P; ++k)
                    emitInt(k);
            const long long pos = L - P + intIdx;
            if (pos >= 0)
                emitInt(pos);
            ++intIdx;
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#')) {
            if (static_cast<size_t>(fracIdx) < frac.size())
                r += QLatin1Char(frac[static_cast<size_t>(fracIdx)]);
            ++fracIdx;
        } else if (c == QLatin1Char('.')) {
            if (point)
                continue;
            point = true;
            if (P == 0)
                for (long long k = 0; k < L; ++k)
                    emitInt(k);
            if (!frac.empty())
                r += fs.DecimalSeparator;
        } else if (c == QLatin1Char(',')) {
            continue;
        } else if (sh.scientific && isExponentAt(s, i)) {
            r += c;
            if (exponent < 0)
                r += QLatin1Char('-');
            else if (s[i + 1] == QLatin1Char('+'))
                r += QLatin1Char('+');
            r += QString::number(exponent < 0 ? -exponent : exponent)
                     .rightJustified(sh.expDigits, QLatin1Char('0'));
            i += 2;
            while (i < s.size() && s[i] == QLatin1Char('0'))
                ++i;
            r += s.mid(i);
            break;
        } else {
            r += c;
        }
    }
    return out;
}

bool hasPlaceholders(const QString& s) {
    const SectionShape sh = shapeOf(s);
    return sh.intPlaceholders + sh.fracPlaceholders > 0;
}
} // namespace

QString FormatFloat(const QString& pattern, long double value) {
    if (!std::isfinite(value))
        return nonFinite(value);
    const QList<QString> sections = splitSections(pattern);
    if (sections[0].isEmpty() && sections.size() == 1)
        return generalText(value, significantDigitsOf(value));
    const bool negative = value < 0;
    QString section = sections[0];
    bool ownSign = false;
    if (negative && sections.size() > 1 && !sections[1].isEmpty()) {
        section = sections[1];
        ownSign = true;
    }
    if (section.isEmpty())
        return generalText(value, significantDigitsOf(value));
    if (!hasPlaceholders(section))
        return laySection(section, 0).text;
    Laid laid = laySection(section, std::fabs(value));
    if (laid.zero && sections.size() > 2 && !sections[2].isEmpty())
        return laySection(sections[2], 0).text;
    // A value that rounds to zero shows no minus sign.
    if (negative && !ownSign && !laid.zero)
        return QLatin1Char('-') + laid.text;
    return laid.text;
}

QString FormatCurr(const QString& pattern, TCurrency value) {
    return FormatFloat(pattern, static_cast<long double>(value) / CurrencyScale);
}

QString FloatToStr(long double value) {
    return generalText(value, 15);
}

QString CurrToStr(TCurrency value) {
    const bool negative = value < 0;
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                  : static_cast<unsigned long long>(value);
    QString out = negative ? QStringLiteral("-") : QString();
    out += QString::number(magnitude / CurrencyScale);
    QString frac = QString::number(magnitude % CurrencyScale).rightJustified(4, QLatin1Char('0'));
    while (frac.endsWith(QLatin1Char('0')))
        frac.chop(1);
    if (!frac.isEmpty())
        out += FormatSettings().DecimalSeparator + frac;
    return out;
}

QString IntToStr(long long value) {
    return QString::number(value);
}

bool TryStrToInt(const QString& text, int& value) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == QLatin1Char(' ') || text[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-'))) {
        negative = text[i] == QLatin1Char('-');
        ++i;
    }
    if (i == n)
        return false;
    long long v = 0;
    for (; i < n; ++i) {
        if (!isAsciiDigit(text[i]))
            return false;
        v = v * 10 + (text[i].unicode() - '0');
        if (v > 2147483648LL)
            return false;
    }
    if (negative)
        v = -v;
    if (v > 2147483647LL)
        return false;
    value = static_cast<int>(v);
    return true;
}

int StrToInt(const QString& text) {
    int v = 0;
    if (!TryStrToInt(text, v))
        throw EConvertError(sInvalidInteger.text(), {text});
    return v;
}

bool TryStrToFloat(const QString& text, long double& value) {
    const TFormatSettings& fs = FormatSettings();
    qsizetype b = 0, e = text.size();
    while (b < e && text[b].unicode() <= 32)
        ++b;
    while (e > b && text[e - 1].unicode() <= 32)
        --e;
    const QString s = text.mid(b, e - b);
    if (s.isEmpty() || s.contains(fs.ThousandSeparator))
        return false;
    if (fs.DecimalSeparator != QLatin1Char('.') && s.contains(QLatin1Char('.')))
        return false;
    std::string ascii;
    ascii.reserve(static_cast<size_t>(s.size()));
    qsizetype i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        if (s[i] == QLatin1Char('-'))
            ascii += '-';
        ++i;
    }
    int mantissaDigits = 0;
    while (i < s.size() && isAsciiDigit(s[i])) {
        ascii += static_cast<char>(s[i++].unicode());
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == fs.DecimalSeparator) {
        ascii += '.';
        ++i;
        while (i < s.size() && isAsciiDigit(s[i])) {
            ascii += static_cast<char>(s[i++].unicode());
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0)
        return false;
    if (i < s.size() && (s[i] == QLatin1Char('e') || s[i] == QLatin1Char('E'))) {
        ascii += 'e';
        ++i;
        if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
            ascii += static_cast<char>(s[i++].unicode());
        int expDigits = 0;
        while (i < s.size() && isAsciiDigit(s[i])) {
            ascii += static_cast<char>(s[i++].unicode());
            ++expDigits;
        }
        if (expDigits == 0)
            return false;
    }
    if (i != s.size())
        return false;
    long double v = 0;
    const auto res =
        std::from_chars(ascii.data(), ascii.data() + ascii.size(), v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != ascii.data() + ascii.size() || !std::isfinite(v))
        return false;
    value = v;
    return true;
}

long double StrToFloat(const QString& text) {
    long double v = 0;
    if (!TryStrToFloat(text, v))
        throw EConvertError(sInvalidFloat.text(), {text});
    return v;
}

bool TryFloatToCurr(long double value, TCurrency& result) {
    if (!std::isfinite(value))
        return false;
    const long double scaled = std::nearbyint(value * CurrencyScale);
    if (!(scaled >= -9223372036854775808.0L && scaled < 9223372036854775808.0L))
        return false;
    result = static_cast<TCurrency>(scaled);
    return true;
}

bool TryStrToCurr(const QString& text, TCurrency& value) {
    long double v = 0;
    return TryStrToFloat(text, v) && TryFloatToCurr(v, value);
}

TCurrency StrToCurr(const QString& text) {
    TCurrency v = 0;
    if (!TryStrToCurr(text, v))
        throw EConvertError(sInvalidFloat.text(), {text});
    return v;
}

} // namespace sw
