#include "CsvReader.h"

#include "SysUtils.h"

#include <QStringDecoder>

namespace sw {

namespace {
constexpr qint64 ChunkSize = 64 * 1024;
constexpr int End = -1;
} // namespace

CsvReader::CsvReader(QIODevice& device, QString name) : m_device(device), m_name(std::move(name)) {}

int CsvReader::peek() {
    if (m_pos >= m_buffer.size()) {
        m_buffer = m_device.read(ChunkSize);
        m_pos = 0;
        if (m_buffer.isEmpty())
            return End;
        if (m_atStart) {
            m_atStart = false;
            if (m_buffer.startsWith("\xEF\xBB\xBF"))
                m_pos = 3;
            if (m_pos >= m_buffer.size())
                return peek();
        }
    }
    return static_cast<unsigned char>(m_buffer[m_pos]);
}

int CsvReader::get() {
    const int c = peek();
    if (c != End)
        ++m_pos;
    if (c == '\n')
        ++m_line;
    return c;
}

void CsvReader::fail(const QString& problem, qint64 line) const {
    throw Exception(QStringLiteral("%1:%2: %3").arg(m_name).arg(line).arg(problem));
}

QString CsvReader::decode(const QByteArray& bytes, qint64 line) const {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        fail(QStringLiteral("the text is not UTF-8"), line);
    return text;
}

bool CsvReader::next(QStringList& fields) {
    for (;;) {
        fields.clear();
        if (peek() == End)
            return false;
        m_recordLine = m_line;
        QByteArray field;
        bool quotedField = false;
        bool anyQuoted = false;
        for (;;) {
            const qint64 fieldLine = m_line;
            int c = get();
            if (c == '"' && field.isEmpty() && !quotedField) {
                quotedField = anyQuoted = true;
                for (;;) {
                    c = get();
                    if (c == End)
                        fail(QStringLiteral("a quoted field is not closed"), fieldLine);
                    if (c == '"') {
                        if (peek() != '"')
                            break;
                        get();
                    }
                    field.append(static_cast<char>(c));
                }
                c = get();
                if (c != ',' && c != '\r' && c != '\n' && c != End)
                    fail(QStringLiteral("text after the closing quote of a field"), m_line);
            } else {
                while (c != ',' && c != '\r' && c != '\n' && c != End) {
                    if (c == '"')
                        fail(QStringLiteral("a quote inside a field that does not start with one"),
                             m_line);
                    field.append(static_cast<char>(c));
                    c = get();
                }
            }
            fields.append(decode(field, fieldLine));
            field.clear();
            quotedField = false;
            if (c == ',')
                continue;
            if (c == '\r' && peek() == '\n')
                get();
            else if (c == '\r')
                ++m_line; // a lone CR ends a line too
            break;
        }
        // A blank line is no record.
        if (fields.size() == 1 && fields[0].isEmpty() && !anyQuoted)
            continue;
        return true;
    }
}

} // namespace sw
