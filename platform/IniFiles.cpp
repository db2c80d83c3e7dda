#include "IniFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <utility>

namespace sw {

namespace {
bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}
} // namespace

TIniFile::TIniFile(QString fileName) : m_fileName(std::move(fileName)) {
    QFile file(m_fileName);
    if (file.open(QIODevice::ReadOnly))
        LoadFromText(QString::fromUtf8(file.readAll()));
    else
        LoadFromText(QString());
}

void TIniFile::LoadFromText(const QString& text) {
    m_sections.clear();
    m_sections.push_back(Section{});
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString raw = lines[i];
        // Carriage returns at a line's end carry nothing (files edited on other systems).
        while (raw.endsWith(QLatin1Char('\r')))
            raw.chop(1);
        // A final newline leaves an empty last piece that is no line of the file.
        if (i == lines.size() - 1 && raw.isEmpty())
            break;
        const QString t = raw.trimmed();
        if (t.startsWith(QLatin1Char('[')) && t.endsWith(QLatin1Char(']'))) {
            m_sections.push_back(Section{t.mid(1, t.size() - 2).trimmed(), raw, {}});
            continue;
        }
        const qsizetype eq = t.indexOf(QLatin1Char('='));
        const bool comment = t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('#'));
        if (eq > 0 && !comment) {
            const QString key = t.left(eq).trimmed();
            Section& s = m_sections.back();
            // The first of two lines with the same key wins, as readers of such files expect.
            bool seen = false;
            for (const Line& l : s.lines)
                seen = seen || (!l.key.isEmpty() && sameName(l.key, key));
            if (!seen) {
                s.lines.push_back(Line{key, t.mid(eq + 1).trimmed(), QString()});
                continue;
            }
        }
        m_sections.back().lines.push_back(Line{QString(), QString(), raw});
    }
    m_modified = false;
}

const TIniFile::Section* TIniFile::findSection(const QString& name) const {
    for (size_t i = 1; i < m_sections.size(); ++i)
        if (sameName(m_sections[i].name, name))
            return &m_sections[i];
    return nullptr;
}

TIniFile::Section* TIniFile::findSection(const QString& name) {
    return const_cast<Section*>(std::as_const(*this).findSection(name));
}

const TIniFile::Line* TIniFile::findLine(const QString& section, const QString& key) const {
    const Section* s = findSection(section);
    if (!s)
        return nullptr;
    for (const Line& l : s->lines)
        if (!l.key.isEmpty() && sameName(l.key, key))
            return &l;
    return nullptr;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const Line* l = findLine(section, key);
    return l ? l->value : def;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    const Line* l = findLine(section, key);
    if (!l)
        return def;
    bool ok = false;
    const int v = l->value.trimmed().toInt(&ok, 10);
    return ok ? v : def;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    // A line break in a value would start a new line of the file: keep the value on its line.
    QString v = value;
    v.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    Section* s = findSection(section);
    if (!s) {
        m_sections.push_back(Section{section, QLatin1Char('[') + section + QLatin1Char(']'), {}});
        s = &m_sections.back();
    }
    for (Line& l : s->lines) {
        if (!l.key.isEmpty() && sameName(l.key, key)) {
            if (l.value != v) {
                l.value = v;
                m_modified = true;
            }
            return;
        }
    }
    // New keys go after the section's last key, before any blank lines that end it.
    auto at = s->lines.end();
    while (at != s->lines.begin() && std::prev(at)->key.isEmpty() &&
           std::prev(at)->raw.trimmed().isEmpty())
        --at;
    s->lines.insert(at, Line{key, v, QString()});
    m_modified = true;
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

bool TIniFile::SectionExists(const QString& section) const {
    return findSection(section) != nullptr;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return findLine(section, key) != nullptr;
}

QStringList TIniFile::Sections() const {
    QStringList out;
    for (size_t i = 1; i < m_sections.size(); ++i)
        out << m_sections[i].name;
    return out;
}

QStringList TIniFile::Keys(const QString& section) const {
    QStringList out;
    if (const Section* s = findSection(section))
        for (const Line& l : s->lines)
            if (!l.key.isEmpty())
                out << l.key;
    return out;
}

QString TIniFile::ToText() const {
    QString out;
    for (size_t i = 0; i < m_sections.size(); ++i) {
        const Section& s = m_sections[i];
        if (i > 0)
            out += s.headerRaw + QLatin1Char('\n');
        for (const Line& l : s.lines)
            out +=
                (l.key.isEmpty() ? l.raw : l.key + QLatin1Char('=') + l.value) + QLatin1Char('\n');
    }
    return out;
}

bool TIniFile::UpdateFile() {
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = ToText().toUtf8();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return false;
    m_modified = false;
    return true;
}

bool TIniFile::SaveAs(const QString& fileName) {
    const QString old = m_fileName;
    m_fileName = fileName;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    if (UpdateFile())
        return true;
    m_fileName = old;
    return false;
}

} // namespace sw
