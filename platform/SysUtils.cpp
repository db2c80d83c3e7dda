#include "SysUtils.h"

#include "LocaleSettings.h"
#include "Messages.h"

#include <cmath>
#include <cstdio>

namespace sw {

namespace {
const Message sInvalidFormat("sysconst.sinvalidformat",
                             "Format '%s' invalid or incompatible with argument");
const Message sArgumentMissing("sysconst.sargumentmissing", "No argument for format '%s'");

[[noreturn]] void formatError(const Message& msg, const QString& directive) {
    // Built by hand: formatting the error with Format itself could recurse.
    throw EConvertError(msg.text().replace(QStringLiteral("%s"), directive));
}

QString groupThousands(const QString& digits, QChar sep) {
    QString out;
    const qsizetype n = digits.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += sep;
        out += digits[i];
    }
    return out;
}

QString fixed(long double v, int prec, bool thousands) {
    const auto& seps = DefaultFormatSeparators();
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*Lf", prec < 0 ? 0 : (prec > 18 ? 18 : prec), v);
    QString s = QString::fromLatin1(buf);
    if (!std::isfinite(v))
        return s.toUpper() == QLatin1String("NAN") ? QStringLiteral("Nan")
               : v < 0                             ? QStringLiteral("-Inf")
                                                   : QStringLiteral("+Inf");
    bool neg = s.startsWith(QLatin1Char('-'));
    if (neg)
        s.remove(0, 1);
    qsizetype dot = s.indexOf(QLatin1Char('.'));
    QString intPart = dot < 0 ? s : s.left(dot);
    QString frac = dot < 0 ? QString() : s.mid(dot + 1);
    if (thousands)
        intPart = groupThousands(intPart, seps.thousands);
    QString out = intPart;
    if (!frac.isEmpty())
        out += seps.decimal + frac;
    return neg ? QLatin1Char('-') + out : out;
}

QString scientific(long double v, int prec) {
    // Pascal's %e: prec significant digits, the exponent with a sign and at least three digits.
    if (prec <= 0 || prec > 18)
        prec = 15;
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*LE", prec - 1, v);
    QString s = QString::fromLatin1(buf);
    qsizetype e = s.indexOf(QLatin1Char('E'));
    if (e > 0) {
        QString mant = s.left(e);
        QString exp = s.mid(e + 1);
        QChar sign = exp[0];
        QString digits = exp.mid(1);
        while (digits.size() < 3)
            digits.prepend(QLatin1Char('0'));
        s = mant + QLatin1Char('E') + sign + digits;
    }
    s.replace(QLatin1Char('.'), DefaultFormatSeparators().decimal);
    return s;
}

QString general(long double v, int prec) {
    if (prec <= 0 || prec > 18)
        prec = 15;
    char buf[128];
    std::snprintf(buf, sizeof buf, "%.*LG", prec, v);
    QString s = QString::fromLatin1(buf);
    s.replace(QLatin1Char('.'), DefaultFormatSeparators().decimal);
    return s;
}
} // namespace

FormatSeparators& DefaultFormatSeparators() {
    // Follows the regional settings: whenever their separators change they are taken over;
    // an assignment made here directly holds until then.
    static FormatSeparators seps;
    static FormatSeparators seen{QChar(), QChar()};
    const TFormatSettings& fs = FormatSettings();
    if (fs.DecimalSeparator != seen.decimal || fs.ThousandSeparator != seen.thousands) {
        seen = {fs.DecimalSeparator, fs.ThousandSeparator};
        seps = seen;
    }
    return seps;
}

QString Format(const char* patternUtf8, FormatArgs args) {
    return Format(QString::fromUtf8(patternUtf8), args);
}

