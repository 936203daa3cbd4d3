#pragma once
// Connection errors that come with details: a short message, and the details behind a button.

#include "app/link/BtsMessageRules.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

class CBtsMessageDlg : public QDialog {
    Q_OBJECT
public:
    CBtsMessageDlg(const QString& message, const QString& details, bool hasDetails,
                   QWidget* parent = nullptr);
    QPushButton* DetailsButton() const { return m_details; }
    bool Expanded() const { return m_rules.Expanded(); }
    void Toggle();

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Apply();

    QLabel* m_message = nullptr;
    QPlainTextEdit* m_text = nullptr;
    QPushButton* m_details = nullptr;
    CBtsMessageRules m_rules;
    bool m_applying = false;
};
