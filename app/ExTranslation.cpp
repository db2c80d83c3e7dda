#include "ExTranslation.h"

#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QtDebug>
#include <algorithm>
#include <exception>

namespace sw {

namespace {

// Where the build puts the program's raw-data resources.
const QLatin1String kResourceDir(":/rcdata");

void setInTable(const QByteArray& id, const QString& text) {
    MessageTable::instance().setCurrentText(id, text);
}

} // namespace

ResourceSource CarriedResources() {
    ResourceSource source;
    source.names = [] {
        QStringList names = QDir(kResourceDir).entryList(QDir::Files | QDir::Hidden, QDir::NoSort);
        std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
            const int byCapitals = QString::compare(a.toUpper(), b.toUpper());
            return byCapitals != 0 ? byCapitals < 0 : a < b;
        });
        return names;
    };
    source.read = [](const QString& name) {
        QFile file(kResourceDir + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    return source;
}

bool IsTranslationResource(const QString& name) {
    const qsizetype underscore = name.indexOf(QLatin1Char('_'));
    const QStringView first = QStringView(name).left(underscore < 0 ? name.size() : underscore);
    return first.compare(QLatin1String("ExTranslation"), Qt::CaseInsensitive) == 0;
}

QByteArray JoinTranslationResources(const ResourceSource& source) {
    QByteArray buffer;
    if (!source.names || !source.read)
        return buffer;
    const QStringList names = source.names();
    for (const QString& name : names) {
        if (!IsTranslationResource(name))
            continue;
        buffer += source.read(name);
        // A catalogue without a final line break would otherwise run its last line into the
        // first line of the next one and spoil both entries.
        if (!buffer.isEmpty() && !buffer.endsWith('\n'))
            buffer += "\r\n";
    }
    return buffer;
}

QString WithoutFinalLineBreak(QString text) {
    if (text.size() <= 1)
        return text;
    if (text.size() > 2 && text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\r')) || text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    return text;
}

void ApplyTranslations(const PoIndex& index, const MessageTextSetter& setText) {
    const MessageTable& table = MessageTable::instance();
    const QList<QByteArray> ids = table.ids();
    for (const QByteArray& id : ids) {
        QString text;
        const auto it = index.constFind(id.toLower());
        if (it != index.cend() && !it->fuzzy && SameFormatConversions(it->source, it->translation))
            text = it->translation;
        else
            text = table.builtinText(id);
        text = WithoutFinalLineBreak(text);
        if (!text.isEmpty())
            setText(id, text);
    }
}

void LoadTranslations(const ResourceSource& source, const MessageTextSetter& setText) {
    // Nothing here may stop start-up: on any error the texts stay as they are.
    try {
        const PoIndex index = ReadPoCatalogue(JoinTranslationResources(source));
        ApplyTranslations(index, setText ? setText : MessageTextSetter(setInTable));
    } catch (const std::exception& e) {
        qWarning("Exception while translating: %s", e.what());
    } catch (...) {
        qWarning("Exception while translating: unknown error");
    }
}

void LoadTranslations() {
    LoadTranslations(CarriedResources());
}

} // namespace sw
