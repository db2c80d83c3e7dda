// Printing values into a layout's fields: the job's life cycle, the printer's paper, the
// centimetre-to-pixel conversion, the calibration grid and PrintField.

#include "ExPreformattedPrinter.h"
#include "ExPrinterSettings.h"
#include "Messages.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace sw {

namespace msg {
const Message sNotPrinting("expreformattedprinter.snotprinting",
                           "A impressão não foi inicializada");
const Message sPrinting("expreformattedprinter.sprinting", "A impressora está imprimindo");
const Message sInvalidCustomPaper("expreformattedprinter.sinvalidcustompaper",
                                  "Papel personalizado inválido: %s x %s cm (cada lado deve ter "
                                  "de 0,01 a 327,67 cm)");
} // namespace msg

namespace {

// Far beyond any paper, and small enough that a position plus a length never overflows.
constexpr long double MaxPixels = 1e9L;

int roundPixels(long double pixels) {
    if (std::isnan(pixels))
        return 0;
    pixels = std::clamp(pixels, -MaxPixels, MaxPixels);
    // The default rounding mode: a half goes to the even neighbour.
    return static_cast<int>(std::nearbyintl(pixels));
}

// Centimetres as the driver's tenths of a millimetre, truncated toward zero. A product that is an
// integer but for the binary representation of the centimetres (21.59 x 100 gives
// 2158.999...) counts as that integer, so a paper read back from the printer is put back intact.
long long toTenths(double cm) {
    const long double product = static_cast<long double>(cm) * 100.0L;
    if (!std::isfinite(product))
        return -1;
    if (std::fabs(product) > 1e9L)
        return product < 0 ? -1 : 1000000000LL;
    const long double nearest = std::roundl(product);
    if (std::fabs(product - nearest) < 1e-6L)
        return static_cast<long long>(nearest);
    return static_cast<long long>(product); // truncates toward zero
}

bool fitsDevice(long long tenths) {
    return tenths > 0 && tenths <= MaxDevicePaperLength;
}

QString cmText(double cm) {
    if (!std::isfinite(cm))
        return QString::number(cm);
    return Format("%.2f", {cm});
}

// The first Size bytes of a text, a character that the cut would split dropped whole.
QString cutToBytes(const QString& value, int size) {
    const QByteArray utf8 = value.toUtf8();
    if (utf8.size() <= size)
        return value;
    return QString::fromUtf8(ShortString<1>::cutUtf8(utf8, size));
}

} // namespace

bool TExPreformattedPrinter::IsPrinting() const {
    return Printer().Printing();
}

void TExPreformattedPrinter::CheckPrinting() const {
    if (!IsPrinting())
        RaiseError(msg::sNotPrinting.text());
}

void TExPreformattedPrinter::CheckNotPrinting() const {
    if (IsPrinting())
        RaiseError(msg::sPrinting.text());
}

int TExPreformattedPrinter::CmToPixelX(double value) const {
    return roundPixels(static_cast<long double>(FPixelsPerInchX) / 2.54L *
                       static_cast<long double>(value));
}

int TExPreformattedPrinter::CmToPixelY(double value) const {
    return roundPixels(static_cast<long double>(FPixelsPerInchY) / 2.54L *
                       static_cast<long double>(value));
}

void TExPreformattedPrinter::ApplyPaper(const TPaperInfo& newPaper, TPaperInfo& oldPaper) {
    const long long width = toTenths(newPaper.PaperWidth);
    const long long length = toTenths(newPaper.PaperHeight);
    // The driver keeps signed 16-bit tenths of a millimetre: a custom size beyond that would
    // reach the printer as some other size.
    if ((newPaper.PaperSize & ~LandscapeBit) == 0 && (!fitsDevice(width) || !fitsDevice(length)))
        RaiseErrorFmt(msg::sInvalidCustomPaper.text(),
                      {cmText(newPaper.PaperWidth), cmText(newPaper.PaperHeight)});

    TDevicePaper device;
    GetPrinterPaper(device);
    TPaperInfo old;
    old.PaperSize = device.PaperSize;
    if (device.Orientation == DeviceLandscape)
        old.PaperSize |= LandscapeBit;
    old.PaperWidth = device.PaperWidth / 100.0;
    old.PaperHeight = device.PaperLength / 100.0;

    device.PaperSize = newPaper.PaperSize;
    // A standard size ignores its dimensions; ones out of range are dropped, not wrapped.
    device.PaperWidth = static_cast<uint16_t>(fitsDevice(width) ? width : 0);
    device.PaperLength = static_cast<uint16_t>(fitsDevice(length) ? length : 0);
    SetPrinterPaper(device);
    oldPaper = old;
}

