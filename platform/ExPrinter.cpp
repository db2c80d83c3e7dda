#include "ExPrinter.h"

#include "Messages.h"

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace sw {

namespace msg {
const Message sNoPrinter("exprinter.snoprinter", "Nenhuma impressora selecionada");
const Message sUnknownPrinter("exprinter.sunknownprinter", "Impressora desconhecida: %s");
const Message sPrinterIndex("exprinter.sprinterindex", "Índice de impressora inválido: %d");
const Message sAlreadyPrinting("exprinter.sprinting", "A impressora está imprimindo");
const Message sNotPrinting("exprinter.snotprinting", "A impressora não está imprimindo");
const Message sBeginDocFailed("exprinter.sbegindocfailed",
                              "Não foi possível iniciar a impressão em %s");
const Message sNewPageFailed("exprinter.snewpagefailed", "Não foi possível iniciar nova página");
const Message sEndDocFailed("exprinter.senddocfailed", "Não foi possível concluir a impressão");
const Message sUnknownPaper("exprinter.sunknownpaper", "Código de papel desconhecido: %d");
const Message sInvalidPaperSize("exprinter.sinvalidpapersize",
                                "Tamanho de papel inválido: %d x %d décimos de milímetro");
const Message sCustomPaper("exprinter.scustompaper", "Personalizado");
} // namespace msg

namespace {
// The paper a PDF file starts with.
constexpr uint16_t PdfDefaultCode = 9; // A4
constexpr uint16_t PdfDefaultWidth = 2100;
constexpr uint16_t PdfDefaultLength = 2970;

std::unique_ptr<TExPrinter>& holder() {
    static std::unique_ptr<TExPrinter> printer;
    return printer;
}

bool validLength(int tenths) {
    return tenths > 0 && tenths <= MaxDevicePaperLength;
}

// The page size a device paper asks for. A known code is the standard size; code 0 is the exact
// custom size, never snapped to a near standard one. A code Qt does not know falls back to the
// dimensions the paper carries.
QPageSize pageSizeOf(const TDevicePaper& paper) {
    if (paper.PaperSize != 0) {
        const QPageSize::PageSizeId id = QPageSize::id(static_cast<int>(paper.PaperSize));
        if (id != QPageSize::Custom)
            return QPageSize(id);
        if (!validLength(paper.PaperWidth) || !validLength(paper.PaperLength))
            throw EPrinter(msg::sUnknownPaper.text(), {static_cast<int>(paper.PaperSize)});
    }
    if (!validLength(paper.PaperWidth) || !validLength(paper.PaperLength))
        throw EPrinter(msg::sInvalidPaperSize.text(),
                       {static_cast<int>(paper.PaperWidth), static_cast<int>(paper.PaperLength)});
    return QPageSize(QSizeF(paper.PaperWidth / 10.0, paper.PaperLength / 10.0),
                     QPageSize::Millimeter, QString(), QPageSize::ExactMatch);
}

TDevicePaper devicePaperOf(const QPageSize& size) {
    TDevicePaper paper;
    const QSizeF mm = size.size(QPageSize::Millimeter);
    paper.PaperSize = static_cast<uint16_t>(size.windowsId() & 0x7FFF);
    if (QPageSize::id(paper.PaperSize) == QPageSize::Custom)
        paper.PaperSize = 0;
    paper.PaperWidth = static_cast<uint16_t>(qBound(0, qRound(mm.width() * 10), 0x7FFF));
    paper.PaperLength = static_cast<uint16_t>(qBound(0, qRound(mm.height() * 10), 0x7FFF));
    return paper;
}
} // namespace

TExPrinter& Printer() {
    auto& p = holder();
    if (!p)
        p = std::make_unique<TExPrinter>();
    return *p;
}

std::unique_ptr<TExPrinter> SetPrinter(std::unique_ptr<TExPrinter> printer) {
    auto old = std::move(holder());
    holder() = std::move(printer);
    return old;
}

TExPrinter::TExPrinter() = default;

TExPrinter::~TExPrinter() {
    if (m_printing) {
        try {
            DoAbort();
        } catch (const Exception&) {
            // Nothing to report to from a destructor.
        }
    }
}

QStringList TExPrinter::Printers() const {
    return QPrinterInfo::availablePrinterNames();
}

QString TExPrinter::DefaultPrinterName() const {
    return QPrinterInfo::defaultPrinterName();
}

void TExPrinter::SetPrinterIndex(int index) {
    if (index < -1 || index >= Printers().size())
        throw EPrinter(msg::sPrinterIndex.text(), {index});
    m_printerIndex = index;
    m_outputFileName.clear();
}

void TExPrinter::SetPrinterName(const QString& name) {
    const int index = static_cast<int>(Printers().indexOf(name));
    if (index < 0)
        throw EPrinter(msg::sUnknownPrinter.text(), {name});
    SetPrinterIndex(index);
}

void TExPrinter::SetOutputFileName(const QString& fileName) {
    m_outputFileName = fileName;
}

QString TExPrinter::PrinterName() const {
    if (IsPdfSelected())
        return {};
    const QStringList names = Printers();
    if (m_printerIndex >= 0 && m_printerIndex < names.size())
        return names[m_printerIndex];
    return DefaultPrinterName();
}

QString TExPrinter::selectedKey() const {
    // Queue names are never empty, so the empty key is free for the PDF file.
    if (IsPdfSelected())
        return {};
    const QString name = PrinterName();
    if (name.isEmpty())
        throw EPrinter(msg::sNoPrinter.text());
    if (!Printers().contains(name))
        throw EPrinter(msg::sUnknownPrinter.text(), {name});
    return name;
}

TDevicePaper TExPrinter::DefaultPaper(const QString& printerName) const {
    if (printerName.isEmpty()) {
        TDevicePaper pdf;
        pdf.PaperSize = PdfDefaultCode;
        pdf.PaperWidth = PdfDefaultWidth;
        pdf.PaperLength = PdfDefaultLength;
        return pdf;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(printerName);
    if (info.isNull())
        throw EPrinter(msg::sUnknownPrinter.text(), {printerName});
    const QPageSize size = info.defaultPageSize();
    return devicePaperOf(size.isValid() ? size : QPageSize(QPageSize::A4));
}

TDevicePaper TExPrinter::PaperOf(const QString& printerName) const {
    auto it = m_papers.constFind(printerName);
    if (it != m_papers.constEnd())
        return *it;
    const TDevicePaper paper = DefaultPaper(printerName);
    m_papers.insert(printerName, paper);
    return paper;
}

TDevicePaper TExPrinter::GetPaper() const {
    return PaperOf(selectedKey());
}

void TExPrinter::SetPaper(const TDevicePaper& paper) {
    const QString key = selectedKey();
    TDevicePaper stored = paper;
    stored.PaperSize = static_cast<uint16_t>(paper.PaperSize & 0x7FFF);
    stored.Orientation = (paper.PaperSize & 0x8000) ? DeviceLandscape : DevicePortrait;
    m_papers.insert(key, stored);
}

QString TExPrinter::PaperName(const TDevicePaper& paper) {
    if (paper.PaperSize != 0) {
        const QPageSize::PageSizeId id = QPageSize::id(static_cast<int>(paper.PaperSize));
        if (id != QPageSize::Custom)
            return QPageSize::name(id);
    }
    return msg::sCustomPaper.text();
}

void TExPrinter::BeginDoc() {
    if (m_printing)
        throw EPrinter(msg::sAlreadyPrinting.text());
    DoBeginDoc(GetPaper());
    m_printing = true;
}

void TExPrinter::NewPage() {
    if (!m_printing)
        throw EPrinter(msg::sNotPrinting.text());
    DoNewPage();
}

void TExPrinter::EndDoc() {
    if (!m_printing)
        throw EPrinter(msg::sNotPrinting.text());
    // The job is over whatever the device says about closing it.
    m_printing = false;
    DoEndDoc();
}

void TExPrinter::Abort() {
    if (!m_printing)
        throw EPrinter(msg::sNotPrinting.text());
    m_printing = false;
    DoAbort();
}

void TExPrinter::AttachPrinter(QPrinter* printer) {
    m_attached = printer;
}

void TExPrinter::DetachPrinter() {
    m_attached = nullptr;
}

void TExPrinter::configure(QPrinter& printer, const TDevicePaper& paper, bool ownPrinter) const {
    if (ownPrinter) {
        if (IsPdfSelected()) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(m_outputFileName);
        } else {
            printer.setPrinterName(PrinterName());
        }
    }
    printer.setFullPage(false);
    printer.setPageSize(pageSizeOf(paper));
    printer.setPageOrientation(paper.Orientation == DeviceLandscape ? QPageLayout::Landscape
                                                                    : QPageLayout::Portrait);
    // A PDF page can be printed to its edges; a queue keeps the margins its driver needs, so
    // the origin is the corner of what the printer can reach.
    const QMarginsF margins = printer.outputFormat() == QPrinter::PdfFormat
                                  ? QMarginsF()
                                  : printer.pageLayout().minimumMargins();
    printer.setPageMargins(margins, printer.pageLayout().units());
}

void TExPrinter::DoBeginDoc(const TDevicePaper& paper) {
    QPrinter* printer = m_attached;
    std::unique_ptr<QPrinter> own;
    if (!printer) {
        own = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer = own.get();
    }
    configure(*printer, paper, own != nullptr);
    printer->setDocName(m_title);
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer)) {
        const QString where = printer->outputFormat() == QPrinter::PdfFormat
                                  ? printer->outputFileName()
                                  : printer->printerName();
        throw EPrinter(msg::sBeginDocFailed.text(), {where});
    }
    m_own = std::move(own);
    m_active = printer;
    m_painter = std::move(painter);
    m_canvas = std::make_unique<TExPainterCanvas>(*m_painter);
}

