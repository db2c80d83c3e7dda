// print, test, grid and printers: the print engine on the command line.

#include "CsvReader.h"
#include "ExPrinter.h"
#include "SwlPrintJob.h"

#include <QFile>
#include <optional>
#include <unistd.h>
#include <vector>

namespace sw::swl {

namespace {

const char* const printUsage =
    "print LAYOUT.swl [--set NAME=VALUE]... [--data RECORDS.csv] (--pdf OUT.pdf | --printer QUEUE)";
const char* const testUsage = "test LAYOUT.swl (--pdf OUT.pdf | --printer QUEUE)";
const char* const gridUsage = "grid LAYOUT.swl (--pdf OUT.pdf | --printer QUEUE)";

struct PrintOptions {
    QString layout;
    Destination dest;
    std::vector<std::pair<QString, QString>> sets;
    QString data;
};

// Reads the options every printing verb shares; with sets false, --set and --data are refused.
PrintOptions parse(const QStringList& args, bool sets) {
    PrintOptions o;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (TakeDestination(args, i, o.dest))
            continue;
        if (sets && (arg == QLatin1String("--set") || arg == QLatin1String("--data"))) {
            if (i + 1 >= args.size())
                throw UsageProblem{QStringLiteral("%1 needs a value").arg(arg)};
            const QString value = args[++i];
            if (arg == QLatin1String("--data")) {
                if (!o.data.isEmpty())
                    throw UsageProblem{QStringLiteral("give --data once")};
                o.data = value;
                continue;
            }
            const qsizetype eq = value.indexOf(QLatin1Char('='));
            if (eq <= 0)
                throw UsageProblem{QStringLiteral("--set takes NAME=VALUE, not \"%1\"").arg(value)};
            o.sets.emplace_back(value.left(eq), value.mid(eq + 1));
        } else if (arg.startsWith(QLatin1String("--")) || !o.layout.isEmpty()) {
            throw UsageProblem{QStringLiteral("unexpected argument \"%1\"").arg(arg)};
        } else {
            o.layout = arg;
        }
    }
    if (o.layout.isEmpty())
        throw UsageProblem{QStringLiteral("expects a layout file")};
    if (o.dest.pdf.isEmpty() && o.dest.printer.isEmpty())
        throw UsageProblem{QStringLiteral("give --pdf OUT.pdf or --printer QUEUE")};
    return o;
}

QString fieldName(const TExSlatewright& doc, int index) {
    TExPrinterField f;
    doc.GetField(index, f);
    return f.Name.toString();
}

void checkFont(const TExSlatewright& doc, int index, FontNotes& fonts) {
    TExPrinterField f;
    doc.GetField(index, f);
    if (f.Print != 0)
        fonts.Check(f.FontName.toString());
}

// The records to merge, read one at a time.
class Records {
public:
    Records(const QString& path, const TExSlatewright& doc, Io& io) : m_path(path) {
        const bool stdinInput = path == QLatin1String("-");
        const bool ok = stdinInput ? m_file.open(stdin, QIODevice::ReadOnly)
                                   : (m_file.setFileName(path), m_file.open(QIODevice::ReadOnly));
        if (!ok)
            throw Exception(QStringLiteral("Unable to open file \"%1\"").arg(path));
        m_csv = std::make_unique<CsvReader>(m_file, path);
        QStringList header;
        if (!m_csv->next(header))
            throw Exception(QStringLiteral("%1: no header row with the field names").arg(path));
        m_width = header.size();
        std::vector<bool> taken(static_cast<size_t>(doc.FieldCount()), false);
        for (const QString& name : header) {
            const int index = doc.IndexOfField(name);
            if (index < 0)
                io.err << "swl: column \"" << name << "\" names no field of the layout\n";
            else if (taken[static_cast<size_t>(index)])
                throw Exception(QStringLiteral("%1: two columns name the field \"%2\"")
                                    .arg(path, fieldName(doc, index)));
            else
                taken[static_cast<size_t>(index)] = true;
            m_fields.push_back(index);
        }
    }

    // The field index of each column, -1 for a column that names none.
    const std::vector<int>& fields() const { return m_fields; }

    bool next(QStringList& record) {
        if (!m_csv->next(record))
            return false;
        if (record.size() != m_width)
            throw Exception(QStringLiteral("%1:%2: %3 values where the header has %4 columns")
                                .arg(m_path)
                                .arg(m_csv->recordLine())
                                .arg(record.size())
                                .arg(m_width));
        return true;
    }

private:
    QString m_path;
    QFile m_file;
    std::unique_ptr<CsvReader> m_csv;
    qsizetype m_width = 0;
    std::vector<int> m_fields;
};

int usageOr(const char* usage, Io& io, const std::function<int()>& verb) {
    try {
        return verb();
    } catch (const UsageProblem& p) {
        return UsageError(usage, p.text, io);
    }
}

} // namespace

