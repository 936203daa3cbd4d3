#pragma once
// File > Export Commissioning Dossier...: asks where to write the document's dossier, writes it
// with a progress dialog that can be cancelled, and offers its print preview.

#include <QString>

class CBTSConfigurationDoc;
class QWidget;

namespace DossierExport {

// Asks for the file and writes it; false when nothing was written.
bool Export(QWidget* parent, CBTSConfigurationDoc& doc);

// Writes the dossier to the path with the progress dialog, then offers the preview unless
// `offerPreview` is off. False, with the reason shown, when it was cancelled or failed; the
// file that was there is kept then.
bool WriteTo(QWidget* parent, CBTSConfigurationDoc& doc, const QString& path,
             bool offerPreview = true);

} // namespace DossierExport
