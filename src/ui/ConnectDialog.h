#pragma once
// The "Connect..." dialog: the remote BTS by host, TCP port, BSC id and BCF id, or by a sobriquet
// from the sobriquet file. OK is refused, with the reason and the focus on the field, until what
// was typed makes a target.

#include "app/link/ConnectTargetModel.h"

#include <QDialog>

#include <functional>

#include <string>

class QComboBox;
class QLineEdit;
class QRadioButton;

class CConnectDialog : public QDialog {
    Q_OBJECT
public:
    CConnectDialog(const std::string& sobriquetFile, QWidget* parent = nullptr);

    // Runs the dialog; the target text, or empty when the user cancelled.
    static std::string Ask(QWidget* parent, const std::string& sobriquetFile,
                           const std::string& previous);

    void FillFrom(const std::string& target);
    const std::string& Target() const { return m_target; }

    QRadioButton* AddressChoice() const { return m_byAddress; }
    QRadioButton* SobriquetChoice() const { return m_bySobriquet; }
    QLineEdit* HostEdit() const { return m_host; }
    QLineEdit* PortEdit() const { return m_port; }
    QLineEdit* BscEdit() const { return m_bsc; }
    QLineEdit* BcfEdit() const { return m_bcf; }
    QComboBox* SobriquetList() const { return m_sobriquet; }

    // The refusal shown instead of accepting; a hook so that tests need not answer a box.
    std::function<void(const QString&)> refuse;

public slots:
    void accept() override;

private:
    void UpdateEnabled();

    CConnectTargetModel m_model;
    std::string m_target;
    QRadioButton* m_byAddress = nullptr;
    QRadioButton* m_bySobriquet = nullptr;
    QLineEdit* m_host = nullptr;
    QLineEdit* m_port = nullptr;
    QLineEdit* m_bsc = nullptr;
    QLineEdit* m_bcf = nullptr;
    QComboBox* m_sobriquet = nullptr;
};
