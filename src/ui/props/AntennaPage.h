#pragma once
// The antenna page: the combiner port that feeds an antenna, its masthead amplifier, VSWR
// monitoring, a co-site powered MHA, and the cable loss and MHA gain that together give the
// attenuation the combiner expects.

#include "app/pages/PageAntennaController.h"
#include "ui/props/PropPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class CPageAntenna : public CPropPage {
    Q_OBJECT
public:
    CPageAntenna(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    void FollowSelection(int kind, int number) override;
    void Leave() override;
    PageAntennaController& Controller() { return m_controller; }
    QComboBox* AntennaBox() const { return m_antenna; }
    QComboBox* ConnectionBox() const { return m_connection; }
    QComboBox* MhaBox() const { return m_mha; }
    QComboBox* LossBox() const { return m_loss; }
    QComboBox* GainBox() const { return m_gain; }
    QCheckBox* VswrBox() const { return m_vswr; }
    QCheckBox* CositeBox() const { return m_cosite; }
    QCheckBox* Gsm900Box() const { return m_gsm900; }
    QPushButton* SetButton() const { return m_set; }
    QPushButton* ClearAllButton() const { return m_clearAll; }
    QLabel* BaseLabel() const { return m_base; }
    QLabel* TargetLabel() const { return m_target; }

private:
    PageAntennaController m_controller;
    QComboBox* m_antenna = nullptr;
    QComboBox* m_connection = nullptr;
    QComboBox* m_mha = nullptr;
    QCheckBox* m_vswr = nullptr;
    QCheckBox* m_cosite = nullptr;
    QCheckBox* m_gsm900 = nullptr;
    QComboBox* m_loss = nullptr;
    QComboBox* m_gain = nullptr;
    QLabel* m_base = nullptr;
    QLabel* m_target = nullptr;
    QLabel* m_hydc = nullptr;
    QPushButton* m_set = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_clearAll = nullptr;
};
