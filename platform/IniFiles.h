#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace sw {

// A small INI file: "[Section]" lines, then "key=value" lines. Section and key names are matched
// without regard to letter case; values are plain text (no quoting, no escapes). Lines that are
// neither (comments, blank lines) are kept as they stand when the file is written back.
//
// Reading never fails: a missing or unreadable file reads as empty and a value that does not
// convert gives the default. Writes are kept in memory until UpdateFile().
class TIniFile {
public:
    explicit TIniFile(QString fileName);

    const QString& FileName() const { return m_fileName; }

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // The key's text as a 32-bit signed decimal number (blanks around it allowed); else def.
    int ReadInteger(const QString& section, const QString& key, int def) const;
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    QStringList Sections() const;
    QStringList Keys(const QString& section) const;

    bool Modified() const { return m_modified; }
    // Writes the whole file (a temporary file renamed over the old one); false when it cannot.
    bool UpdateFile();
    // Writes the same contents to another path, which becomes the file's path on success.
    bool SaveAs(const QString& fileName);

    // The contents as text, and reading from text (tests, fuzzing).
    QString ToText() const;
    void LoadFromText(const QString& text);

private:
    struct Line {
        QString key; // empty for a line that is not key=value
        QString value;
        QString raw; // the line as read, for lines that are not key=value
    };
    struct Section {
        QString name;
        QString headerRaw; // empty for the lines before the first section
        std::vector<Line> lines;
    };

    const Section* findSection(const QString& name) const;
    Section* findSection(const QString& name);
    const Line* findLine(const QString& section, const QString& key) const;

    QString m_fileName;
    std::vector<Section> m_sections; // the first one holds the lines before any section
    bool m_modified = false;
};

} // namespace sw
