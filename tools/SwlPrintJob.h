#pragma once
// What the printing verbs share: where the job goes, the bracket around it, font notes.

#include "ExPreformattedPrinter.h"
#include "Swl.h"

#include <QSet>
#include <QTemporaryFile>
#include <functional>
#include <memory>

namespace sw::swl {

// Where a job goes: a PDF file or a printer queue, as the options name them.
struct Destination {
    QString pdf;
    QString printer;
};

// Takes --pdf FILE and --printer QUEUE from args at i; true when args[i] was one of them.
// Throws UsageProblem on a missing value or a second destination.
bool TakeDestination(const QStringList& args, qsizetype& i, Destination& dest);

struct UsageProblem {
    QString text;
};

// Selects the destination on the process-wide printer for one job. A PDF is written beside its
// final name and takes that name only in Commit, so a failed job leaves no half-written file
// and an older file of that name stays as it was.
class JobTarget {
public:
    explicit JobTarget(const Destination& dest);
    ~JobTarget();
    JobTarget(const JobTarget&) = delete;
    JobTarget& operator=(const JobTarget&) = delete;
    void Commit();

private:
    Destination m_dest;
    std::unique_ptr<QTemporaryFile> m_part;
};

// Runs body between BeginPrint and EndPrint; a failing body still ends the job before the error
// goes on.
void RunJob(TExSlatewright& doc, const std::function<void()>& body);

// Says once per font name, on stderr, which installed face stands in for a font that is not
// installed.
class FontNotes {
public:
    explicit FontNotes(Io& io) : m_io(io) {}
    void Check(const QString& fontName);

private:
    Io& m_io;
    QSet<QString> m_seen;
};

} // namespace sw::swl
