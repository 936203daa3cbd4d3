#pragma once
// Writes a commissioning dossier as one PDF file with Qt's own PDF writer: real text, vector
// pictures, A4 or Letter. The file is replaced only once the whole document is written, so a
// failed or cancelled export leaves the previous one as it was.

#include <QString>

#include "paint/DossierPainter.h"

namespace paint {

enum class EPaper { A4, Letter };

// "a4" or "letter", any case; false for another text.
bool PaperFromText(const QString& text, EPaper& paper);

// False with a message when the document cannot be made or written, or the progress callback
// stopped it ("The dossier was not written: cancelled").
bool WriteDossierPdf(const SDossier& dossier, const QString& path, EPaper paper,
                     const DossierProgress& progress = {}, QString* error = nullptr);

} // namespace paint
