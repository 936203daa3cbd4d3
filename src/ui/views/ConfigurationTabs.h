#pragma once
// The tab row that chooses the configuration shown. The style marks a focused tab faintly, and
// only once a key has moved the focus, so the row frames its current tab itself while it has
// the keyboard; Space and Enter choose the current tab again (the BTS tab then shows the
// configuration currently in BTS anew).

#include <QTabBar>

class CConfigurationTabs : public QTabBar {
    Q_OBJECT
public:
    explicit CConfigurationTabs(QWidget* parent = nullptr);

signals:
    void Chosen(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};
