#include "PrintPages.h"

namespace sw {

namespace {
// Runs the page between BeginPrint and EndPrint. When BeginPrint fails no job is open, so there
// is nothing to end; when the page fails, the job is ended first and the page's error wins over
// any error of ending it.
template <typename Page> void printJob(TExSlatewright& document, Page page) {
    document.BeginPrint();
    try {
        page();
    } catch (...) {
        try {
            document.EndPrint();
        } catch (const Exception&) {
        }
        throw;
    }
    document.EndPrint();
}
} // namespace

void PrintTestPage(TExSlatewright& document) {
    printJob(document, [&document] {
        TExPrinterField field;
        for (int i = 0; i < document.FieldCount(); ++i) {
            document.GetField(i, field);
            const QString name = field.Name.toString();
            document.PrintField(name, name, true);
        }
    });
}

void PrintGridPage(TExSlatewright& document) {
    printJob(document, [&document] { document.PrintGrid(); });
}

} // namespace sw
