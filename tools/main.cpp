#include "Swl.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    sw::swl::Io io{out, err};
    return sw::swl::Run(app.arguments().mid(1), io);
}
