#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace sw {

// The printer dialog over the printer object: it opens on the selected printer (or PDF file),
// and on confirmation makes the chosen one the selected printer. False when cancelled; nothing
// changes then.
bool ExecutePrintDialog(QWidget* parent);

// A print preview whose pages are drawn by draw on the preview's printer: while draw runs, the
// printer object draws on that printer. Printing from the preview runs draw again on the printer
// the user picks there.
void ExecutePrintPreview(QWidget* parent, const std::function<void()>& draw);
// What the preview does for each request: draw on printer, with errors handed to the
// application's error prompt (they must not cross Qt's code).
void PaintPreviewRequest(QPrinter* printer, const std::function<void()>& draw);

// A one-line text input with our button texts; true when confirmed, with text holding the entry.
bool ExecuteInputQuery(QWidget* parent, const QString& caption, const QString& prompt,
                       QString& text);

} // namespace sw
