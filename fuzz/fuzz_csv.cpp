// links: sw_tools
// Any bytes as CSV records: records or a clean error naming a line, never a crash.

#include "CsvReader.h"
#include "SysUtils.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    sw::CsvReader reader(buffer, QStringLiteral("fuzz.csv"));
    try {
        QStringList record;
        qint64 line = 0;
        while (reader.next(record)) {
            // Every record has a field and starts at or after the one before it.
            if (record.isEmpty() || reader.recordLine() <= line)
                __builtin_trap();
            line = reader.recordLine();
        }
    } catch (const sw::Exception&) {
    }
    return 0;
}
