// links: sw_engine
// Any bytes as a layout file: a clean error or a layout, never a crash.

#include "ExPreformattedPrinter.h"

#include <QBuffer>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    sw::TExSlatewright doc;
    try {
        doc.LoadFromDevice(buffer, QStringLiteral("fuzz.swl"));
        // A layout that loads must also find each of its own fields by name.
        sw::TExPrinterField f;
        for (int i = 0; i < doc.FieldCount(); ++i) {
            doc.GetField(i, f);
            if (doc.IndexOfField(f.Name.toString()) != i)
                __builtin_trap();
        }
    } catch (const sw::Exception&) {
    }
    return 0;
}
