#include "ui/BTSUpdateFetchWindow.h"
#include "ui/QtText.h"

#include "app/document/BTSConfigurationDoc.h"
#include "app/document/MissingInfoModel.h"
#include "app/link/LinkWaitLoop.h"
#include "app/transfer/DocumentTransfer.h"
#include "comms/CommunicationBTS.h"
#include "comms/MMIServ.h"
#include "ui/HelpLauncher.h"
#include "ui/SmallDialogs.h"

#include <QApplication>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdio>

namespace {

// Lines end in "\n" in the controller; a label shows them without a blank last line.
QString Column(const std::string& text) {
    QString s = Q(text);
    while (s.endsWith(QLatin1Char('\n'))) {
        s.chop(1);
    }
    return s;
}

QLabel* ColumnLabel(QWidget* parent, const QString& accessibleName) {
    auto* label = new QLabel(parent);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setAccessibleName(accessibleName);
    label->setWordWrap(true);
    return label;
}

} // namespace

CBTSUpdateFetchWindow::CBTSUpdateFetchWindow(CBTSConfigurationDoc& doc, int mode, QWidget* parent)
    : QDialog(parent) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("connecting.html#transfer"));
    CMMIServ& server = CMMIServ::Instance();
    m_transfer = std::make_unique<CDocumentTransfer>(doc, server, mode, &CLinkWaitLoop::Wait);
    m_transfer->SetLogSink([this](const std::string& line) { AddLogLine(Q(line)); });
    setWindowTitle(Q(m_transfer->Dialog().Title()));
    setModal(true);

    auto* outer = new QVBoxLayout(this);
    auto* state = new QGridLayout;
    auto* bcfCaption = new QLabel(tr("BCF State:"), this);
    m_bcfState = new QLabel(this);
    m_bcfState->setAccessibleName(tr("BCF State"));
    m_comment = new QLabel(this);
    m_comment->setAccessibleName(tr("Transfer permission"));
    m_comment->setWordWrap(true);
    state->addWidget(bcfCaption, 0, 0);
    state->addWidget(m_bcfState, 0, 1);
    state->addWidget(m_comment, 1, 0, 1, 2);
    state->setColumnStretch(1, 1);
    outer->addLayout(state);

    auto* sides = new QHBoxLayout;
    auto* candidate = new QGroupBox(tr("Configuration Candidate"), this);
    auto* candidateGrid = new QGridLayout(candidate);
    m_candidateLabels = ColumnLabel(candidate, tr("Configuration Candidate items"));
    m_candidateValues = ColumnLabel(candidate, tr("Configuration Candidate values"));
    m_send = new QPushButton(tr("&Send to BTS"), candidate);
    m_missing = new QPushButton(tr("&Missing Info"), candidate);
    candidateGrid->addWidget(m_candidateLabels, 0, 0);
    candidateGrid->addWidget(m_candidateValues, 0, 1);
    candidateGrid->setRowStretch(0, 1);
    candidateGrid->setColumnStretch(1, 1);
    auto* candidateButtons = new QHBoxLayout;
    candidateButtons->addWidget(m_send);
    candidateButtons->addWidget(m_missing);
    candidateButtons->addStretch();
    candidateGrid->addLayout(candidateButtons, 1, 0, 1, 2);

    auto* bts = new QGroupBox(tr("Currently In BTS"), this);
    auto* btsGrid = new QGridLayout(bts);
    m_btsLabels = ColumnLabel(bts, tr("Currently In BTS items"));
    m_btsValues = ColumnLabel(bts, tr("Currently In BTS values"));
    m_fetch = new QPushButton(tr("&Fetch from BTS"), bts);
    btsGrid->addWidget(m_btsLabels, 0, 0);
    btsGrid->addWidget(m_btsValues, 0, 1);
    btsGrid->setRowStretch(0, 1);
    btsGrid->setColumnStretch(1, 1);
    auto* btsButtons = new QHBoxLayout;
    btsButtons->addWidget(m_fetch);
    btsButtons->addStretch();
    btsGrid->addLayout(btsButtons, 1, 0, 1, 2);
    sides->addWidget(candidate, 1);
    sides->addWidget(bts, 1);
    outer->addLayout(sides, 1);

    m_status = new QLabel(this);
    // The status and the percentage carry no fixed accessible name: their texts are their
    // names, so a screen reader hears every step as the label announces it.
    m_status->setAccessibleDescription(tr("Status"));
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, 4);
    m_progress->setTextVisible(false);
    m_progress->setAccessibleName(tr("Progress"));
    m_percent = new QLabel(this);
    m_percent->setAccessibleDescription(tr("Percent done"));
    m_percent->setMinimumWidth(m_percent->fontMetrics().horizontalAdvance(QStringLiteral("100%")));
    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_percent);
    outer->addWidget(m_status);
    outer->addLayout(progressRow);

    auto* logCaption = new QLabel(tr("&Log:"), this);
    m_log = new QListWidget(this);
    m_log->setAccessibleName(tr("Log"));
    m_log->setMinimumHeight(m_log->fontMetrics().height() * 5);
    logCaption->setBuddy(m_log);
    outer->addWidget(logCaption);
    outer->addWidget(m_log);

    auto* bottom = new QHBoxLayout;
    m_close = new QPushButton(tr("Close"), this);
    auto* help = new QPushButton(tr("Help"), this);
    bottom->addStretch();
    bottom->addWidget(m_close);
    bottom->addWidget(help);
    outer->addLayout(bottom);

    connect(m_send, &QPushButton::clicked, this, [this] { RunFlow(true); });
    connect(m_fetch, &QPushButton::clicked, this, [this] { RunFlow(false); });
    connect(m_missing, &QPushButton::clicked, this, &CBTSUpdateFetchWindow::ShowMissingInfo);
    connect(m_close, &QPushButton::clicked, this, &CBTSUpdateFetchWindow::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        // The guide opens where F1 would open it for this window.
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(this, &f1);
    });
    setTabOrder(m_send, m_missing);
    setTabOrder(m_missing, m_fetch);
    setTabOrder(m_fetch, m_log);
    setTabOrder(m_log, m_close);
    setTabOrder(m_close, help);
    resize(640, 420);
}

