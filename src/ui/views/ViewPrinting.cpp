#include "ui/views/ViewPrinting.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "app/views/ViewBase.h"
#include "paint/PictureExport.h"
#include "paint/PrintPage.h"

namespace ViewPrinting {

void PrintActiveView(QPrinter& printer, const CViewBase& manager, const QString& configuration) {
    QPainter p;
    if (!p.begin(&printer)) {
        return;
    }
    paint::SPrintHeading heading;
    const CViewPageBase* view = manager.ActiveView();
    heading.title =
        view != nullptr ? QString::fromStdString(view->Name()) : QStringLiteral("No view");
    heading.subtitle = configuration + QStringLiteral(" - ") +
                       (manager.BtsTab() ? QStringLiteral("Currently in BTS")
                                         : QStringLiteral("Configuration Candidate"));
    const QRectF page =
        printer.pageLayout()
            .paintRectPixels(printer.resolution())
            .translated(-printer.pageLayout().paintRectPixels(printer.resolution()).topLeft());
    paint::PaintViewPage(p, page, heading, manager.BuildScene(), manager.ListContent());
    p.end();
}

bool Print(QWidget* parent, const CViewBase& manager, const QString& configuration) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return false;
    }
    PrintActiveView(printer, manager, configuration);
    return true;
}

void PrintPreview(QWidget* parent, const CViewBase& manager, const QString& configuration) {
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer, parent);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter* p) { PrintActiveView(*p, manager, configuration); });
    dialog.exec();
}

bool ExportView(QWidget* parent, const CViewBase& manager) {
    const QString path = QFileDialog::getSaveFileName(
        parent, QStringLiteral("Export View"), QString(),
        QStringLiteral("PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty()) {
        return false;
    }
    QString error;
    if (!paint::ExportPicture(manager.BuildScene(), path, 2.0, &error)) {
        QMessageBox::warning(parent, QStringLiteral("Cabrion"), error);
        return false;
    }
    return true;
}

} // namespace ViewPrinting
