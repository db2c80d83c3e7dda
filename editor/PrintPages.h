#pragma once

#include "ExPreformattedPrinter.h"

namespace sw {

// The calibration pages of a layout, printed on the printer object's selected printer (or on a
// QPrinter attached to it, as a print preview does).

// Every field's own name in its box, framed; fields not marked for printing are left out. The
// job is ended also when a field fails to print, and that error is the one reported.
void PrintTestPage(TExSlatewright& document);
// The numbered centimetre grid over the document's paper; the job is ended on every path.
void PrintGridPage(TExSlatewright& document);

} // namespace sw
