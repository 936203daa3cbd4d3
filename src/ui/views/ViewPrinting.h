#pragma once
// Printing, print preview and picture export of the active view: what the File menu's Print
// (57607), Print Preview (57609) and Export View... commands run.

#include <QString>

class CViewBase;
class QPrinter;
class QWidget;

namespace ViewPrinting {

inline constexpr int kPrintCommand = 57607;
inline constexpr int kPrintPreviewCommand = 57609;

// Prints the active view's picture and list on one page of the printer.
void PrintActiveView(QPrinter& printer, const CViewBase& manager, const QString& configuration);
// The print dialog, then printing; false when cancelled.
bool Print(QWidget* parent, const CViewBase& manager, const QString& configuration);
void PrintPreview(QWidget* parent, const CViewBase& manager, const QString& configuration);
// Asks for a file and writes the picture as PNG, SVG or PDF; a failure is shown in a message
// box. False when cancelled or failed.
bool ExportView(QWidget* parent, const CViewBase& manager);

} // namespace ViewPrinting