void TExPrinter::DoNewPage() {
    if (!m_active->newPage())
        throw EPrinter(msg::sNewPageFailed.text());
}

void TExPrinter::DoEndDoc() {
    m_canvas.reset();
    const bool ok = m_painter->end();
    m_painter.reset();
    m_active = nullptr;
    // Destroying our own printer hands a queue's job to the spooler.
    m_own.reset();
    if (!ok)
        throw EPrinter(msg::sEndDocFailed.text());
}

void TExPrinter::DoAbort() {
    m_canvas.reset();
    if (m_active)
        m_active->abort();
    if (m_painter && m_painter->isActive())
        m_painter->end();
    m_painter.reset();
    m_active = nullptr;
    m_own.reset();
}

TExCanvas& TExPrinter::Canvas() {
    if (!m_canvas)
        throw EPrinter(msg::sNotPrinting.text());
    return *m_canvas;
}

int TExPrinter::PageWidth() const {
    if (m_active)
        return m_active->width();
    QPrinter printer(QPrinter::HighResolution);
    configure(printer, GetPaper(), m_attached == nullptr);
    return printer.width();
}

int TExPrinter::PageHeight() const {
    if (m_active)
        return m_active->height();
    QPrinter printer(QPrinter::HighResolution);
    configure(printer, GetPaper(), m_attached == nullptr);
    return printer.height();
}

int TExPrinter::PixelsPerInchX() const {
    if (m_active)
        return m_active->logicalDpiX();
    if (m_attached)
        return m_attached->resolution();
    QPrinter printer(QPrinter::HighResolution);
    configure(printer, GetPaper(), true);
    return printer.resolution();
}

int TExPrinter::PixelsPerInchY() const {
    if (m_active)
        return m_active->logicalDpiY();
    return PixelsPerInchX();
}

} // namespace sw
