#pragma once

#include <QStringList>
#include <QTextStream>

namespace sw::swl {

// Exit statuses of every verb.
enum ExitStatus { ExitOk = 0, ExitFailure = 1, ExitUsage = 2 };

struct Io {
    QTextStream& out;
    QTextStream& err;
};

struct Verb {
    const char* name;
    const char* summary;
    const char* usage; // the verb's help text, after "usage: swl "
    int (*run)(const QStringList& args, Io& io);
};

// Runs swl with its arguments (without the program name) and returns the exit status.
int Run(const QStringList& args, Io& io);

// The verbs, one file per group.
int Dump(const QStringList& args, Io& io);
int Build(const QStringList& args, Io& io);
int Print(const QStringList& args, Io& io);
int Test(const QStringList& args, Io& io);
int Grid(const QStringList& args, Io& io);
int Printers(const QStringList& args, Io& io);

// Prints a usage error with the verb's usage line and returns ExitUsage.
int UsageError(const char* usageLine, const QString& problem, Io& io);

} // namespace sw::swl
