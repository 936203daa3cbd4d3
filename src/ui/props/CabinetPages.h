#pragma once
// The pages of the Cabinet Information view: the cabinet type and how the cabinet is used.

#include "app/pages/PageCabinetControllers.h"
#include "ui/props/PropPage.h"

class QButtonGroup;
class QCheckBox;
class QRadioButton;

class CPageCabType : public CPropPage {
    Q_OBJECT
public:
    CPageCabType(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    PageCabTypeController& Controller() { return m_controller; }
    QRadioButton* Button(int index) const;

private:
    PageCabTypeController m_controller;
    QButtonGroup* m_types = nullptr;
};

class CPageCabUsage : public CPropPage {
    Q_OBJECT
public:
    CPageCabUsage(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    PageCabUsageController& Controller() { return m_controller; }
    QRadioButton* ClockButton(int mode) const;
    QCheckBox* Lte() const { return m_lte; }
    QCheckBox* Vswr() const { return m_vswr; }
    QCheckBox* Wcdma() const { return m_wcdma; }
    QCheckBox* Mrc() const { return m_mrc; }
    QCheckBox* DetectedClock() const { return m_detectedClock; }

private:
    void Changed(const SCabUsageChange& change);

    PageCabUsageController m_controller;
    QButtonGroup* m_clock = nullptr;
    QCheckBox* m_lte = nullptr;
    QCheckBox* m_vswr = nullptr;
    QCheckBox* m_wcdma = nullptr;
    QCheckBox* m_mrc = nullptr;
    QCheckBox* m_detectedClock = nullptr;
};
