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
    {"print", "print values into a layout's fields",
     "print LAYOUT.swl [--set NAME=VALUE]... [--data RECORDS.csv] (--pdf OUT.pdf | --printer "
     "QUEUE)\n\n"
     "Prints one page with the --set values, or with --data one page per record of a CSV file\n"
     "(RFC 4180, UTF-8, the first row names the fields; '-' reads stdin). A record's value\n"
     "replaces a --set value for the same field. Names that match no field are reported.\n"
     "The output goes to a PDF file or to a printer queue (see swl printers).",
     Print},
    {"test", "print the test page of a layout",
     "test LAYOUT.swl (--pdf OUT.pdf | --printer QUEUE)\n\n"
     "Prints every printed field's name in its own box, framed, on the layout's paper.",
     Test},
    {"grid", "print the centimetre grid",
     "grid LAYOUT.swl (--pdf OUT.pdf | --printer QUEUE)\n\n"
     "Prints a numbered line every centimetre over the printable area of the layout's paper,\n"
     "to measure where the printer really puts things.",
     Grid},
    {"printers", "list the printer queues and their paper",
     "printers\n\n"
     "Lists the printer queues, marks the default one, and gives each queue's paper.",
     Printers},
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
