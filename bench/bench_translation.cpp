// links: sw_translation
// LoadTranslations on the catalogues the program carries, and on a generated catalogue of 2,000
// entries whose messages are all registered, so reading and applying both do full work.

#include "ExTranslation.h"
#include "Messages.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

constexpr int kEntries = 2000;

const sw::ResourceSource& generated() {
    static const sw::ResourceSource source = [] {
        // The messages live as long as the process, as the program's own do.
        static std::vector<std::unique_ptr<sw::Message>> messages;
        static std::vector<QByteArray> ids;
        QByteArray po = "msgid \"\"\r\nmsgstr \"\"\r\n"
                        "\"Content-Type: text/plain; charset=UTF-8\\n\"\r\n"
                        "\"Language: pt_BR\\n\"\r\n";
        for (int i = 0; i < kEntries; ++i) {
            const QByteArray id = "benchconsts.smessage" + QByteArray::number(i);
            const QByteArray english =
                "Message number " + QByteArray::number(i) + " about \\\"%s\\\" went wrong";
            const QByteArray portuguese =
                "A mensagem número " + QByteArray::number(i) + " sobre \\\"%s\\\" deu errado";
            ids.push_back(id);
            messages.push_back(std::make_unique<sw::Message>(
                ids.back().constData(), QByteArray(english).replace("\\\"", "\"").constData()));
            po += "\r\n#: " + id + "\r\nmsgid \"" + english + "\"\r\nmsgstr \"" + portuguese +
                  "\"\r\n";
        }
        sw::ResourceSource s;
        s.names = [] { return QStringList{QStringLiteral("EXTRANSLATION_BENCHCONSTS")}; };
        s.read = [po](const QString&) { return po; };
        return s;
    }();
    return source;
}

// Registers a message for every carried entry the libraries linked here do not register, so the
// carried catalogues are applied to as many messages as in the program.
void registerCarriedMessages() {
    static std::vector<std::unique_ptr<sw::Message>> messages;
    static std::vector<QByteArray> ids;
    const sw::PoIndex index =
        sw::ReadPoCatalogue(sw::JoinTranslationResources(sw::CarriedResources()));
    for (auto it = index.cbegin(); it != index.cend(); ++it) {
        if (sw::MessageTable::instance().contains(it.key()))
            continue;
        ids.push_back(it.key());
        messages.push_back(
            std::make_unique<sw::Message>(ids.back().constData(), it->source.toUtf8().constData()));
    }
}

void BM_LoadCarriedCatalogues(benchmark::State& state) {
    registerCarriedMessages();
    for (auto _ : state)
        sw::LoadTranslations();
    state.counters["messages"] = static_cast<double>(sw::MessageTable::instance().ids().size());
}
BENCHMARK(BM_LoadCarriedCatalogues)->Unit(benchmark::kMicrosecond);

void BM_LoadGeneratedCatalogue2000(benchmark::State& state) {
    const sw::ResourceSource& source = generated();
    for (auto _ : state)
        sw::LoadTranslations(source);
    state.counters["bytes"] = static_cast<double>(source.read({}).size());
}
BENCHMARK(BM_LoadGeneratedCatalogue2000)->Unit(benchmark::kMicrosecond);

void BM_ReadGeneratedCatalogue2000(benchmark::State& state) {
    const QByteArray po = generated().read({});
    for (auto _ : state)
        benchmark::DoNotOptimize(sw::ReadPoCatalogue(po));
}
BENCHMARK(BM_ReadGeneratedCatalogue2000)->Unit(benchmark::kMicrosecond);

} // namespace
