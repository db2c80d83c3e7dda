#pragma once

#include "ExPrinterRecords.h"

#include <functional>

namespace sw {

// Edits one field record in the field editor dialog. Returns true when the user confirmed, and
// only then has the record changed.
bool ExecuteFieldEditor(TExPrinterField& field);

// Tests put a scripted answer in place of the dialog; an empty function puts the dialog back.
using FieldEditorFunction = std::function<bool(TExPrinterField&)>;
void SetFieldEditorFunction(FieldEditorFunction editor);

} // namespace sw
