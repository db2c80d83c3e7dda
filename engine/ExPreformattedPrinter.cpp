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
    const QByteArray name = field.Name.bytes();
    const QString text = QString::fromUtf8(name);
    CheckFieldName(text);
    const QByteArray key = UpperName(name);
    if (m_index.contains(key))
        RaiseErrorFmt(msg::sFieldExists.text(), {text});
    m_fields.push_back(field);
    m_index.insert(key, static_cast<int>(m_fields.size() - 1));
}

void TExPreformattedPrinter::GetField(int index, TExPrinterField& field) const {
    if (index < 0 || index >= FieldCount())
        RaiseListIndexError(index);
    field = m_fields[static_cast<size_t>(index)];
}

int TExPreformattedPrinter::IndexOfField(const QString& name) const {
    return m_index.value(UpperName(name), -1);
}

void TExPreformattedPrinter::CheckFieldName(const QString& name) const {
    auto isLetter = [](char16_t c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); };
    bool ok = !name.isEmpty();
    for (qsizetype i = 0; ok && i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        ok = isLetter(c) || c == u'_' || (i > 0 && c >= u'0' && c <= u'9');
    }
    if (!ok)
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
