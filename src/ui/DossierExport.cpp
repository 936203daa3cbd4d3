#include "ui/DossierExport.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

#include "app/document/BTSConfigurationDoc.h"
#include "app/dossier/DocumentDossier.h"
#include "model/SiteKODA.h"
#include "paint/DossierPdf.h"

namespace DossierExport {

namespace {

const QString kTitle = QStringLiteral("Cabrion");

// Letter where the locale measures in inches, A4 elsewhere.
paint::EPaper LocalPaper() {
    return QLocale().measurementSystem() == QLocale::ImperialUSSystem ? paint::EPaper::Letter
                                                                      : paint::EPaper::A4;
}

void Preview(QWidget* parent, const SDossier& dossier, paint::EPaper paper) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(
        QPageSize(paper == paint::EPaper::Letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageMargins(QMarginsF(16, 14, 16, 12), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Commissioning Dossier"));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Commissioning Dossier - Print Preview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* p) { paint::PaintDossier(*p, dossier); });
    dialog.exec();
}

} // namespace

bool WriteTo(QWidget* parent, CBTSConfigurationDoc& doc, const QString& path, bool offerPreview) {
    SDossierSource source;
    if (!DossierSourceOf(doc, source)) {
        QMessageBox::warning(parent, kTitle,
                             QStringLiteral("A dossier describes an Orvik configuration; open "
                                            "one first."));
        return false;
    }
    const SDossier dossier = BuildDossier(*doc.SiteKODA(), source);
    const paint::EPaper paper = LocalPaper();

    QProgressDialog progress(QStringLiteral("Writing the commissioning dossier..."),
                             QStringLiteral("Cancel"), 0, 1, parent);
    progress.setWindowTitle(kTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAccessibleName(QStringLiteral("Dossier progress"));
    QString error;
    const bool written = paint::WriteDossierPdf(
        dossier, path, paper,
        [&](int page, int pages) {
            progress.setMaximum(pages);
            progress.setValue(page - 1);
            progress.setLabelText(QStringLiteral("Writing page %1 of %2...").arg(page).arg(pages));
            QApplication::processEvents();
            return !progress.wasCanceled();
        },
        &error);
    progress.reset();
    if (!written) {
        QMessageBox::warning(parent, kTitle, error);
        return false;
    }
    if (!offerPreview) {
        return true;
    }
    QMessageBox done(QMessageBox::Information, kTitle,
                     QStringLiteral("The commissioning dossier was written to\n%1").arg(path),
                     QMessageBox::Close, parent);
    QPushButton* preview =
        done.addButton(QStringLiteral("&Print Preview..."), QMessageBox::ActionRole);
    done.setDefaultButton(preview);
    done.exec();
    if (done.clickedButton() == preview) {
        Preview(parent, dossier, paper);
    }
    return true;
}

bool Export(QWidget* parent, CBTSConfigurationDoc& doc) {
    const QString start =
        QString::fromStdString(doc.PathName().empty() ? std::string() : doc.PathName());
    const QString folder = start.isEmpty() ? QString() : QFileInfo(start).absolutePath();
    const QString suggested = (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) +
                              QString::fromStdString(DossierFileName(doc));
    const QString path =
        QFileDialog::getSaveFileName(parent, QStringLiteral("Export Commissioning Dossier"),
                                     suggested, QStringLiteral("PDF document (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    return WriteTo(parent, doc,
                   path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)
                       ? path
                       : path + QStringLiteral(".pdf"));
}

} // namespace DossierExport