QString Format(const QString& pattern, FormatArgs args) {
    const FormatArg* argv = args.begin();
    const qsizetype argc = static_cast<qsizetype>(args.size());
    qsizetype next = 0;
    QString out;
    out.reserve(pattern.size() + 16);
    const qsizetype n = pattern.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = pattern[i];
        if (c != QLatin1Char('%')) {
            out += c;
            ++i;
            continue;
        }
        const qsizetype start = i++;
        if (i < n && pattern[i] == QLatin1Char('%')) {
            out += QLatin1Char('%');
            ++i;
            continue;
        }
        auto directive = [&] { return pattern.mid(start, qMin(i + 1, n) - start); };
        auto takeInt = [&](bool& found) -> long long {
            found = false;
            if (i < n && pattern[i] == QLatin1Char('*')) {
                ++i;
                found = true;
                if (next >= argc)
                    formatError(sArgumentMissing, directive());
                const auto* iv = std::get_if<long long>(&argv[next++].value());
                if (!iv)
                    formatError(sInvalidFormat, directive());
                return *iv;
            }
            long long v = 0;
            while (i < n && pattern[i].isDigit() && pattern[i].unicode() < 128) {
                found = true;
                v = v * 10 + (pattern[i].unicode() - '0');
                if (v > 1000000)
                    formatError(sInvalidFormat, directive());
                ++i;
            }
            return v;
        };
        bool has = false;
        long long first = takeInt(has);
        if (has && i < n && pattern[i] == QLatin1Char(':')) {
            next = static_cast<qsizetype>(first);
            ++i;
            first = takeInt(has);
        }
        bool left = false;
        if (!has && i < n && pattern[i] == QLatin1Char('-')) {
            left = true;
            ++i;
            first = takeInt(has);
        }
        const long long width = has ? first : -1;
        long long prec = -1;
        if (i < n && pattern[i] == QLatin1Char('.')) {
            ++i;
            bool hp = false;
            prec = takeInt(hp);
            if (!hp)
                prec = -1;
        }
        if (i >= n)
            formatError(sInvalidFormat, directive());
        const QChar type = pattern[i].toLower();
        if (next < 0 || next >= argc)
            formatError(sArgumentMissing, directive());
        const auto& value = argv[next++].value();
        QString text;
        const auto* iv = std::get_if<long long>(&value);
        const auto* fv = std::get_if<long double>(&value);
        const auto* sv = std::get_if<QString>(&value);
        switch (type.unicode()) {
        case 'd':
        case 'u':
            if (!iv)
                formatError(sInvalidFormat, directive());
            {
                long long v = *iv;
                if (type == QLatin1Char('u') && v < 0)
                    v = static_cast<long long>(static_cast<unsigned int>(v));
                QString digits = QString::number(v < 0 ? -static_cast<unsigned long long>(v)
                                                       : static_cast<unsigned long long>(v));
                while (prec > 0 && digits.size() < prec)
                    digits.prepend(QLatin1Char('0'));
                text = (v < 0 ? QStringLiteral("-") : QString()) + digits;
            }
            break;
        case 'x':
            if (!iv)
                formatError(sInvalidFormat, directive());
            text = QString::number(static_cast<unsigned long long>(*iv), 16).toUpper();
            while (prec > 0 && text.size() < prec)
                text.prepend(QLatin1Char('0'));
            break;
        case 'p':
            if (!iv)
                formatError(sInvalidFormat, directive());
            text = QString::number(static_cast<unsigned long long>(*iv), 16)
                       .toUpper()
                       .rightJustified(16, QLatin1Char('0'));
            break;
        case 'e':
        case 'f':
        case 'g':
        case 'n':
        case 'm': {
            if (!fv && !iv)
                formatError(sInvalidFormat, directive());
            const long double v = fv ? *fv : static_cast<long double>(*iv);
            if (type == QLatin1Char('e'))
                text = scientific(v, static_cast<int>(prec));
            else if (type == QLatin1Char('g'))
                text = general(v, static_cast<int>(prec));
            else
                text = fixed(v, prec < 0 ? 2 : static_cast<int>(prec), type != QLatin1Char('f'));
            break;
        }
        case 's':
            if (!sv)
                formatError(sInvalidFormat, directive());
            text = prec >= 0 ? sv->left(prec) : *sv;
            break;
        default:
            formatError(sInvalidFormat, directive());
        }
        ++i;
        if (width > text.size())
            text = left ? text.leftJustified(width) : text.rightJustified(width);
        out += text;
    }
    return out;
}

Exception::Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toUtf8()) {}

Exception::Exception(const QString& pattern, FormatArgs args) : Exception(Format(pattern, args)) {}

Exception::~Exception() = default;

} // namespace sw
