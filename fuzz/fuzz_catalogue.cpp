// links: sw_translation
// Any bytes as the joined catalogues: read, checked and applied, never a crash or a hang.

#include "ExTranslation.h"
#include "Messages.h"

#include <cstdint>

namespace {
// A message for the fuzzer's entries to land on, besides the libraries' own.
const sw::Message sFuzz("sysconst.sfuzz", "Fuzz %s of %d");
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const sw::PoIndex index = sw::ReadPoCatalogue(bytes);
    for (auto it = index.cbegin(); it != index.cend(); ++it) {
        // Only entries with an identifier and a translation are indexed.
        if (it.key().isEmpty() || it->translation.isEmpty())
            __builtin_trap();
        sw::SameFormatConversions(it->source, it->translation);
    }
    sw::ResourceSource source;
    source.names = [] { return QStringList{QStringLiteral("EXTRANSLATION_FUZZ")}; };
    source.read = [&bytes](const QString&) { return bytes; };
    sw::LoadTranslations(source);
    if (sw::MessageTable::instance().text("sysconst.sfuzz").isEmpty())
        __builtin_trap();
    return 0;
}
