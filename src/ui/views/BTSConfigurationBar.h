#pragma once
// The vertical view bar: one 65-pixel button per view, the active one sunken, the hovered one
// raised, the focused one framed; scroll buttons when the buttons do not fit.

#include <QWidget>

#include "app/views/ViewBarState.h"

class CViewBase;

class CBTSConfigurationBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int kScrollButton = 16;

    explicit CBTSConfigurationBar(CViewBase& manager, QWidget* parent = nullptr);

    const CViewBarState& State() const { return m_state; }
    QRect ButtonRect(int index) const;
    bool IsActiveButton(int index) const;
    // The buttons from the manager again (after the BTS connection was switched on or off).
    void Rebuild();
    QSize sizeHint() const override;

signals:
    // A button ran its view's menu command.
    void Command(int command);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int ButtonAt(const QPoint& pos) const;
    QRect ScrollUpRect() const;
    QRect ScrollDownRect() const;
    void Run(int command);

    CViewBase& m_manager;
    CViewBarState m_state;
    int m_hovered = -1;
};
