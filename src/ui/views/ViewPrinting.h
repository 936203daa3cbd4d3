#pragma once
// Printing, print preview and picture export of the active view: what the File menu's Print
// (57607), Print Preview (57609) and Export View... commands run.

#include <QString>

class CBTSConfigurationDoc;
class QPrinter;
class QWidget;

namespace ViewPrinting {

inline constexpr int kPrintCommand = 57607;
inline constexpr int kPrintPreviewCommand = 57609;

// Prints the active view: the picture fitted to the first page, the list after it, the band on
// every page. False when the document has no views or the printer could not be painted on.
bool PrintActiveView(QPrinter& printer, CBTSConfigurationDoc& doc);
// The print dialog, then printing; false when cancelled.
bool Print(QWidget* parent, CBTSConfigurationDoc& doc);
void PrintPreview(QWidget* parent, CBTSConfigurationDoc& doc);
// Writes the active view's sheet to `path` (PNG at `dpi`); a failure is shown in a message box.
bool ExportTo(QWidget* parent, CBTSConfigurationDoc& doc, const QString& path, int dpi);
// Asks for a file (a name made of the site, the configuration, the view and the date offered)
// and, for PNG, the resolution, then writes the sheet. False when cancelled or failed.
bool ExportView(QWidget* parent, CBTSConfigurationDoc& doc);

} // namespace ViewPrinting