CBTSUpdateFetchWindow::~CBTSUpdateFetchWindow() = default;

bool CBTSUpdateFetchWindow::Run() {
    CBTSUpdateFetchDlg& dialog = m_transfer->Dialog();
    if (!dialog.Start()) {
        return false;
    }
    Mirror();
    QPushButton* first = dialog.sendVisible ? m_send : m_fetch;
    first->setDefault(true);
    first->setFocus();
    exec();
    return true;
}

void CBTSUpdateFetchWindow::Mirror() {
    const CBTSUpdateFetchDlg& d = m_transfer->Dialog();
    m_bcfState->setText(Q(d.bcfStateText));
    m_comment->setText(Q(d.comment));
    m_candidateLabels->setText(Column(d.candidateLabels));
    m_candidateValues->setText(Column(d.candidateValues));
    m_btsLabels->setText(Column(d.btsLabels));
    m_btsValues->setText(Column(d.btsValues));
    m_send->setVisible(d.sendVisible);
    m_fetch->setVisible(d.fetchVisible);
    m_missing->setVisible(d.missingInfoVisible);
    m_send->setEnabled(d.sendEnabled && !m_busy);
    m_fetch->setEnabled(d.fetchEnabled && !m_busy);
    m_missing->setEnabled(!m_busy);
    m_close->setEnabled(!m_busy);
    m_status->setText(Q(d.status));
    m_progress->setValue(d.progress);
    m_percent->setText(Q(d.percentText));
    if (m_busy) {
        LogStatus();
    }
}

// Every step a flow passes through goes into the list with its time, so a send that stalls at
// "Fetching..." can be told from one that never started, also after the status moved on.
void CBTSUpdateFetchWindow::LogStatus() {
    const QString status = m_status->text();
    if (status == m_lastLogged) {
        return;
    }
    m_lastLogged = status;
    AddLogLine(status);
}

// The same lines go to the program's error output, as the messages do: a transfer that will not
// end can then be followed from outside the window too.
void CBTSUpdateFetchWindow::AddLogLine(const QString& line) {
    m_log->addItem(QDateTime::currentDateTime().toString(QStringLiteral("HH:mm:ss  ")) + line);
    m_log->scrollToBottom();
    std::fprintf(stderr, "cabrion: transfer: %s\n", qUtf8Printable(line.simplified()));
    std::fflush(stderr);
}

void CBTSUpdateFetchWindow::RunFlow(bool send) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    m_toldCloseWaits = false;
    Mirror();
    {
        CLinkWaitLoop loop(CMMIServ::Instance(), CCommunicationBTS::Instance(),
                           [this] { Mirror(); });
        if (send) {
            m_transfer->Dialog().OnSend();
        } else {
            m_transfer->Dialog().OnFetch();
        }
    }
    m_busy = false;
    Mirror();
    LogStatus();
    m_lastLogged.clear();
}

void CBTSUpdateFetchWindow::ShowMissingInfo() {
    CSendMissingInfoDlg missing(MissingInformationSections(m_transfer->Info()), this);
    missing.exec();
}

void CBTSUpdateFetchWindow::reject() {
    // A flow in progress finishes first: the BTS and the configuration currently in BTS must
    // not be left half written.
    if (m_busy) {
        // Said once a flow: a key held down would otherwise fill the log.
        if (!m_toldCloseWaits) {
            m_toldCloseWaits = true;
            AddLogLine(tr("Close waits for the transfer to end."));
        }
        return;
    }
    QDialog::reject();
}
