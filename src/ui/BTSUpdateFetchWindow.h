#pragma once
// The window of the transfer dialog: it mirrors the controller's state and forwards Send, Fetch
// and Missing Info. While a flow runs, the link waits off this thread, the window keeps painting
// its status and progress, and Close waits for the flow to end.

#include <QDialog>

#include <memory>

class CBTSConfigurationDoc;
class CDocumentTransfer;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

class CBTSUpdateFetchWindow : public QDialog {
    Q_OBJECT
public:
    CBTSUpdateFetchWindow(CBTSConfigurationDoc& doc, int mode, QWidget* parent = nullptr);
    ~CBTSUpdateFetchWindow() override;

    // Asks the controller's start question and runs the window modally; false when the user
    // declined to send a configuration that is not fully compatible.
    bool Run();

    bool Busy() const { return m_busy; }
    QPushButton* SendButton() const { return m_send; }
    QPushButton* FetchButton() const { return m_fetch; }
    QPushButton* MissingInfoButton() const { return m_missing; }
    QPushButton* CloseButton() const { return m_close; }
    QProgressBar* Progress() const { return m_progress; }
    QLabel* StatusLabel() const { return m_status; }
    QLabel* PercentLabel() const { return m_percent; }
    QListWidget* Log() const { return m_log; }

public slots:
    void reject() override;

private:
    void Mirror();
    void LogStatus();
    void AddLogLine(const QString& line);
    void RunFlow(bool send);
    void ShowMissingInfo();

    std::unique_ptr<CDocumentTransfer> m_transfer;
    bool m_busy = false;
    bool m_toldCloseWaits = false;
    QString m_lastLogged;
    QLabel* m_bcfState = nullptr;
    QLabel* m_comment = nullptr;
    QLabel* m_candidateLabels = nullptr;
    QLabel* m_candidateValues = nullptr;
    QLabel* m_btsLabels = nullptr;
    QLabel* m_btsValues = nullptr;
    QPushButton* m_send = nullptr;
    QPushButton* m_missing = nullptr;
    QPushButton* m_fetch = nullptr;
    QLabel* m_status = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_percent = nullptr;
    QListWidget* m_log = nullptr;
    QPushButton* m_close = nullptr;
};
