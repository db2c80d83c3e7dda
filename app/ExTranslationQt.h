#pragma once

class QCoreApplication;

namespace sw {

// Puts Qt's own Brazilian Portuguese texts (file, print, font and input dialogs, standard
// buttons) in place, from the translation the program carries. Call once the application object
// exists and before any window is created. Returns false when the translation could not be read.
bool InstallQtTranslations(QCoreApplication& app);

} // namespace sw
