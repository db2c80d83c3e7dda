#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

namespace sw {

// One message entry of a gettext PO catalogue.
struct PoEntry {
    QString context;     // msgctxt, read but never used as a key
    QString source;      // msgid: the built-in (English) text
    QString translation; // msgstr
    bool fuzzy = false;
};

// Message identifier (lower case, colons read as points) -> the last entry read for it.
using PoIndex = QHash<QByteArray, PoEntry>;

// Reads PO text (UTF-8, CR LF or LF lines) into an index. Several catalogues may follow one
// another in the text: an entry ends where the next one begins (a comment or reference line, a
// msgctxt, a msgid after the entry's own msgid or msgstr, a blank line), so a catalogue's header
// never becomes part of the previous catalogue's last entry. Entries without a reference line
// and entries with an empty translation are left out. Any bytes are accepted; what cannot be
// read is skipped.
PoIndex ReadPoCatalogue(const QByteArray& text);

// Whether the translation carries the same format conversions as the source text, in order. A
// conversion is "%", optional characters from ":-.0123456789" and one more character, the
// conversion character; conversion characters compare without regard to case, and "%%" (a
// literal percent sign) does not count.
bool SameFormatConversions(const QString& source, const QString& translation);

} // namespace sw