int Print(const QStringList& args, Io& io) {
    return usageOr(printUsage, io, [&] {
        const PrintOptions o = parse(args, true);
        TExSlatewright doc;
        doc.LoadFromFile(o.layout);
        FontNotes fonts(io);

        // The value of each field on a page: --set first, a record's column over it.
        const int count = doc.FieldCount();
        std::vector<QString> names;
        for (int i = 0; i < count; ++i)
            names.push_back(fieldName(doc, i));
        std::vector<std::optional<QString>> fixed(static_cast<size_t>(count));
        for (const auto& [name, value] : o.sets) {
            const int index = doc.IndexOfField(name);
            if (index < 0) {
                io.err << "swl: no field named \"" << name << "\" in the layout\n";
                continue;
            }
            fixed[static_cast<size_t>(index)] = value;
            checkFont(doc, index, fonts);
        }

        std::unique_ptr<Records> records;
        QStringList record;
        if (!o.data.isEmpty()) {
            records = std::make_unique<Records>(o.data, doc, io);
            for (int index : records->fields())
                if (index >= 0)
                    checkFont(doc, index, fonts);
            if (!records->next(record))
                throw Exception(QStringLiteral("%1: no records to print").arg(o.data));
        }

        const bool progress = records && isatty(STDERR_FILENO);
        JobTarget target(o.dest);
        qint64 pages = 0;
        RunJob(doc, [&] {
            std::vector<const QString*> values(static_cast<size_t>(count));
            do {
                if (pages > 0)
                    doc.NewPage();
                for (size_t i = 0; i < values.size(); ++i)
                    values[i] = fixed[i] ? &*fixed[i] : nullptr;
                if (records) {
                    const std::vector<int>& columns = records->fields();
                    for (size_t c = 0; c < columns.size(); ++c)
                        if (columns[c] >= 0)
                            values[static_cast<size_t>(columns[c])] = &record[c];
                }
                for (size_t i = 0; i < values.size(); ++i)
                    if (values[i])
                        doc.PrintField(names[i], *values[i], false);
                ++pages;
                if (progress) {
                    io.err << "\rswl: page " << pages;
                    io.err.flush();
                }
            } while (records && records->next(record));
        });
        if (progress)
            io.err << '\n';
        target.Commit();
        return int(ExitOk);
    });
}

int Test(const QStringList& args, Io& io) {
    return usageOr(testUsage, io, [&] {
        const PrintOptions o = parse(args, false);
        TExSlatewright doc;
        doc.LoadFromFile(o.layout);
        FontNotes fonts(io);
        for (int i = 0; i < doc.FieldCount(); ++i)
            checkFont(doc, i, fonts);
        JobTarget target(o.dest);
        // Every printed field shows its own name, framed, at its place.
        RunJob(doc, [&] {
            for (int i = 0; i < doc.FieldCount(); ++i) {
                const QString name = fieldName(doc, i);
                doc.PrintField(name, name, true);
            }
        });
        target.Commit();
        return int(ExitOk);
    });
}

int Grid(const QStringList& args, Io& io) {
    return usageOr(gridUsage, io, [&] {
        const PrintOptions o = parse(args, false);
        TExSlatewright doc;
        doc.LoadFromFile(o.layout);
        FontNotes fonts(io);
        fonts.Check(QStringLiteral("Arial"));
        JobTarget target(o.dest);
        RunJob(doc, [&] { doc.PrintGrid(); });
        target.Commit();
        return int(ExitOk);
    });
}

int Printers(const QStringList& args, Io& io) {
    if (!args.isEmpty())
        return UsageError("printers", QStringLiteral("takes no arguments"), io);
    TExPrinter& printer = Printer();
    const QStringList names = printer.Printers();
    if (names.isEmpty()) {
        io.err << "swl: no printers are installed\n";
        return ExitOk;
    }
    const QString defaultName = printer.DefaultPrinterName();
    for (const QString& name : names) {
        const TDevicePaper paper = printer.PaperOf(name);
        io.out << name << (name == defaultName ? " (default)" : "") << ": "
               << TExPrinter::PaperName(paper) << ", "
               << QString::number(paper.PaperWidth / 10.0, 'f', 1) << " x "
               << QString::number(paper.PaperLength / 10.0, 'f', 1) << " mm, "
               << (paper.Orientation == DeviceLandscape ? "landscape" : "portrait") << '\n';
    }
    return ExitOk;
}

} // namespace sw::swl
