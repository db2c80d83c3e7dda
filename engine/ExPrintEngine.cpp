#include "ExPreformattedPrinter.h"

namespace sw {

// Until a printer is attached the document's paper has nowhere to go.
void TExSlatewright::SetupPaper() {}

} // namespace sw
