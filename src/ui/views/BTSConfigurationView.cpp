#include "ui/views/BTSConfigurationView.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "app/views/ViewBase.h"
#include "paint/CabinetPictureCache.h"
#include "ui/views/ViewAccessibility.h"

namespace {

// Margins the origin rule keeps around the picture.
constexpr int kMinLeft = 10;
constexpr int kMinTop = 15;
constexpr int kMaxTop = 100;

} // namespace

CBTSConfigurationView::CBTSConfigurationView(CViewBase& manager, QWidget* parent)
    : QAbstractScrollArea(parent), m_manager(manager) {
    // Before anything asks for this window's accessible interface.
    RegisterViewAccessibility();
    setObjectName(QStringLiteral("cabinetPicture"));
    setAccessibleName(QStringLiteral("Cabinet picture"));
    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    viewport()->setBackgroundRole(QPalette::Base);
    setMinimumWidth(120);
    Refresh();
}

void CBTSConfigurationView::Refresh() {
    m_scene = m_manager.BuildScene();
    UpdateScrollBars();
    viewport()->update();
}

QSize CBTSConfigurationView::PictureSize() const {
    return CCabinetPainter::PictureSize(m_scene);
}

QSize CBTSConfigurationView::ScaledPictureSize() const {
    const QSize picture = PictureSize();
    return {qRound(picture.width() * m_scale), qRound(picture.height() * m_scale)};
}

void CBTSConfigurationView::UpdateScrollBars() {
    const QSize picture = PictureSize();
    const QSize area = viewport()->size();
    m_fit = 1.0;
    if (picture.width() > 0 && picture.height() > 0) {
        // The scroll bars take room from the viewport; the fit is measured without them so
        // that showing or hiding one does not make the scale jump back and forth.
        const QSize room = maximumViewportSize();
        const qreal fit = std::min(qreal(room.width() - 2 * kMinLeft) / picture.width(),
                                   qreal(room.height() - 2 * kMinTop) / picture.height());
        m_fit = std::clamp(fit, kMinScale, kMaxScale);
    }
    m_scale = m_zoom.Scale(m_fit);
    const QSize scaled = ScaledPictureSize();
    const int needW = scaled.width() + 2 * kMinLeft;
    const int needH = scaled.height() + 2 * kMinTop;
    horizontalScrollBar()->setRange(0, std::max(0, needW - area.width()));
    verticalScrollBar()->setRange(0, std::max(0, needH - area.height()));
    horizontalScrollBar()->setPageStep(area.width());
    verticalScrollBar()->setPageStep(area.height());
    horizontalScrollBar()->setSingleStep(21);
    verticalScrollBar()->setSingleStep(21);
}

QPoint CBTSConfigurationView::PictureOrigin() const {
    const QSize picture = ScaledPictureSize();
    const QSize area = viewport()->size();
    const int x = std::max(kMinLeft, area.width() / 2 - picture.width() / 2);
    const int y = std::clamp(area.height() / 2 - picture.height() / 2, kMinTop, kMaxTop);
    return {x - horizontalScrollBar()->value(), y - verticalScrollBar()->value()};
}

SPoint CBTSConfigurationView::ToPicture(const QPoint& pos) const {
    const QPoint p = pos - PictureOrigin();
    // Floor, not truncation: a point just left of or above the picture must not land on its
    // first column or row.
    return {static_cast<int>(std::floor(p.x() / m_scale)) + m_scene.bounds.left,
            static_cast<int>(std::floor(p.y() / m_scale)) + m_scene.bounds.top};
}

QPoint CBTSConfigurationView::FromPicture(const SPoint& point) const {
    return PictureOrigin() + QPoint(qRound((point.x - m_scene.bounds.left) * m_scale),
                                    qRound((point.y - m_scene.bounds.top) * m_scale));
}

QRect CBTSConfigurationView::FromPictureRect(const SRect& rect) const {
    return QRect(FromPicture(SPoint{rect.left, rect.top}),
                 FromPicture(SPoint{rect.right, rect.bottom}) - QPoint(1, 1));
}

void CBTSConfigurationView::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    if (!m_scene.valid) {
        return;
    }
    p.translate(PictureOrigin());
    // Drawn as vectors at the pane's scale, so lines and names stay sharp at any size and
    // device pixel ratio.
    p.scale(m_scale, m_scale);
    SPaintOptions options;
    options.focus = hasFocus();
    m_picture.Paint(p, m_scene, options, palette().color(QPalette::Base));
    if (hasFocus()) {
        // The picture's own focus mark scrolls away with the picture when it is zoomed in;
        // the pane's edge stays in sight.
        p.resetTransform();
        p.setPen(QPen(palette().color(QPalette::Highlight), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(viewport()->rect()).adjusted(1, 1, -1, -1));
    }
}

