#pragma once
// The tall pictures on the left of the wizard's pages, drawn as vector shapes like the view
// icons: what a page is about at a glance (the cabinet, its cables, the antennas, the link).

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace paint {

enum class EWizardPicture {
    Welcome,    // the way choice
    File,       // a configuration file
    Connection, // the BTS link
    Cabinet,    // cabinet, cross-connection and sector configuration pages
    Cabling,    // cabling pages
    Antenna,    // antenna pages
    Passive,    // passive units with their labels
    Report,     // the summary and report pages
    Search,     // the folder and the search result
};

void PaintWizardPicture(QPainter& p, EWizardPicture picture, const QRectF& rect);
// The picture at the size the wizard shows it on the left of a page.
QImage WizardPicture(EWizardPicture picture, const QSize& size = QSize(150, 380));

} // namespace paint
