#pragma once
// The page of the Cabinet Units view: picks a unit by kind and number, shows where it stands,
// adds, modifies and removes it, and sets the cabinet's band.

#include "app/pages/PageUnitsController.h"
#include "ui/props/PropPage.h"

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CPageUnits : public CPropPage {
    Q_OBJECT
public:
    CPageUnits(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    void FollowSelection(int kind, int number) override;
    void Leave() override;
    PageUnitsController& Controller() { return m_controller; }

    QComboBox* Kind() const { return m_kind; }
    QComboBox* Index() const { return m_index; }
    QComboBox* TypeBox() const { return m_type; }
    QComboBox* SlotBox() const { return m_slot; }
    QComboBox* NetworkBox() const { return m_network; }
    QComboBox* EdgeBox() const { return m_edge; }
    QPushButton* AddButton() const { return m_add; }
    QPushButton* ModifyButton() const { return m_modify; }
    QPushButton* RemoveButton() const { return m_remove; }
    QRadioButton* BandButton(int index) const;
    QLineEdit* Location() const { return m_location; }

private:
    void ChangeBand(int band);

    PageUnitsController m_controller;
    QComboBox* m_kind = nullptr;
    QComboBox* m_index = nullptr;
    QComboBox* m_type = nullptr;
    QComboBox* m_slot = nullptr;
    QLineEdit* m_location = nullptr;
    QLineEdit* m_band = nullptr;
    QLabel* m_connector = nullptr;
    QPushButton* m_add = nullptr;
    QPushButton* m_modify = nullptr;
    QPushButton* m_remove = nullptr;
    QButtonGroup* m_bands = nullptr;
    QComboBox* m_network = nullptr;
    QComboBox* m_edge = nullptr;
};
