#include "ui/views/ZoomActions.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

#include "ui/views/BTSConfigurationView.h"

CZoomActions::CZoomActions(QWidget* window) : QObject(window) {
    m_separator = new QAction(window);
    m_separator->setSeparator(true);
    m_in = new QAction(tr("Zoom &In"), window);
    m_in->setObjectName(QStringLiteral("ZoomIn"));
    // Ctrl+= as well: on most keyboards "+" needs Shift.
    m_in->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    m_in->setStatusTip(tr("Show the cabinet picture larger"));
    m_out = new QAction(tr("Zoo&m Out"), window);
    m_out->setObjectName(QStringLiteral("ZoomOut"));
    m_out->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Minus));
    m_out->setStatusTip(tr("Show the cabinet picture smaller"));
    m_fit = new QAction(tr("Fit to &Window"), window);
    m_fit->setObjectName(QStringLiteral("ZoomFit"));
    m_fit->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_0));
    m_fit->setStatusTip(tr("Fit the cabinet picture to its pane again"));
    for (QAction* a : {m_in, m_out, m_fit}) {
        // The picture is the window's whatever pane has the keyboard.
        a->setShortcutContext(Qt::WindowShortcut);
        connect(a, &QAction::triggered, this, [this, a] {
            if (m_picture == nullptr) {
                return;
            }
            if (a == m_in) {
                m_picture->ZoomIn();
            } else if (a == m_out) {
                m_picture->ZoomOut();
            } else {
                m_picture->FitPicture();
            }
        });
    }
    UpdateEnabled();
}

void CZoomActions::SetPicture(CBTSConfigurationView* picture) {
    m_picture = picture;
    if (picture != nullptr) {
        connect(picture, &CBTSConfigurationView::ZoomChanged, this, &CZoomActions::UpdateEnabled);
    }
    UpdateEnabled();
}

void CZoomActions::InsertInto(QMenu* menu, QAction* before) {
    menu->insertActions(before, {m_in, m_out, m_fit, m_separator});
}

void CZoomActions::UpdateEnabled() {
    // Not tied to the picture being in front: the keys must work from the first moment, and
    // the enable states are only brought up to date when something asks.
    const bool picture = m_picture != nullptr;
    m_in->setEnabled(picture && m_picture->CanZoomIn());
    m_out->setEnabled(picture && m_picture->CanZoomOut());
    m_fit->setEnabled(picture && !m_picture->Zoom().Fitted());
}
