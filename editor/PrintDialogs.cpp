#include "PrintDialogs.h"

#include "ExApplication.h"
#include "ExDialogs.h"
#include "ExPrinter.h"

#include <QInputDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace sw {

bool ExecutePrintDialog(QWidget* parent) {
    TExPrinter& printer = Printer();
    QPrinter chosen(QPrinter::HighResolution);
    if (printer.IsPdfSelected()) {
        chosen.setOutputFormat(QPrinter::PdfFormat);
        chosen.setOutputFileName(printer.OutputFileName());
    } else if (!printer.PrinterName().isEmpty()) {
        chosen.setPrinterName(printer.PrinterName());
    }
    QPrintDialog dialog(&chosen, parent);
    // One page, printed once: ranges and copies do not apply to a calibration page.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    if (chosen.outputFormat() == QPrinter::PdfFormat && !chosen.outputFileName().isEmpty()) {
        printer.SetOutputFileName(chosen.outputFileName());
    } else {
        printer.SetOutputFileName(QString());
        printer.SetPrinterName(chosen.printerName());
    }
    return true;
}

void PaintPreviewRequest(QPrinter* printer, const std::function<void()>& draw) {
    // With no queue at all the printer object has no printer to take the paper from, though the
    // preview's own printer is where the page goes: a PDF selection stands in for the request.
    TExPrinter& selected = Printer();
    const bool standIn = !selected.IsPdfSelected() && selected.PrinterName().isEmpty();
    if (standIn)
        selected.SetOutputFileName(QStringLiteral("preview.pdf"));
    {
        TExPrinterAttachment attachment(printer);
        try {
            draw();
        } catch (const Exception& e) {
            TExApplication::HandleException(e);
        }
    }
    if (standIn)
        selected.SetOutputFileName(QString());
}

void ExecutePrintPreview(QWidget* parent, const std::function<void()>& draw) {
    QPrinter printer(QPrinter::HighResolution);
    const TExPrinter& selected = Printer();
    if (selected.IsPdfSelected()) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(selected.OutputFileName());
    } else if (!selected.PrinterName().isEmpty()) {
        printer.setPrinterName(selected.PrinterName());
    }
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter* p) { PaintPreviewRequest(p, draw); });
    dialog.exec();
}

bool ExecuteInputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                       QString& text) {
    QInputDialog dialog(parent);
    dialog.setWindowTitle(caption);
    dialog.setLabelText(prompt);
    dialog.setTextValue(text);
    dialog.setOkButtonText(ButtonTextOk());
    dialog.setCancelButtonText(ButtonTextCancel());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    text = dialog.textValue();
    return true;
}

} // namespace sw
