#include "ExPrinterSettings.h"

namespace sw {

void GetPrinterPaper(TDevicePaper& paper) {
    paper = Printer().GetPaper();
}

void SetPrinterPaper(const TDevicePaper& paper) {
    Printer().SetPaper(paper);
}

int GetPrinterPixelsPerInchX() {
    return Printer().PixelsPerInchX();
}

int GetPrinterPixelsPerInchY() {
    return Printer().PixelsPerInchY();
}

} // namespace sw