void CBTSConfigurationView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CBTSConfigurationView::mouseMoveEvent(QMouseEvent* event) {
    const CUnit* before = m_manager.HoveredUnit();
    const int rowBefore = m_manager.HoveredRow();
    emit StatusText(
        QString::fromStdString(m_manager.Hover(ToPicture(event->position().toPoint()))));
    if (before != m_manager.HoveredUnit() || rowBefore != m_manager.HoveredRow()) {
        Refresh();
    }
}

void CBTSConfigurationView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_manager.MousePress(ToPicture(event->position().toPoint()));
        Refresh();
    }
}

void CBTSConfigurationView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_manager.MouseRelease();
        Refresh();
    }
}

void CBTSConfigurationView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_manager.DoubleClick(ToPicture(event->position().toPoint()));
        Refresh();
    }
}

void CBTSConfigurationView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint pos = event->pos();
    if (event->reason() == QContextMenuEvent::Keyboard) {
        // From the keyboard the menu belongs to the selected unit, not to the pointer.
        pos = viewport()->rect().center();
        if (const CUnit* selected = m_manager.SelectedUnit()) {
            if (const SSceneUnit* u = m_scene.Find(selected)) {
                pos = FromPicture(
                    {(u->rect.left + u->rect.right) / 2, (u->rect.top + u->rect.bottom) / 2});
            }
        }
    }
    // A mouse's menu event reaches the scroll area through its viewport, in viewport
    // coordinates.
    const int menu = m_manager.ContextClick(ToPicture(pos));
    Refresh();
    if (menu != 0) {
        emit ContextMenuRequested(menu, viewport()->mapToGlobal(pos));
    }
}

void CBTSConfigurationView::keyPressEvent(QKeyEvent* event) {
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    switch (event->key()) {
    case Qt::Key_PageUp:
        v->triggerAction(QAbstractSlider::SliderPageStepSub);
        break;
    case Qt::Key_PageDown:
        v->triggerAction(QAbstractSlider::SliderPageStepAdd);
        break;
    case Qt::Key_Home:
        v->setValue(v->minimum());
        h->setValue(h->minimum());
        break;
    case Qt::Key_End:
        v->setValue(v->maximum());
        h->setValue(h->maximum());
        break;
    case Qt::Key_Up:
        v->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Down:
        v->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    case Qt::Key_Left:
        h->triggerAction(QAbstractSlider::SliderSingleStepSub);
        break;
    case Qt::Key_Right:
        h->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        break;
    default:
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    viewport()->update();
}

void CBTSConfigurationView::wheelEvent(QWheelEvent* event) {
    if ((event->modifiers() & Qt::ControlModifier) == 0) {
        QAbstractScrollArea::wheelEvent(event);
        return;
    }
    event->accept();
    Rescaled(m_zoom.Wheel(event->angleDelta().y(), m_fit), event->position().toPoint());
}

void CBTSConfigurationView::ZoomIn() {
    Rescaled(m_zoom.ZoomIn(m_fit), viewport()->rect().center());
}

void CBTSConfigurationView::ZoomOut() {
    Rescaled(m_zoom.ZoomOut(m_fit), viewport()->rect().center());
}

void CBTSConfigurationView::FitPicture() {
    Rescaled(m_zoom.Fit(), viewport()->rect().center());
}

void CBTSConfigurationView::Rescaled(bool changed, const QPoint& anchor) {
    if (!changed) {
        return;
    }
    const QPointF at = QPointF(anchor - PictureOrigin()) / m_scale;
    UpdateScrollBars();
    const QPointF moved = QPointF(PictureOrigin()) + at * m_scale - QPointF(anchor);
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() + qRound(moved.x()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + qRound(moved.y()));
    viewport()->update();
    emit ZoomChanged();
}

void CBTSConfigurationView::leaveEvent(QEvent* event) {
    m_manager.ClearHover();
    emit StatusText(QString::fromLatin1(CViewBase::kNoHelpText));
    Refresh();
    QAbstractScrollArea::leaveEvent(event);
}

void CBTSConfigurationView::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

void CBTSConfigurationView::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    viewport()->update();
}
