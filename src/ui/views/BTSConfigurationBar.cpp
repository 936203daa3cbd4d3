#include "ui/views/BTSConfigurationBar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

#include "app/views/ViewBase.h"
#include "paint/ViewIcons.h"
#include "ui/views/ViewAccessibility.h"

CBTSConfigurationBar::CBTSConfigurationBar(CViewBase& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager) {
    // Before anything asks for this window's accessible interface.
    RegisterViewAccessibility();
    setObjectName(QStringLiteral("viewBar"));
    setAccessibleName(QStringLiteral("View bar"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setMinimumWidth(75);
    Rebuild();
}

QSize CBTSConfigurationBar::sizeHint() const {
    return {75, CViewBarState::kButtonHeight * std::max(1, m_state.Count())};
}

void CBTSConfigurationBar::Rebuild() {
    m_state.SetEntries(m_manager.BarEntries());
    if (const CViewPageBase* active = m_manager.ActiveView()) {
        m_state.SetFocusIndex(m_state.IndexOfView(active->Type()));
    }
    m_state.KeepFocusVisible(height());
    update();
}

bool CBTSConfigurationBar::IsActiveButton(int index) const {
    const CViewPageBase* active = m_manager.ActiveView();
    return active != nullptr && index >= 0 && index < m_state.Count() &&
           m_state.Entries()[index].viewType == active->Type();
}

QRect CBTSConfigurationBar::ButtonRect(int index) const {
    const int row = index - m_state.FirstVisible();
    const int right = m_state.NeedsScrolling(height()) ? width() - kScrollButton - 1 : width();
    return {0, row * CViewBarState::kButtonHeight, right, CViewBarState::kButtonHeight};
}

QRect CBTSConfigurationBar::ScrollUpRect() const {
    return {width() - kScrollButton, 0, kScrollButton, kScrollButton};
}

QRect CBTSConfigurationBar::ScrollDownRect() const {
    return {width() - kScrollButton, height() - kScrollButton, kScrollButton, kScrollButton};
}

int CBTSConfigurationBar::ButtonAt(const QPoint& pos) const {
    for (int i = m_state.FirstVisible(); i < m_state.Count(); ++i) {
        if (ButtonRect(i).contains(pos)) {
            return i;
        }
    }
    return -1;
}

void CBTSConfigurationBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QPalette pal = palette();
    p.fillRect(rect(), pal.color(QPalette::Dark));
    QFont font = p.font();
    font.setPixelSize(11);
    p.setFont(font);
    for (int i = m_state.FirstVisible(); i < m_state.Count(); ++i) {
        const QRect r = ButtonRect(i).adjusted(2, 1, -2, -1);
        if (r.top() > height()) {
            break;
        }
        const bool active = IsActiveButton(i);
        const bool hovered = i == m_hovered;
        if (active || hovered) {
            // Sunken for the active view, raised under the pointer.
            const QColor light = pal.color(QPalette::Light);
            const QColor dark = pal.color(QPalette::Shadow);
            p.fillRect(r,
                       active ? pal.color(QPalette::Mid) : pal.color(QPalette::Dark).lighter(108));
            p.setPen(active ? dark : light);
            p.drawLine(r.topLeft(), r.topRight());
            p.drawLine(r.topLeft(), r.bottomLeft());
            p.setPen(active ? light : dark);
            p.drawLine(r.bottomLeft(), r.bottomRight());
            p.drawLine(r.topRight(), r.bottomRight());
        }
        const int shift = active ? 1 : 0;
        const QRectF icon(r.center().x() - 16 + shift, r.top() + 2 + shift, 32, 32);
        paint::PaintViewIcon(p, m_state.Entries()[i].viewType, icon);
        p.setPen(pal.color(QPalette::BrightText));
        p.drawText(r.adjusted(shift, 33 + shift, shift, shift), Qt::AlignHCenter | Qt::AlignTop,
                   QString::fromLatin1(m_state.Entries()[i].label));
        if (hasFocus() && i == m_state.FocusIndex()) {
            // A one-pixel dotted frame vanishes on the dark bar, and one inside the button
            // runs through its label: two pixels in the highlight colour round the button.
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(pal.color(QPalette::Highlight), 2));
            p.drawRect(QRectF(r).adjusted(0, 0, 0, 0.5));
        }
    }
    if (m_state.NeedsScrolling(height())) {
        for (const bool up : {true, false}) {
            const QRect r = up ? ScrollUpRect() : ScrollDownRect();
            p.fillRect(r, pal.color(QPalette::Button));
            p.setPen(pal.color(QPalette::ButtonText));
            p.setBrush(pal.color(QPalette::ButtonText));
            const QPointF c = QRectF(r).center();
            QPolygonF arrow;
            arrow << c + QPointF(-4, up ? 2 : -2) << c + QPointF(4, up ? 2 : -2)
                  << c + QPointF(0, up ? -3 : 3);
            p.drawPolygon(arrow);
        }
    }
}

void CBTSConfigurationBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint pos = event->position().toPoint();
    if (m_state.NeedsScrolling(height())) {
        if (ScrollUpRect().contains(pos)) {
            m_state.ScrollBy(-1, height());
            update();
            return;
        }
        if (ScrollDownRect().contains(pos)) {
            m_state.ScrollBy(1, height());
            update();
            return;
        }
    }
    m_state.Press(ButtonAt(pos));
    update();
}

void CBTSConfigurationBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    Run(m_state.Release(ButtonAt(event->position().toPoint())));
}

void CBTSConfigurationBar::mouseMoveEvent(QMouseEvent* event) {
    const int hovered = ButtonAt(event->position().toPoint());
    if (hovered != m_hovered) {
        m_hovered = hovered;
        update();
    }
}

void CBTSConfigurationBar::leaveEvent(QEvent*) {
    m_hovered = -1;
    update();
}

void CBTSConfigurationBar::keyPressEvent(QKeyEvent* event) {
    using K = CViewBarState::EKey;
    K key = K::Other;
    switch (event->key()) {
    case Qt::Key_Home:
        key = K::Home;
        break;
    case Qt::Key_End:
        key = K::End;
        break;
    case Qt::Key_PageUp:
        key = K::PageUp;
        break;
    case Qt::Key_PageDown:
        key = K::PageDown;
        break;
    case Qt::Key_Left:
        key = K::Left;
        break;
    case Qt::Key_Up:
        key = K::Up;
        break;
    case Qt::Key_Right:
        key = K::Right;
        break;
    case Qt::Key_Down:
        key = K::Down;
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        key = K::Activate;
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    const int command = m_state.Key(key);
    m_state.KeepFocusVisible(height());
    Run(command);
}

void CBTSConfigurationBar::Run(int command) {
    update();
    if (command == 0) {
        return;
    }
    if (const CViewPageBase* view = m_manager.FindViewByCommand(command)) {
        m_manager.ActivateView(view->Type());
    }
    emit Command(command);
    update();
}

void CBTSConfigurationBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_state.KeepFocusVisible(height());
}

void CBTSConfigurationBar::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void CBTSConfigurationBar::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}
