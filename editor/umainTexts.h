#pragma once

#include "Messages.h"

// The main window's texts; the editor's dialogs use some of them too.
namespace sw::umain {
extern const Message sAppTitle;
extern const Message sAppAuthor;
extern const Message sAppSite;
extern const Message sAppEmail;
extern const Message sInvalidFieldValue;
extern const Message sConfFieldDelete;
extern const Message sFieldEditor;
extern const Message sConfSave;
extern const Message sPaper;
extern const Message sFileFilter;
extern const Message sFileExt;
extern const Message sFmtMeasure;
extern const Message sFmtCm;
} // namespace sw::umain
