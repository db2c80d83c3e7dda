#include "Classes.h"

#include "Messages.h"

namespace sw {

namespace {
const Message sFOpenError("rtlconsts.sfopenerror", "Unable to open file \"%s\"");
const Message sReadError("rtlconsts.sreaderror", "Stream read error");
const Message sWriteError("rtlconsts.swriteerror", "Stream write error");
const Message sListIndexError("rtlconsts.slistindexerror", "List index (%d) out of bounds");
} // namespace

void RaiseFOpenError(const QString& fileName) {
    throw EFOpenError(sFOpenError.text(), {fileName});
}

void RaiseReadError() {
    throw EReadError(sReadError.text());
}

void RaiseWriteError() {
    throw EWriteError(sWriteError.text());
}

void RaiseListIndexError(qsizetype index) {
    throw EListError(sListIndexError.text(), {static_cast<long long>(index)});
}

} // namespace sw
