#pragma once
// The options dialog of a Selmo site: its one colour page, with a "Reset Colors" button and a
// frame where the colours would be. It changes no setting.

#include "app/options/OptionsTARN.h"

#include <QDialog>

class QDialogButtonBox;
class QFrame;
class QPushButton;

class COptionsTARNDialog : public QDialog {
    Q_OBJECT
public:
    explicit COptionsTARNDialog(QWidget* parent = nullptr);

    QPushButton* ResetButton() const { return m_reset; }
    QFrame* ColourFrame() const { return m_frame; }
    QDialogButtonBox* Buttons() const { return m_buttons; }

private:
    COptionsTARN m_options;
    QPushButton* m_reset = nullptr;
    QFrame* m_frame = nullptr;
    QDialogButtonBox* m_buttons = nullptr;
};
