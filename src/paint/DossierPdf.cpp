#include "paint/DossierPdf.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QSaveFile>

namespace paint {

bool PaperFromText(const QString& text, EPaper& paper) {
    const QString t = text.toLower();
    if (t == QLatin1String("a4")) {
        paper = EPaper::A4;
        return true;
    }
    if (t == QLatin1String("letter")) {
        paper = EPaper::Letter;
        return true;
    }
    return false;
}

bool WriteDossierPdf(const SDossier& dossier, const QString& path, EPaper paper,
                     const DossierProgress& progress, QString* error) {
    const auto fail = [error](const QString& text) {
        if (error != nullptr) {
            *error = text;
        }
        return false;
    };
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        // Ten device units per point: fine enough for font sizes in tenths of a point.
        pdf.setResolution(720);
        pdf.setPageLayout(
            QPageLayout(QPageSize(paper == EPaper::Letter ? QPageSize::Letter : QPageSize::A4),
                        QPageLayout::Portrait, QMarginsF(16, 14, 16, 12), QPageLayout::Millimeter));
        pdf.setTitle(QStringLiteral("Commissioning Dossier - %1")
                         .arg(QString::fromStdString(dossier.siteName)));
        pdf.setCreator(QStringLiteral("Cabrion"));
        bool cancelled = false;
        const DossierProgress watch = [&](int page, int pages) {
            cancelled = progress && !progress(page, pages);
            return !cancelled;
        };
        if (PaintDossier(pdf, dossier, watch) < 0) {
            return fail(cancelled ? QStringLiteral("The dossier was not written: cancelled")
                                  : QStringLiteral("The dossier could not be made"));
        }
    }
    buffer.close();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        return fail(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
    }
    return true;
}

} // namespace paint