void TExPreformattedPrinter::BeginPrint() {
    CheckNotPrinting();
    SetupPaper();
    TExPrinter& printer = Printer();
    try {
        QString title = QCoreApplication::applicationName();
        if (!Title.isEmpty())
            title += QStringLiteral(" - ") + Title;
        printer.SetTitle(title);
        printer.BeginDoc();
    } catch (...) {
        // No job is open, so no EndPrint will come to put the previous paper back.
        try {
            TPaperInfo dropped;
            ApplyPaper(FSavedPaper, dropped);
        } catch (const Exception&) {
            // The first error is the one to report.
        }
        throw;
    }
    printer.Canvas().SetBrushStyle(bsClear);
    FPixelsPerInchX = GetPrinterPixelsPerInchX();
    FPixelsPerInchY = GetPrinterPixelsPerInchY();
}

void TExPreformattedPrinter::NewPage() {
    CheckPrinting();
    Printer().NewPage();
}

void TExPreformattedPrinter::EndPrint() {
    CheckPrinting();
    try {
        Printer().EndDoc();
    } catch (...) {
        TPaperInfo dropped;
        try {
            ApplyPaper(FSavedPaper, dropped);
        } catch (const Exception&) {
            // The first error is the one to report.
        }
        throw;
    }
    TPaperInfo dropped;
    ApplyPaper(FSavedPaper, dropped);
}

void TExPreformattedPrinter::PrintGrid() {
    CheckPrinting();
    TExPrinter& printer = Printer();
    TExCanvas& canvas = printer.Canvas();
    const int ph = printer.PageHeight();
    const int pw = printer.PageWidth();
    canvas.SetFont(TExCanvasFont{QStringLiteral("Arial"), 8, 0, 0});

    // A resolution too low to advance one pixel per centimetre would never leave these loops.
    for (int i = 0;; ++i) {
        const int x = CmToPixelX(i);
        if (x > pw || (i > 0 && x <= 0))
            break;
        canvas.MoveTo(x, 0);
        canvas.LineTo(x, ph);
        if (i >= 1) {
            const QString label = QString::number(i);
            canvas.TextOut(x - canvas.TextWidth(label) / 2, CmToPixelY(0.1), label);
        }
    }
    for (int i = 0;; ++i) {
        const int y = CmToPixelY(i);
        if (y > ph || (i > 0 && y <= 0))
            break;
        canvas.MoveTo(0, y);
        canvas.LineTo(pw, y);
        if (i >= 1) {
            const QString label = QString::number(i);
            canvas.TextOut(CmToPixelX(0.1), y - canvas.TextHeight(label) / 2, label);
        }
    }
}

void TExSlatewright::SetupPaper() {
    TPaperInfo paper;
    paper.PaperSize = GetPaperSize();
    paper.PaperWidth = GetPaperWidth();
    paper.PaperHeight = GetPaperHeight();
    ApplyPaper(paper, FSavedPaper);
}

void TExSlatewright::PrintField(const QString& fieldName, const QString& value, bool drawFrame) {
    CheckPrinting();
    const int index = IndexOfField(fieldName);
    if (index < 0) {
        // The name joins the layout as a field that prints nothing until someone edits it.
        TExPrinterField added = ZeroField();
        added.Name.assign(fieldName);
        AddField(added);
        return;
    }
    TExPrinterField field;
    GetField(index, field);
    if (field.Print == 0)
        return;
    const QString text = field.Size > 0 ? cutToBytes(value, field.Size) : value;

    TExCanvas& canvas = Printer().Canvas();
    canvas.SetFont(
        TExCanvasFont{field.FontName.toString(), field.FontSize, field.FontStyle, field.FontColor});
    // Bounded like the converted lengths, so that no sum below can overflow.
    const int tw = std::clamp(canvas.TextWidth(text), 0, static_cast<int>(MaxPixels));
    const int th = std::clamp(canvas.TextHeight(text), 0, static_cast<int>(MaxPixels));

    const int x1 = CmToPixelX(field.Left);
    const int x2 = x1 + (field.Width > 0 ? CmToPixelX(field.Width) : tw);
    const int y1 = CmToPixelY(field.Top);
    const int y2 = y1 + (field.Height > 0 ? CmToPixelY(field.Height) : th);

    int tx = x1;
    if (field.HorzAlignment == haCenter)
        tx = x1 + (x2 - x1) / 2 - tw / 2;
    else if (field.HorzAlignment == haRight)
        tx = x2 - tw;
    int ty = y1;
    if (field.VertAlignment == vaCenter)
        ty = y1 + (y2 - y1) / 2 - th / 2;
    else if (field.VertAlignment == vaBottom)
        ty = y2 - th;

    if (drawFrame)
        canvas.Rectangle(x1 - 1, y1 - 1, x2 + 1, y2 + 1);
    canvas.TextRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), tx, ty, text);
}

} // namespace sw
