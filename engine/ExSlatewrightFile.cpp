// The layout file: an 80-byte header, then one 128-byte record per field, little-endian.

#include "Classes.h"
#include "ExPreformattedPrinter.h"
#include "Messages.h"

#include <QFile>
#include <QSaveFile>

namespace sw {

namespace msg {
const Message sInvalidFile("expreformattedprinter.sinvalidfile", "Arquivo inválido: %s");
const Message sInvalidVersion("expreformattedprinter.sinvalidversion", "Versão inválida: %d");
} // namespace msg

namespace {
// Reads exactly n bytes or fails with the stream read error.
void readExactly(QIODevice& file, char* out, qint64 n) {
    qint64 done = 0;
    while (done < n) {
        const qint64 got = file.read(out + done, n - done);
        if (got <= 0)
            RaiseReadError();
        done += got;
    }
}
} // namespace

void TExSlatewright::LoadFromFile(const QString& fileName) {
    FileName = fileName;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        RaiseFOpenError(fileName);
    LoadFromDevice(file, fileName);
}

void TExSlatewright::LoadFromDevice(QIODevice& file, const QString& fileName) {
    char headerBytes[HeaderRecordSize] = {};
    readExactly(file, headerBytes, HeaderRecordSize);
    TExPrinterHeader header = DecodeHeader(headerBytes);
    if (header.Signature.length != Signature.size() || header.Signature.bytes() != Signature)
        RaiseErrorFmt(msg::sInvalidFile.text(), {fileName});
    if (header.Version == 0)
        RaiseErrorFmt(msg::sInvalidVersion.text(), {static_cast<int>(header.Version)});
    // A form name longer than its room can only come from a damaged file.
    if (!header.FormName.lengthFits())
        RaiseErrorFmt(msg::sInvalidFile.text(), {fileName});

    ClearFields();
    try {
        const bool version1 = header.Version == 1;
        if (version1)
            header.Version = CurrentVersion;
        const qint64 size = file.size();
        ReserveFields((size - file.pos()) / FieldRecordSize);
        // Read in blocks of records: one system call per record would dominate large layouts.
        constexpr qint64 blockRecords = 512;
        QByteArray block;
        while (file.pos() < size) {
            const qint64 left = size - file.pos();
            const qint64 want = qMin(left, blockRecords * FieldRecordSize);
            const qint64 whole = (want / FieldRecordSize) * FieldRecordSize;
            const qint64 n = whole > 0 ? whole : FieldRecordSize; // a short tail fails below
            block.resize(n);
            readExactly(file, block.data(), n);
            for (qint64 off = 0; off < n; off += FieldRecordSize) {
                TExPrinterField field = DecodeField(block.constData() + off);
                if (!field.Name.lengthFits() || !field.FontName.lengthFits())
                    RaiseErrorFmt(msg::sInvalidFile.text(), {fileName});
                if (version1) {
                    field.HorzAlignment = static_cast<uint8_t>(field.HorzAlignment + 1);
                    field.VertAlignment = static_cast<uint8_t>(field.VertAlignment + 1);
                }
                AddField(field);
            }
        }
    } catch (...) {
        ClearFields();
        throw;
    }
    FHeader = header;
}

void TExSlatewright::SaveToFile(const QString& fileName) const {
    // Written beside the target and renamed over it only when every byte is written, so a
    // failed save never leaves the previous file damaged.
    QSaveFile file(fileName);
    // Unbuffered: a buffered QSaveFile can report success after a short write on flush (a full
    // disk, a size limit), which would rename a truncated layout over the good one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        RaiseFOpenError(fileName);
    QByteArray bytes(HeaderRecordSize + qint64(FieldCount()) * FieldRecordSize, '\0');
    EncodeHeader(FHeader, bytes.data());
    TExPrinterField field;
    for (int i = 0; i < FieldCount(); ++i) {
        GetField(i, field);
        EncodeField(field, bytes.data() + HeaderRecordSize + qint64(i) * FieldRecordSize);
    }
    if (file.write(bytes) != bytes.size() || !file.commit())
        RaiseWriteError();
}

} // namespace sw
