#pragma once
// Small layouts written byte by byte, independently of the engine's own writer.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtEndian>
#include <cstring>

namespace testbytes {

inline QByteArray header(quint16 version = 2, const QByteArray& formName = "Nota",
                         quint16 paperSize = 9, double w = 0, double h = 0,
                         const QByteArray& signature = "QZSlatewright") {
    QByteArray b(80, '\0');
    b[0] = static_cast<char>(signature.size());
    std::memcpy(b.data() + 1, signature.constData(), qMin<qsizetype>(signature.size(), 20));
    qToLittleEndian<quint16>(version, b.data() + 22);
    b[24] = static_cast<char>(formName.size());
    std::memcpy(b.data() + 25, formName.constData(), qMin<qsizetype>(formName.size(), 30));
    qToLittleEndian<quint16>(paperSize, b.data() + 56);
    qToLittleEndian<double>(w, b.data() + 64);
    qToLittleEndian<double>(h, b.data() + 72);
    return b;
}

inline QByteArray record(const QByteArray& name, quint8 horz = 1, quint8 vert = 1,
                         double left = 1.5, double top = 2.25, quint16 size = 10) {
    QByteArray b(128, '\0');
    b[0] = static_cast<char>(name.size());
    std::memcpy(b.data() + 1, name.constData(), qMin<qsizetype>(name.size(), 30));
    qToLittleEndian<quint16>(size, b.data() + 32);
    qToLittleEndian<double>(left, b.data() + 40);
    qToLittleEndian<double>(top, b.data() + 48);
    qToLittleEndian<double>(5.0, b.data() + 56);
    qToLittleEndian<double>(0.5, b.data() + 64);
    b[72] = static_cast<char>(horz);
    b[73] = static_cast<char>(vert);
    b[76] = 11;
    std::memcpy(b.data() + 77, "Courier New", 11);
    qToLittleEndian<qint32>(10, b.data() + 108);
    qToLittleEndian<quint32>(3, b.data() + 112);
    qToLittleEndian<qint32>(0x00FF0000, b.data() + 116);
    b[120] = 1;
    return b;
}

inline QString write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return path;
}

inline QByteArray read(const QString& path) {
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace testbytes
