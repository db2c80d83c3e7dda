#include "LayoutJson.h"

#include <QJsonArray>
#include <cmath>
#include <limits>

namespace sw {

namespace {
// JSON has no NaN or infinity; a damaged file may hold them, so they travel as words.
QJsonValue doubleToJson(double v) {
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v > 0 ? QStringLiteral("Infinity") : QStringLiteral("-Infinity");
    return v;
}

[[noreturn]] void badMember(const QString& where, const QString& key, const char* expected) {
    throw Exception(
        QStringLiteral("%1: \"%2\" must be %3").arg(where, key, QString::fromLatin1(expected)));
}

double readDouble(const QJsonObject& o, const QString& key, double fallback, const QString& where) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return fallback;
    if (v.isDouble())
        return v.toDouble();
    if (v.isString()) {
        const QString s = v.toString();
        if (s == QLatin1String("NaN"))
            return std::numeric_limits<double>::quiet_NaN();
        if (s == QLatin1String("Infinity"))
            return std::numeric_limits<double>::infinity();
        if (s == QLatin1String("-Infinity"))
            return -std::numeric_limits<double>::infinity();
    }
    badMember(where, key, "a number");
}

// Integers must be whole and fit their member: a value that would wrap is refused.
long long readInt(const QJsonObject& o, const QString& key, long long fallback, long long lo,
                  long long hi, const QString& where) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return fallback;
    const double d = v.toDouble(std::numeric_limits<double>::quiet_NaN());
    if (!v.isDouble() || d != std::floor(d) || d < double(lo) || d > double(hi))
        badMember(
            where, key,
            QStringLiteral("a whole number from %1 to %2").arg(lo).arg(hi).toUtf8().constData());
    return static_cast<long long>(d);
}

QString readText(const QJsonObject& o, const QString& key, const QString& fallback,
                 const QString& where) {
    const QJsonValue v = o.value(key);
    if (v.isUndefined())
        return fallback;
    if (!v.isString())
        badMember(where, key, "a text");
    return v.toString();
}

void textTo(ShortString<30>& member, const QString& text, const QString& where,
            const QString& key) {
    const QByteArray utf8 = text.toUtf8();
    if (utf8.size() > 30)
        badMember(where, key, "at most 30 bytes of UTF-8");
    member.assignBytes(utf8);
}
} // namespace

QJsonObject LayoutToJson(const TExSlatewright& doc) {
    const TExPrinterHeader& h = doc.Header();
    QJsonObject root;
    root.insert(QStringLiteral("signature"), h.Signature.toString());
    root.insert(QStringLiteral("version"), h.Version);
    root.insert(QStringLiteral("formName"), h.FormName.toString());
    root.insert(QStringLiteral("paperSize"), h.PaperSize);
    root.insert(QStringLiteral("paperWidth"), doubleToJson(h.PaperWidth));
    root.insert(QStringLiteral("paperHeight"), doubleToJson(h.PaperHeight));
    QJsonArray fields;
    TExPrinterField f;
    for (int i = 0; i < doc.FieldCount(); ++i) {
        doc.GetField(i, f);
        QJsonObject o;
        o.insert(QStringLiteral("name"), f.Name.toString());
        o.insert(QStringLiteral("size"), f.Size);
        o.insert(QStringLiteral("left"), doubleToJson(f.Left));
        o.insert(QStringLiteral("top"), doubleToJson(f.Top));
        o.insert(QStringLiteral("width"), doubleToJson(f.Width));
        o.insert(QStringLiteral("height"), doubleToJson(f.Height));
        o.insert(QStringLiteral("horzAlignment"), f.HorzAlignment);
        o.insert(QStringLiteral("vertAlignment"), f.VertAlignment);
        o.insert(QStringLiteral("fontName"), f.FontName.toString());
        o.insert(QStringLiteral("fontSize"), f.FontSize);
        o.insert(QStringLiteral("fontStyle"), static_cast<qint64>(f.FontStyle));
        o.insert(QStringLiteral("fontColor"), f.FontColor);
        o.insert(QStringLiteral("print"), f.Print);
        fields.append(o);
    }
    root.insert(QStringLiteral("fields"), fields);
    return root;
}

void LayoutFromJson(const QJsonObject& json, TExSlatewright& doc) {
    const QString top = QStringLiteral("layout");
    TExPrinterHeader h = doc.Header();
    const QString signature =
        readText(json, QStringLiteral("signature"), h.Signature.toString(), top);
    if (signature.toUtf8().size() > 20)
        badMember(top, QStringLiteral("signature"), "at most 20 bytes of UTF-8");
    h.Signature.assignBytes(signature.toUtf8());
    h.Version =
        static_cast<uint16_t>(readInt(json, QStringLiteral("version"), h.Version, 0, 65535, top));
    textTo(h.FormName, readText(json, QStringLiteral("formName"), h.FormName.toString(), top), top,
           QStringLiteral("formName"));
    h.PaperSize = static_cast<uint16_t>(
        readInt(json, QStringLiteral("paperSize"), h.PaperSize, 0, 65535, top));
    h.PaperWidth = readDouble(json, QStringLiteral("paperWidth"), h.PaperWidth, top);
    h.PaperHeight = readDouble(json, QStringLiteral("paperHeight"), h.PaperHeight, top);

    const QJsonValue fieldsValue = json.value(QStringLiteral("fields"));
    if (!fieldsValue.isUndefined() && !fieldsValue.isArray())
        badMember(top, QStringLiteral("fields"), "an array");
    const QJsonArray fields = fieldsValue.toArray();
    doc.ClearFields();
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString where = QStringLiteral("field %1").arg(i + 1);
        if (!fields[i].isObject())
            badMember(top, QStringLiteral("fields"), "an array of objects");
        const QJsonObject o = fields[i].toObject();
        TExPrinterField f = ZeroField();
        textTo(f.Name, readText(o, QStringLiteral("name"), QString(), where), where,
               QStringLiteral("name"));
        f.Size = static_cast<uint16_t>(readInt(o, QStringLiteral("size"), 0, 0, 65535, where));
        f.Left = readDouble(o, QStringLiteral("left"), 0, where);
        f.Top = readDouble(o, QStringLiteral("top"), 0, where);
        f.Width = readDouble(o, QStringLiteral("width"), 0, where);
        f.Height = readDouble(o, QStringLiteral("height"), 0, where);
        f.HorzAlignment =
            static_cast<uint8_t>(readInt(o, QStringLiteral("horzAlignment"), 0, 0, 255, where));
        f.VertAlignment =
            static_cast<uint8_t>(readInt(o, QStringLiteral("vertAlignment"), 0, 0, 255, where));
        textTo(f.FontName, readText(o, QStringLiteral("fontName"), QString(), where), where,
               QStringLiteral("fontName"));
        f.FontSize = static_cast<int32_t>(
            readInt(o, QStringLiteral("fontSize"), 0, INT32_MIN, INT32_MAX, where));
        f.FontStyle =
            static_cast<uint32_t>(readInt(o, QStringLiteral("fontStyle"), 0, 0, UINT32_MAX, where));
        f.FontColor = static_cast<int32_t>(
            readInt(o, QStringLiteral("fontColor"), 0, INT32_MIN, INT32_MAX, where));
        f.Print = static_cast<uint8_t>(readInt(o, QStringLiteral("print"), 0, 0, 255, where));
        doc.AddField(f);
    }
    doc.SetHeader(h);
}

} // namespace sw
