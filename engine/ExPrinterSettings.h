#pragma once

#include "ExPrinter.h"

namespace sw {

// The selected printer's paper and resolution, in the units of a printer driver.

// Throws EPrinter when the selected printer does not exist.
void GetPrinterPaper(TDevicePaper& paper);
// PaperSize's bit 15 sets landscape; the code kept is bits 0-14.
void SetPrinterPaper(const TDevicePaper& paper);
int GetPrinterPixelsPerInchX();
int GetPrinterPixelsPerInchY();

} // namespace sw
