#pragma once

#include "ExCanvas.h"
#include "SysUtils.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QPrinter;
class QPainter;

namespace sw {

// A printer's paper in the units of a printer driver. PaperSize is the driver's paper code in
// bits 0-14 (0 = custom size); on input bit 15 asks for landscape. Widths in tenths of a mm.
struct TDevicePaper {
    uint16_t PaperSize = 0;
    uint16_t PaperWidth = 0;
    uint16_t PaperLength = 0;
    // 1 portrait, 2 landscape; SetPaper takes it from bit 15 of PaperSize.
    uint8_t Orientation = 1;
};

constexpr uint8_t DevicePortrait = 1;
constexpr uint8_t DeviceLandscape = 2;
// The largest length a driver's signed 16-bit tenths of a millimetre hold: 3276.7 mm.
constexpr int MaxDevicePaperLength = 32767;

// Errors of the printer itself; they carry no module prefix.
class EPrinter : public Exception {
public:
    using Exception::Exception;
};

// The process-wide printer: the selected printer (a queue, or a PDF file standing for one), its
// paper, the printing state and one document at a time drawn through a canvas.
//
// The real work happens on a QPrinter in high resolution, with the painter's origin at the
// top-left corner of the printable area. A caller that owns a QPrinter (a print preview) can
// attach it so that the same drawing code fills it. The device hooks are virtual so a test can
// stand in a printer that records what is drawn.
class TExPrinter {
public:
    TExPrinter();
    virtual ~TExPrinter();
    TExPrinter(const TExPrinter&) = delete;
    TExPrinter& operator=(const TExPrinter&) = delete;

    // The queues of the system, and the one it names default (empty when there is none).
    virtual QStringList Printers() const;
    virtual QString DefaultPrinterName() const;

    // The selected printer: an index into Printers(), -1 for the default one. A non-empty output
    // file name makes a PDF file the selected printer instead.
    int PrinterIndex() const { return m_printerIndex; }
    void SetPrinterIndex(int index);
    // Selects a queue by name; throws EPrinter when there is no such queue.
    void SetPrinterName(const QString& name);
    QString OutputFileName() const { return m_outputFileName; }
    void SetOutputFileName(const QString& fileName);
    // The selected queue's name, or empty when a PDF file is selected or no queue exists.
    QString PrinterName() const;
    bool IsPdfSelected() const { return !m_outputFileName.isEmpty(); }

    // The selected printer's paper as the driver would keep it: kept per printer for the
    // process, first taken from the printer's default paper. Throws EPrinter when the selected
    // printer does not exist.
    TDevicePaper GetPaper() const;
    // Stores the paper for the selected printer; later jobs use it. Orientation follows bit 15
    // of PaperSize, which is not kept in the code.
    void SetPaper(const TDevicePaper& paper);
    // The paper of a named queue as it stands now (its default until a job changed it).
    TDevicePaper PaperOf(const QString& printerName) const;

    bool Printing() const { return m_printing; }
    QString Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    // Opens a document with the selected printer's paper; the canvas draws on its first page.
    void BeginDoc();
    void NewPage();
    void EndDoc();
    // Ends the document without printing it, when the driver allows that.
    void Abort();

    // Valid while printing.
    virtual TExCanvas& Canvas();
    // The printable area of the current page in device pixels, and the device's resolution.
    virtual int PageWidth() const;
    virtual int PageHeight() const;
    virtual int PixelsPerInchX() const;
    virtual int PixelsPerInchY() const;

    // While attached, documents are drawn on the caller's QPrinter (which it keeps owning) and
    // with its own destination; the selected printer's paper is still put on it.
    void AttachPrinter(QPrinter* printer);
    void DetachPrinter();
    QPrinter* AttachedPrinter() const { return m_attached; }

    // The driver's default paper of a queue, as read from the system.
    virtual TDevicePaper DefaultPaper(const QString& printerName) const;

    // A printer paper code's page size name, for listings ("A4", "Custom"...).
    static QString PaperName(const TDevicePaper& paper);

protected:
    // The device hooks. DoBeginDoc opens the document with the paper given; it throws on failure
    // and leaves nothing open then.
    virtual void DoBeginDoc(const TDevicePaper& paper);
    virtual void DoNewPage();
    virtual void DoEndDoc();
    virtual void DoAbort();

private:
    QString selectedKey() const;
    void configure(QPrinter& printer, const TDevicePaper& paper, bool ownPrinter) const;

    int m_printerIndex = -1;
    QString m_outputFileName;
    QString m_title;
    bool m_printing = false;
    mutable QHash<QString, TDevicePaper> m_papers;

    QPrinter* m_attached = nullptr;
    QPrinter* m_active = nullptr; // the printer of the open document
    std::unique_ptr<QPrinter> m_own;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<TExPainterCanvas> m_canvas;
};

// The process-wide printer object, made on first use.
TExPrinter& Printer();
// Puts another printer object in place and returns the previous one (tests use this).
std::unique_ptr<TExPrinter> SetPrinter(std::unique_ptr<TExPrinter> printer);

// Attaches a caller's QPrinter to the process-wide printer for one scope.
class TExPrinterAttachment {
public:
    explicit TExPrinterAttachment(QPrinter* printer) { Printer().AttachPrinter(printer); }
    ~TExPrinterAttachment() { Printer().DetachPrinter(); }
    TExPrinterAttachment(const TExPrinterAttachment&) = delete;
    TExPrinterAttachment& operator=(const TExPrinterAttachment&) = delete;
};

} // namespace sw
