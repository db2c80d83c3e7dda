#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QStringList>

namespace sw {

// Reads comma-separated records (RFC 4180, UTF-8) one at a time from a device, so a file of any
// length is read in constant memory. Quoted fields may hold commas, line breaks and doubled
// quotes; records end with CRLF or LF; a UTF-8 byte order mark at the start is skipped and blank
// lines are passed over. Malformed input raises Exception naming the line.
class CsvReader {
public:
    // name only labels messages ("-" for stdin, or the file's path).
    CsvReader(QIODevice& device, QString name);

    // The next record into fields; false at the end of the input.
    bool next(QStringList& fields);
    // The line on which the last record read began (1-based).
    qint64 recordLine() const { return m_recordLine; }

private:
    int peek();
    int get();
    [[noreturn]] void fail(const QString& problem, qint64 line) const;
    QString decode(const QByteArray& bytes, qint64 line) const;

    QIODevice& m_device;
    QString m_name;
    QByteArray m_buffer;
    qsizetype m_pos = 0;
    bool m_atStart = true;
    qint64 m_line = 1;
    qint64 m_recordLine = 0;
};

} // namespace sw
