// dump and build: a layout file to JSON and back.

#include "LayoutJson.h"
#include "Swl.h"

#include <QFile>
#include <QJsonDocument>

namespace sw::swl {

namespace {

QByteArray readInput(const QString& path) {
    QFile file;
    bool ok;
    if (path == QLatin1String("-"))
        ok = file.open(stdin, QIODevice::ReadOnly);
    else {
        file.setFileName(path);
        ok = file.open(QIODevice::ReadOnly);
    }
    if (!ok)
        throw Exception(QStringLiteral("Unable to open file \"%1\"").arg(path));
    return file.readAll();
}
} // namespace

int Dump(const QStringList& args, Io& io) {
    if (args.size() != 1)
        return UsageError("dump LAYOUT.swl", QStringLiteral("expects one layout file"), io);
    TExSlatewright doc;
    doc.LoadFromFile(args[0]);
    io.out << QString::fromUtf8(QJsonDocument(LayoutToJson(doc)).toJson(QJsonDocument::Indented));
    return ExitOk;
}

int Build(const QStringList& args, Io& io) {
    if (args.size() != 2)
        return UsageError("build LAYOUT.json OUT.swl",
                          QStringLiteral("expects a JSON file and an output file"), io);
    QJsonParseError error{};
    const QJsonDocument json = QJsonDocument::fromJson(readInput(args[0]), &error);
    if (error.error != QJsonParseError::NoError)
        throw Exception(QStringLiteral("%1: invalid JSON at offset %2: %3")
                            .arg(args[0])
                            .arg(error.offset)
                            .arg(error.errorString()));
    if (!json.isObject())
        throw Exception(QStringLiteral("%1: the layout must be one JSON object").arg(args[0]));
    TExSlatewright doc;
    LayoutFromJson(json.object(), doc);
    doc.SaveToFile(args[1]);
    return ExitOk;
}

} // namespace sw::swl
