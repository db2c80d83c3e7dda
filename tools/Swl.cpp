#include "Swl.h"

#include "SysUtils.h"

namespace sw::swl {

namespace {
const Verb verbs[] = {
    {"dump", "write a layout as JSON on stdout",
     "dump LAYOUT.swl\n\n"
     "Writes the layout's header and fields as one JSON object.",
     Dump},
    {"build", "make a layout from JSON",
     "build LAYOUT.json OUT.swl\n\n"
     "Makes a layout file from a JSON object as dump writes it ('-' reads stdin).\n"
     "Missing header members take a new layout's values; missing field members are 0.",
     Build},
};

void generalHelp(QTextStream& s) {
    s << "usage: swl VERB [ARGS...]\n       swl VERB --help\n\nverbs:\n";
    for (const Verb& v : verbs)
        s << "  " << QString::fromUtf8(v.name).leftJustified(10) << QString::fromUtf8(v.summary)
          << '\n';
}

bool wantsHelp(const QStringList& args) {
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}
} // namespace

int UsageError(const char* usageLine, const QString& problem, Io& io) {
    io.err << "swl: " << problem << '\n' << "usage: swl " << QString::fromUtf8(usageLine) << '\n';
    return ExitUsage;
}

int Run(const QStringList& args, Io& io) {
    if (args.isEmpty()) {
        generalHelp(io.err);
        return ExitUsage;
    }
    const QString name = args.first();
    if (name == QLatin1String("--help") || name == QLatin1String("-h") ||
        name == QLatin1String("help")) {
        generalHelp(io.out);
        return ExitOk;
    }
    for (const Verb& v : verbs) {
        if (name != QLatin1String(v.name))
            continue;
        const QStringList rest = args.mid(1);
        if (wantsHelp(rest)) {
            io.out << "usage: swl " << QString::fromUtf8(v.usage) << '\n';
            return ExitOk;
        }
        try {
            return v.run(rest, io);
        } catch (const Exception& e) {
            io.err << e.message() << '\n';
            return ExitFailure;
        }
    }
    io.err << "swl: unknown verb \"" << name << "\"\n";
    generalHelp(io.err);
    return ExitUsage;
}

} // namespace sw::swl
