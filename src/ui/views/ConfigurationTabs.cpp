#include "ui/views/ConfigurationTabs.h"

#include <QKeyEvent>
#include <QPainter>

CConfigurationTabs::CConfigurationTabs(QWidget* parent) : QTabBar(parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void CConfigurationTabs::paintEvent(QPaintEvent* event) {
    QTabBar::paintEvent(event);
    if (!hasFocus() || currentIndex() < 0) {
        return;
    }
    QPainter p(this);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(palette().color(QPalette::Highlight), 2));
    p.drawRect(QRectF(tabRect(currentIndex())).adjusted(2, 2, -2, -1));
}

void CConfigurationTabs::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (currentIndex() >= 0) {
            emit Chosen(currentIndex());
        }
        return;
    default:
        QTabBar::keyPressEvent(event);
    }
}

void CConfigurationTabs::focusInEvent(QFocusEvent* event) {
    QTabBar::focusInEvent(event);
    update();
}

void CConfigurationTabs::focusOutEvent(QFocusEvent* event) {
    QTabBar::focusOutEvent(event);
    update();
}
