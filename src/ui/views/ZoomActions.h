#pragma once
// The View menu's zoom commands of the cabinet picture. Ctrl+0 already shows the tenth view,
// so fitting the picture again takes Ctrl+Alt+0.

#include <QObject>
#include <QPointer>

class CBTSConfigurationView;
class QAction;
class QMenu;

class CZoomActions : public QObject {
    Q_OBJECT
public:
    explicit CZoomActions(QWidget* window);

    QAction* ZoomIn() const { return m_in; }
    QAction* ZoomOut() const { return m_out; }
    QAction* Fit() const { return m_fit; }
    // The picture of the document's current view container; nullptr while there is none.
    void SetPicture(CBTSConfigurationView* picture);
    // Puts the commands, and a separator after them, before `before` (at the end without it).
    void InsertInto(QMenu* menu, QAction* before);
    void UpdateEnabled();

private:
    QPointer<CBTSConfigurationView> m_picture;
    QAction* m_separator = nullptr;
    QAction* m_in = nullptr;
    QAction* m_out = nullptr;
    QAction* m_fit = nullptr;
};
