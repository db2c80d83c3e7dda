#include "PoCatalogue.h"

namespace sw {

namespace {

enum class Target { None, Context, Source, Translation };

// The entry being read, its strings still as UTF-8 bytes.
struct PendingEntry {
    QByteArray id;
    QByteArray context, source, translation;
    bool hasId = false, hasContext = false, hasSource = false, hasTranslation = false;
    bool fuzzy = false;
    Target target = Target::None;

    bool bodyStarted() const { return hasContext || hasSource || hasTranslation; }
};

class Reader {
public:
    explicit Reader(PoIndex& index) : m_index(index) {}

    void line(const char* p, const char* end);
    void finish() { flush(); }

private:
    void flush();
    void comment(const char* p, const char* end);
    QByteArray* targetBytes();

    PoIndex& m_index;
    PendingEntry m_entry;
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\f' || c == '\v';
}

const char* skipBlanks(const char* p, const char* end) {
    while (p < end && isBlank(*p))
        ++p;
    return p;
}

const char* trimEnd(const char* p, const char* end) {
    while (end > p && isBlank(end[-1]))
        --end;
    return end;
}

// Appends the text of one quoted string starting at p (blanks before it allowed), with its
// escapes resolved; an unterminated string runs to the end of the line. \n stands for a line
// break, which the texts of the messages write as CR LF.
void appendQuoted(QByteArray& out, const char* p, const char* end) {
    p = skipBlanks(p, end);
    if (p == end || *p != '"')
        return;
    ++p;
    while (p < end && *p != '"') {
        const char* run = p;
        while (p < end && *p != '"' && *p != '\\')
            ++p;
        out.append(run, p - run);
        if (p == end || *p == '"')
            break;
        if (p + 1 == end) { // a lone backslash at the end of the line
            out += '\\';
            break;
        }
        const char c = p[1];
        p += 2;
        switch (c) {
        case 'n':
            out += "\r\n";
            break;
        case 't':
            out += '\t';
            break;
        case 'r':
            out += '\r';
            break;
        case '"':
        case '\\':
            out += c;
            break;
        default: // not an escape we know: keep it as written
            out += '\\';
            out += c;
        }
    }
}

// Whether the line starts with the keyword as a whole word (followed by a blank or a quote).
bool keyword(const char* p, const char* end, const char* word, const char** rest) {
    const qsizetype n = qstrlen(word);
    if (end - p < n || qstrncmp(p, word, n) != 0)
        return false;
    const char* after = p + n;
    if (after < end && !isBlank(*after) && *after != '"')
        return false;
    *rest = after;
    return true;
}

} // namespace

QByteArray* Reader::targetBytes() {
    switch (m_entry.target) {
    case Target::Context:
        return &m_entry.context;
    case Target::Source:
        return &m_entry.source;
    case Target::Translation:
        return &m_entry.translation;
    case Target::None:
        break;
    }
    return nullptr;
}

void Reader::flush() {
    if (m_entry.hasId && !m_entry.id.isEmpty() && !m_entry.translation.isEmpty()) {
        m_index.insert(m_entry.id, PoEntry{QString::fromUtf8(m_entry.context),
                                           QString::fromUtf8(m_entry.source),
                                           QString::fromUtf8(m_entry.translation), m_entry.fuzzy});
    }
    m_entry = PendingEntry{};
}

void Reader::comment(const char* p, const char* end) {
    // A comment after an entry's strings opens the next entry.
    if (m_entry.bodyStarted())
        flush();
    m_entry.target = Target::None;
    if (end - p < 2)
        return;
    if (p[1] == ':') {
        const char* from = skipBlanks(p + 2, end);
        QByteArray id(from, trimEnd(from, end) - from);
        id = id.toLower();
        id.replace(':', '.');
        m_entry.id = id;
        m_entry.hasId = true;
    } else if (p[1] == ',') {
        const QList<QByteArray> flags = QByteArray(p + 2, end - p - 2).split(',');
        for (const QByteArray& flag : flags) {
            if (flag.trimmed() == "fuzzy")
                m_entry.fuzzy = true;
        }
    }
}

void Reader::line(const char* p, const char* end) {
    // A byte-order mark may open any of the joined catalogues.
    if (end - p >= 3 && p[0] == '\xEF' && p[1] == '\xBB' && p[2] == '\xBF')
        p += 3;
    p = skipBlanks(p, end);
    end = trimEnd(p, end);
    const char* rest = nullptr;
    if (p == end) {
        flush();
    } else if (*p == '#') {
        comment(p, end);
    } else if (*p == '"') {
        if (QByteArray* bytes = targetBytes())
            appendQuoted(*bytes, p, end);
    } else if (keyword(p, end, "msgctxt", &rest)) {
        if (m_entry.bodyStarted())
            flush();
        m_entry.context.clear();
        appendQuoted(m_entry.context, rest, end);
        m_entry.hasContext = true;
        m_entry.target = Target::Context;
    } else if (keyword(p, end, "msgid", &rest)) {
        // A second msgid, such as the header that opens the next catalogue, starts a new entry.
        if (m_entry.hasSource || m_entry.hasTranslation)
            flush();
        m_entry.source.clear();
        appendQuoted(m_entry.source, rest, end);
        m_entry.hasSource = true;
        m_entry.target = Target::Source;
    } else if (keyword(p, end, "msgstr", &rest)) {
        if (m_entry.hasTranslation)
            flush();
        m_entry.translation.clear();
        appendQuoted(m_entry.translation, rest, end);
        m_entry.hasTranslation = true;
        m_entry.target = Target::Translation;
    } else {
        // msgid_plural, msgstr[n] and anything unknown: skipped with their continuation lines.
        m_entry.target = Target::None;
    }
}

PoIndex ReadPoCatalogue(const QByteArray& text) {
    PoIndex index;
    Reader reader(index);
    const char* p = text.constData();
    const char* const end = p + text.size();
    while (p < end) {
        const char* eol = static_cast<const char*>(memchr(p, '\n', end - p));
        const char* lineEnd = eol ? eol : end;
        reader.line(p, lineEnd);
        p = eol ? eol + 1 : end;
    }
    reader.finish();
    return index;
}

namespace {

QString conversions(const QString& s) {
    static const QLatin1String optional(":-.0123456789");
    QString out;
    const qsizetype n = s.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (s[i] != QLatin1Char('%'))
            continue;
        qsizetype j = i + 1;
        while (j < n && optional.contains(s[j]))
            ++j;
        if (j >= n)
            break;
        if (!(j == i + 1 && s[j] == QLatin1Char('%')))
            out += s[j].toLower();
        i = j;
    }
    return out;
}

} // namespace

bool SameFormatConversions(const QString& source, const QString& translation) {
    return conversions(source) == conversions(translation);
}

} // namespace sw
