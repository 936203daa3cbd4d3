#include "ui/views/ViewPrinting.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/document/BTSConfigurationDoc.h"
#include "app/dossier/DocumentDossier.h"
#include "app/views/ViewBase.h"
#include "paint/PictureExport.h"
#include "paint/PrintPage.h"

namespace ViewPrinting {

namespace {

const QString kPrintTitle = QStringLiteral("Cabrion");

QString TabText(const CViewBase& manager) {
    return manager.BtsTab() ? QStringLiteral("Currently in BTS")
                            : QStringLiteral("Configuration Candidate");
}

} // namespace

bool PrintActiveView(QPrinter& printer, CBTSConfigurationDoc& doc) {
    const CViewBase* manager = doc.AnyViewManager();
    if (manager == nullptr) {
        return false;
    }
    const SPageFrame frame = PageFrameOf(doc, *manager);
    const SDossierView page = ActiveViewPage(*manager, TabText(*manager).toStdString());
    printer.setDocName(QString::fromStdString(frame.site + " - " + page.title));
    return paint::PrintView(printer, frame, page) > 0;
}

bool Print(QWidget* parent, CBTSConfigurationDoc& doc) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    return PrintActiveView(printer, doc);
}

void PrintPreview(QWidget* parent, CBTSConfigurationDoc& doc) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* p) { PrintActiveView(*p, doc); });
    dialog.exec();
}

bool ExportTo(QWidget* parent, CBTSConfigurationDoc& doc, const QString& path, int dpi) {
    const CViewBase* manager = doc.AnyViewManager();
    if (manager == nullptr) {
        return false;
    }
    const SDossierView page = ActiveViewPage(*manager, TabText(*manager).toStdString());
    QString error;
    if (!paint::ExportViewSheet(page, PageFrameOf(doc, *manager), path, dpi, &error)) {
        QMessageBox::warning(parent, kPrintTitle, error);
        return false;
    }
    return true;
}

bool ExportView(QWidget* parent, CBTSConfigurationDoc& doc) {
    const CViewBase* manager = doc.AnyViewManager();
    if (manager == nullptr) {
        return false;
    }
    const CViewPageBase* view = manager->ActiveView();
    const std::string suggested = ViewExportFileName(
        PageFrameOf(doc, *manager), view != nullptr ? view->Name() : std::string("view"), "png");
    const QString folder = doc.PathName().empty()
                               ? QString()
                               : QFileInfo(QString::fromStdString(doc.PathName())).absolutePath();
    QString filter;
    QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Export View"),
        (folder.isEmpty() ? QString() : folder + QLatin1Char('/')) +
            QString::fromStdString(suggested),
        QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"), &filter);
    if (path.isEmpty()) {
        return false;
    }
    // A name typed without its ending takes the one of the chosen kind.
    if (paint::FormatOfPath(path) == paint::EPictureFormat::Unknown) {
        path += filter.contains(QLatin1String("*.svg"))   ? QStringLiteral(".svg")
                : filter.contains(QLatin1String("*.pdf")) ? QStringLiteral(".pdf")
                                                          : QStringLiteral(".png");
    }
    int dpi = paint::kDefaultSheetResolution;
    if (paint::FormatOfPath(path) == paint::EPictureFormat::Png) {
        QStringList choices;
        int current = 0;
        for (const int r : paint::kSheetResolutions) {
            if (r == paint::kDefaultSheetResolution) {
                current = static_cast<int>(choices.size());
            }
            choices << QStringLiteral("%1 dpi").arg(r);
        }
        bool ok = false;
        const QString choice = QInputDialog::getItem(parent, QStringLiteral("Export View"),
                                                     QStringLiteral("&Resolution of the picture:"),
                                                     choices, current, false, &ok);
        if (!ok) {
            return false;
        }
        dpi = choice.section(QLatin1Char(' '), 0, 0).toInt();
    }
    return ExportTo(parent, doc, path, dpi);
}

} // namespace ViewPrinting
