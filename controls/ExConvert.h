#pragma once

#include "ExTypes.h"
#include "NumberFormat.h"

#include <QString>

namespace sw {

// The per-type conversions of the typed controls. Readers and normalisers are never handed an
// empty text; the caller decides what an empty text means.

// The dtCurrency reader: the float reader, rounded to the nearest ten-thousandth.
TCurrency ReadCurrencyValue(const QString& text);

// The text a control puts back into itself after validating: the value read and written again
// in the type's canonical form. dtString is returned unchanged. Raises the reader's
// EConvertError. The dtDateTime normaliser reads with the locale date-time reader, so a text of
// plain digits such as 25122023 that the dtDateTime reader accepts is refused here.
QString NormalizeValueText(TExDataType type, const QString& text);

// The text shown while a control does not have the focus: empty for an empty text; the value
// read and written by the type's writer, or laid out by displayFormat when that is not empty
// (not for dtString). A text that does not read, or a pattern that does not fit, shows the text
// itself: this never raises.
QString DisplayValueText(TExDataType type, const QString& text, const QString& displayFormat);

} // namespace sw
