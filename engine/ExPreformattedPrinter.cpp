#include "ExPreformattedPrinter.h"

#include "Classes.h"
#include "Messages.h"

namespace sw {

namespace msg {
const Message sInvalidFieldName("expreformattedprinter.sinvalidfieldname",
                                "Nome de campo inválido: %s");
const Message sFieldExists("expreformattedprinter.sfieldexists",
                           "Já existe um campo com este nome: %s");
const Message sSlatewrightTitle("expreformattedprinter.sslatewrighttitle", "Slatewright");
} // namespace msg

const QByteArray TExSlatewright::Signature = QByteArrayLiteral("QZSlatewright");

TExPreformattedPrinter::TExPreformattedPrinter() = default;

TExPreformattedPrinter::~TExPreformattedPrinter() {
    ClearFields();
}

void TExPreformattedPrinter::ClearFields() {
    m_fields.clear();
    m_index.clear();
}

QByteArray TExPreformattedPrinter::UpperName(const QByteArray& utf8) {
    // Names are ASCII identifiers almost always; only other text needs the full mapping.
    for (char c : utf8) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return QString::fromUtf8(utf8).toUpper().toUtf8();
    }
    return utf8.toUpper();
}

QByteArray TExPreformattedPrinter::UpperName(const QString& name) {
    return UpperName(name.toUtf8());
}

void TExPreformattedPrinter::AddField(const TExPrinterField& field) {
    const QByteArrayView name = field.Name.view();
    if (!IsIdentifier(name))
        RaiseErrorFmt(msg::sInvalidFieldName.text(), {QString::fromUtf8(name)});
    // A valid name is ASCII, so its upper-case form is a plain byte mapping.
    char upper[30];
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        upper[i] = (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    const QByteArrayView key(upper, name.size());
    if (m_index.find(key, m_fields) >= 0)
        RaiseErrorFmt(msg::sFieldExists.text(), {QString::fromUtf8(name)});
    m_fields.push_back(field);
    m_index.insert(key, static_cast<int>(m_fields.size() - 1));
}

void TExPreformattedPrinter::ReserveFields(qsizetype count) {
    m_fields.reserve(static_cast<size_t>(count));
    m_index.reserve(count);
}

void TExPreformattedPrinter::GetField(int index, TExPrinterField& field) const {
    if (index < 0 || index >= FieldCount())
        RaiseListIndexError(index);
    field = m_fields[static_cast<size_t>(index)];
}

int TExPreformattedPrinter::IndexOfField(const QString& name) const {
    // Stored names are at most 30 bytes and keep their length when upper-cased; a sought name
    // whose upper-case form is longer can match none of them.
    const QByteArray upper = UpperName(name);
    if (upper.size() > 30)
        return -1;
    return m_index.find(upper, m_fields);
}

bool TExPreformattedPrinter::IsIdentifier(QByteArrayView name) {
    auto isLetter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (name.isEmpty())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char c = name[i];
        if (!(isLetter(c) || c == '_' || (i > 0 && c >= '0' && c <= '9')))
            return false;
    }
    return true;
}

void TExPreformattedPrinter::CheckFieldName(const QString& name) const {
    // Any character outside ASCII makes the name invalid, so the UTF-8 bytes decide alone.
    if (!IsIdentifier(name.toUtf8()))
        RaiseErrorFmt(msg::sInvalidFieldName.text(), {name});
}

void TExPreformattedPrinter::RaiseError(const QString& message) const {
    throw EExPrinterError(ClassName().mid(1) + QStringLiteral(" - ") + message);
}

void TExPreformattedPrinter::RaiseErrorFmt(const QString& pattern, FormatArgs args) const {
    RaiseError(Format(pattern, args));
}

TExSlatewright::TExSlatewright() : FHeader(ZeroHeader()) {
    FHeader.Signature.assignBytes(Signature);
    FHeader.Version = CurrentVersion;
    FHeader.PaperSize = 1;
    Title = msg::sSlatewrightTitle.text();
}

TPrinterOrientation TExSlatewright::PaperOrientation() const {
    return (GetPaperSize() & LandscapeBit) ? poLandscape : poPortrait;
}

void TExSlatewright::SetPaperOrientation(TPrinterOrientation value) {
    const uint16_t size = GetPaperSize();
    SetPaperSize(value == poPortrait ? static_cast<uint16_t>(size & ~LandscapeBit)
                                     : static_cast<uint16_t>(size | LandscapeBit));
}

} // namespace sw
