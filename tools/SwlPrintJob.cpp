#include "SwlPrintJob.h"

#include "ExPrinter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <cstdio>
#include <sys/stat.h>

namespace sw::swl {

bool TakeDestination(const QStringList& args, qsizetype& i, Destination& dest) {
    const QString& arg = args[i];
    const bool pdf = arg == QLatin1String("--pdf");
    if (!pdf && arg != QLatin1String("--printer"))
        return false;
    if (i + 1 >= args.size() || args[i + 1].isEmpty())
        throw UsageProblem{QStringLiteral("%1 needs a value").arg(arg)};
    if (!dest.pdf.isEmpty() || !dest.printer.isEmpty())
        throw UsageProblem{QStringLiteral("give one of --pdf and --printer, once")};
    (pdf ? dest.pdf : dest.printer) = args[++i];
    return true;
}

JobTarget::JobTarget(const Destination& dest) : m_dest(dest) {
    TExPrinter& printer = Printer();
    if (dest.pdf.isEmpty()) {
        printer.SetOutputFileName(QString());
        printer.SetPrinterName(dest.printer);
        return;
    }
    const QFileInfo info(dest.pdf);
    m_part = std::make_unique<QTemporaryFile>(
        info.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX.part").arg(info.fileName())));
    if (!m_part->open())
        throw Exception(QStringLiteral("Unable to create file \"%1\": %2")
                            .arg(dest.pdf, m_part->errorString()));
    m_part->close();
    printer.SetOutputFileName(m_part->fileName());
}

JobTarget::~JobTarget() {
    Printer().SetOutputFileName(QString());
}

void JobTarget::Commit() {
    if (!m_part)
        return;
    // The part file was made private; the PDF gets the permissions of any new file.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(QFile::encodeName(m_part->fileName()).constData(), 0666 & ~mask);
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(m_part->fileName()).constData(),
                    QFile::encodeName(m_dest.pdf).constData()) != 0)
        throw Exception(QStringLiteral("Unable to write file \"%1\"").arg(m_dest.pdf));
    m_part->setAutoRemove(false);
}

void RunJob(TExSlatewright& doc, const std::function<void()>& body) {
    doc.BeginPrint();
    try {
        body();
    } catch (...) {
        try {
            doc.EndPrint();
        } catch (const Exception&) {
            // The first error is the one to report.
        }
        throw;
    }
    doc.EndPrint();
}

void FontNotes::Check(const QString& fontName) {
    const QString key = fontName.toCaseFolded();
    if (fontName.isEmpty() || m_seen.contains(key))
        return;
    m_seen.insert(key);
    const QString face = QFontInfo(ToQFont(TExCanvasFont{fontName, 10, 0, 0})).family();
    if (face.compare(fontName, Qt::CaseInsensitive) != 0)
        m_io.err << "swl: font \"" << fontName << "\" is not installed; \"" << face
                 << "\" stands in\n";
}

} // namespace sw::swl
