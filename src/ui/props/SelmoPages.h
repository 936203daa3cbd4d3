#pragma once
// The two pages of the Selmo diversity view: the pairs of the transceivers, and the one display
// option that matters for them.

#include "app/pages/PageOptionsRXDivTARNController.h"
#include "app/pages/PageRXDivTARNController.h"
#include "ui/props/PropPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

class CPageRXDivTARN : public CPropPage {
    Q_OBJECT
public:
    CPageRXDivTARN(CSiteTARN& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    void FollowSelection(int kind, int number) override;
    PageRXDivTARNController& Controller() { return m_controller; }
    QComboBox* TrxBox() const { return m_trx; }
    QComboBox* PartnerBox() const { return m_partner; }
    QPushButton* SetButton() const { return m_set; }
    QPushButton* ClearButton() const { return m_clear; }
    QPushButton* ClearAllButton() const { return m_clearAll; }

private:
    void UpdateButtons();

    PageRXDivTARNController m_controller;
    QComboBox* m_trx = nullptr;
    QComboBox* m_partner = nullptr;
    QLabel* m_current = nullptr;
    QPushButton* m_set = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_clearAll = nullptr;
};

class CPageOptionsRXDivTARN : public CPropPage {
    Q_OBJECT
public:
    CPageOptionsRXDivTARN(CRegistry& settings, CViewBase* views, QWidget* parent = nullptr);
    void Refresh() override;
    QCheckBox* OnlySelectedBox() const { return m_onlySelected; }

private:
    PageOptionsRXDivTARNController m_controller;
    QCheckBox* m_onlySelected = nullptr;
};
