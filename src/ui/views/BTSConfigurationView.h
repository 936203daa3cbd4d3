#pragma once
// The scrolling picture pane: paints the active view's cabinet picture, tells the status bar
// what the pointer is over, and hands clicks, double clicks and right clicks to the view
// manager. The drawn units are exposed to assistive technology as children of the pane.

#include <QAbstractScrollArea>

#include "app/views/CabinetScene.h"
#include "app/views/PictureZoom.h"
#include "model/Connector.h"
#include "paint/CabinetPictureCache.h"

class CViewBase;

class CBTSConfigurationView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CBTSConfigurationView(CViewBase& manager, QWidget* parent = nullptr);

    CViewBase& Manager() const { return m_manager; }
    // Where the picture's top left corner lies in the viewport, scrolling included.
    QPoint PictureOrigin() const;
    // The point of the cabinet picture under a viewport position.
    SPoint ToPicture(const QPoint& viewportPos) const;
    QPoint FromPicture(const SPoint& picturePoint) const;
    // The rectangle a part of the picture covers in the viewport.
    QRect FromPictureRect(const SRect& pictureRect) const;
    // Viewport pixels per picture pixel: the picture fills its pane, keeping its proportions,
    // and never shrinks below the size at which unit names stay legible (the pane scrolls
    // then); once the user zooms, the chosen scale holds until the picture is fitted again.
    qreal Scale() const { return m_scale; }
    static constexpr qreal kMinScale = 1.0;
    static constexpr qreal kMaxScale = 4.0;
    const CPictureZoom& Zoom() const { return m_zoom; }
    bool CanZoomIn() const { return m_zoom.CanZoomIn(m_fit); }
    bool CanZoomOut() const { return m_zoom.CanZoomOut(m_fit); }
    // The scene as last painted (what the accessibility children describe).
    const SCabinetScene& Scene() const { return m_scene; }

public slots:
    // The model or the view changed: build the picture again.
    void Refresh();
    // The keys' zoom keeps the middle of the pane where it is; the wheel's the point under
    // the pointer.
    void ZoomIn();
    void ZoomOut();
    void FitPicture();

signals:
    void StatusText(const QString& text);
    // The menu (362, 364) to show at the global position.
    void ContextMenuRequested(int menuId, const QPoint& globalPos);
    // The scale changed by the user's zoom or fit.
    void ZoomChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void UpdateScrollBars();
    // After a zoom step: the picture point under the anchor stays under it.
    void Rescaled(bool changed, const QPoint& anchor);
    QSize PictureSize() const;
    QSize ScaledPictureSize() const;

    CViewBase& m_manager;
    SCabinetScene m_scene;
    // Hover and cables change on every pointer move; the cabinet under them seldom does.
    CCabinetPictureCache m_picture;
    qreal m_scale = 1.0;
    // The scale that fits the pane, which the zoom starts from and returns to.
    qreal m_fit = 1.0;
    CPictureZoom m_zoom;
};
