// The main window's commands on the layout document itself: paper, form name, the test and grid
// pages (printed or previewed) and the About box.
#include "MainLogic.h"
#include "PrintPages.h"
#include "umainTexts.h"

namespace sw {

namespace {
const Message sFormNameCaption("umain.sformnamecaption", "Nome do formulário");
} // namespace

QString AboutText() {
    // One line each; Qt's boxes break lines at "\n".
    return umain::sAppTitle.text() + QLatin1Char(' ') + FileVersionText() + QStringLiteral("\n\n") +
           umain::sAppAuthor.text() + QLatin1Char('\n') + umain::sAppSite.text() +
           QLatin1Char('\n') + umain::sAppEmail.text();
}

void TMainLogic::FilePaper() {
    TPaperInfo paper;
    paper.PaperSize = FDocument->PaperSize();
    paper.PaperWidth = FDocument->PaperWidth();
    paper.PaperHeight = FDocument->PaperHeight();
    if (!FDialogs.EditPaper(paper))
        return;
    FDocument->SetPaperSizeProperty(paper.PaperSize);
    FDocument->SetPaperWidth(paper.PaperWidth);
    FDocument->SetPaperHeight(paper.PaperHeight);
    SetModified(true);
}

void TMainLogic::FileFormName() {
    QString text = FDocument->FormName();
    if (!FDialogs.InputQuery(sFormNameCaption.text(), QString(), text))
        return;
    // The document keeps the first 30 bytes, without splitting a character.
    FDocument->SetFormName(text);
    SetModified(true);
}

void TMainLogic::FilePrintTest() {
    if (!FDialogs.SelectPrinter())
        return;
    CopyRowsToDocumentForPrint();
    PrintTestPage(*FDocument);
}

void TMainLogic::FilePrintGrid() {
    if (!FDialogs.SelectPrinter())
        return;
    PrintGridPage(*FDocument);
}

void TMainLogic::FilePreviewTest() {
    // The preview shows what the test print would print, so it takes the rows the same way.
    CopyRowsToDocumentForPrint();
    TExSlatewright& document = *FDocument;
    FDialogs.Preview([&document] { PrintTestPage(document); });
}

void TMainLogic::FilePreviewGrid() {
    TExSlatewright& document = *FDocument;
    FDialogs.Preview([&document] { PrintGridPage(document); });
}

void TMainLogic::About() {
    FDialogs.Information(AboutText());
}

void TMainLogic::CopyRowsToDocumentForPrint() {
    try {
        CopyRowsToDocument();
    } catch (...) {
        // The document holds the rows before the rejected one now.
        UpdateCommands();
        throw;
    }
    UpdateCommands();
}

} // namespace sw
