#pragma once

#include <QFileDialog>
#include <QStringList>

namespace sw {

// Qt name filters from a filter in "description|pattern|description|pattern" notation. A
// pattern "*.*" means every file, which on this platform is "*".
QStringList QtNameFilters(const QString& filter);

// Sets up the open or the save dialog of layout files: the layout filter, the default extension
// added to a name typed without one, the start folder and the preset file name. The save dialog
// asks before it replaces an existing file.
void SetupLayoutFileDialog(QFileDialog& dialog, QFileDialog::AcceptMode mode, const QString& dir,
                           const QString& fileName);

} // namespace sw
