#pragma once

#include <QString>
#include <exception>
#include <initializer_list>
#include <variant>

namespace sw {

// One argument of Format: an integer, a floating-point number or a text.
class FormatArg {
public:
    FormatArg(int v) : m_value(static_cast<long long>(v)) {}
    FormatArg(unsigned v) : m_value(static_cast<long long>(v)) {}
    FormatArg(long v) : m_value(static_cast<long long>(v)) {}
    FormatArg(long long v) : m_value(v) {}
    FormatArg(unsigned long long v) : m_value(static_cast<long long>(v)) {}
    FormatArg(double v) : m_value(static_cast<long double>(v)) {}
    FormatArg(long double v) : m_value(v) {}
    FormatArg(const QString& v) : m_value(v) {}
    FormatArg(const char* utf8) : m_value(QString::fromUtf8(utf8)) {}

    const std::variant<long long, long double, QString>& value() const { return m_value; }

private:
    std::variant<long long, long double, QString> m_value;
};

using FormatArgs = std::initializer_list<FormatArg>;

// The separators Format uses for %f, %n, %e, %g and %m; the regional settings set them.
struct FormatSeparators {
    QChar decimal = QLatin1Char('.');
    QChar thousands = QLatin1Char(',');
};
FormatSeparators& DefaultFormatSeparators();

// Pascal-style formatting: %[index:][-][width][.precision]type with the types d, u, x, e, f, g,
// n, m, p and s; "*" takes a width or precision from the arguments; "%%" is a percent sign.
// A directive that does not fit its argument raises EConvertError.
QString Format(const QString& pattern, FormatArgs args);
QString Format(const char* patternUtf8, FormatArgs args);

// The general error: a message in UTF-8 text.
class Exception : public std::exception {
public:
    explicit Exception(QString message);
    Exception(const QString& pattern, FormatArgs args);
    ~Exception() override;

    const QString& message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// A text that does not convert to the value asked for.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// The silent error: it ends a command without any message.
class EAbort : public Exception {
public:
    EAbort() : Exception(QStringLiteral("Operation aborted")) {}
};

} // namespace sw
