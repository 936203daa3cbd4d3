#include "ui/ConnectDialog.h"
#include "ui/QtText.h"

#include "ui/HelpLauncher.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

std::string S(const QString& s) {
    return s.toStdString();
}

} // namespace

CConnectDialog::CConnectDialog(const std::string& sobriquetFile, QWidget* parent)
    : QDialog(parent), m_model(sobriquetFile) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("connecting.html"));
    setWindowTitle(tr("Connect to a Remote BTS"));
    setMinimumWidth(360);
    auto* outer = new QVBoxLayout(this);

    m_byAddress = new QRadioButton(tr("BTS &address"), this);
    outer->addWidget(m_byAddress);
    auto* address = new QFormLayout;
    address->setContentsMargins(24, 0, 0, 0);
    m_host = new QLineEdit(this);
    m_host->setPlaceholderText(tr("name or IP address"));
    m_port = new QLineEdit(this);
    m_bsc = new QLineEdit(this);
    m_bcf = new QLineEdit(this);
    for (QLineEdit* number : {m_port, m_bsc, m_bcf}) {
        number->setMaxLength(5);
    }
    m_bsc->setPlaceholderText(tr("optional"));
    m_bcf->setPlaceholderText(tr("optional"));
    address->addRow(tr("&Host:"), m_host);
    address->addRow(tr("TCP &port:"), m_port);
    address->addRow(tr("&BSC ID:"), m_bsc);
    address->addRow(tr("B&CF ID:"), m_bcf);
    outer->addLayout(address);

    m_bySobriquet = new QRadioButton(tr("&Sobriquet"), this);
    outer->addWidget(m_bySobriquet);
    auto* named = new QFormLayout;
    named->setContentsMargins(24, 0, 0, 0);
    m_sobriquet = new QComboBox(this);
    for (const std::string& name : m_model.SobriquetNames()) {
        m_sobriquet->addItem(Q(name));
    }
    named->addRow(tr("&Name:"), m_sobriquet);
    if (m_model.SobriquetNames().empty()) {
        auto* none = new QLabel(
            tr("The sobriquet file %1 names no connection.").arg(Q(sobriquetFile)), this);
        none->setWordWrap(true);
        named->addRow(none);
    }
    outer->addLayout(named);
    // Labels made by the form layouts already name their fields; the list keeps its label's
    // text without the mnemonic for screen readers.
    m_sobriquet->setAccessibleName(tr("Sobriquet"));

    auto* buttons =
        new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Qt::Horizontal, this);
    outer->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &CConnectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CConnectDialog::reject);
    connect(m_byAddress, &QRadioButton::toggled, this, &CConnectDialog::UpdateEnabled);

    m_byAddress->setChecked(true);
    UpdateEnabled();
    refuse = [this](const QString& text) {
        QMessageBox::warning(this, QStringLiteral("Cabrion"), text);
    };
}

void CConnectDialog::UpdateEnabled() {
    const bool byAddress = m_byAddress->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(m_host), static_cast<QWidget*>(m_port),
                       static_cast<QWidget*>(m_bsc), static_cast<QWidget*>(m_bcf)}) {
        w->setEnabled(byAddress);
    }
    m_sobriquet->setEnabled(!byAddress && m_sobriquet->count() > 0);
    m_bySobriquet->setEnabled(m_sobriquet->count() > 0);
}

void CConnectDialog::FillFrom(const std::string& target) {
    m_model.FillFrom(target);
    m_host->setText(Q(m_model.host));
    m_port->setText(Q(m_model.tcpPort));
    m_bsc->setText(Q(m_model.bscId));
    m_bcf->setText(Q(m_model.bcfId));
}

void CConnectDialog::accept() {
    m_model.source = m_byAddress->isChecked() ? CConnectTargetModel::ESource::Address
                                              : CConnectTargetModel::ESource::Sobriquet;
    m_model.host = S(m_host->text());
    m_model.tcpPort = S(m_port->text());
    m_model.bscId = S(m_bsc->text());
    m_model.bcfId = S(m_bcf->text());
    m_model.sobriquet = S(m_sobriquet->currentText());
    const CConnectTargetModel::SResult r = m_model.Compose();
    if (r.target.empty()) {
        using F = CConnectTargetModel::EField;
        QWidget* field = r.field == F::Host      ? static_cast<QWidget*>(m_host)
                         : r.field == F::TcpPort ? static_cast<QWidget*>(m_port)
                         : r.field == F::BscId   ? static_cast<QWidget*>(m_bsc)
                         : r.field == F::BcfId   ? static_cast<QWidget*>(m_bcf)
                                                 : static_cast<QWidget*>(m_sobriquet);
        if (refuse) {
            refuse(Q(r.message));
        }
        field->setFocus();
        if (auto* edit = qobject_cast<QLineEdit*>(field)) {
            edit->selectAll();
        }
        return;
    }
    m_target = r.target;
    QDialog::accept();
}

std::string CConnectDialog::Ask(QWidget* parent, const std::string& sobriquetFile,
                                const std::string& previous) {
    CConnectDialog dialog(sobriquetFile, parent);
    dialog.FillFrom(previous);
    dialog.m_host->setFocus();
    return dialog.exec() == QDialog::Accepted ? dialog.Target() : std::string();
}
