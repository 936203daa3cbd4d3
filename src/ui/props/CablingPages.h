#pragma once
// The TX, RX main and RX diversity cabling pages: one TRX at a time, its endpoints chosen by
// name; a choice is previewed in the views until "Set" stores it.

#include "app/pages/PageCablingControllers.h"
#include "ui/props/PropPage.h"

class QComboBox;
class QGridLayout;
class QPlainTextEdit;
class QPushButton;

// What the three pages share: the TRX box, the three buttons and the cabling status.
class CCablingPage : public CPropPage {
    Q_OBJECT
public:
    void FollowSelection(int kind, int number) override;
    void Leave() override;
    QComboBox* TrxBox() const { return m_trx; }
    QPushButton* SetButton() const { return m_set; }
    QPushButton* ClearButton() const { return m_clear; }
    QPushButton* ClearAllButton() const { return m_clearAll; }
    QPlainTextEdit* Status() const { return m_status; }

protected:
    CCablingPage(CCablingPageController& controller, QWidget* parent);
    // Puts the endpoint boxes into the grid below the TRX box, from row 1 on.
    QGridLayout* Grid() const { return m_grid; }
    // The boxes and buttons, with the controller's choices, after the common part.
    void RefreshCommon();
    virtual void RefreshBoxes() = 0;
    virtual bool SetCabling() = 0;

private:
    CCablingPageController& m_base;
    QGridLayout* m_grid = nullptr;
    QComboBox* m_trx = nullptr;
    QPushButton* m_set = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_clearAll = nullptr;
    QPlainTextEdit* m_status = nullptr;
};

class CPageTXCabling : public CCablingPage {
    Q_OBJECT
public:
    CPageTXCabling(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override { RefreshCommon(); }
    PageTXCablingController& Controller() { return m_controller; }
    QComboBox* Path1Box() const { return m_path1; }
    QComboBox* Path2Box() const { return m_path2; }
    QComboBox* CombinerBox() const { return m_combiner; }

protected:
    void RefreshBoxes() override;
    bool SetCabling() override { return m_controller.Set(); }

private:
    PageTXCablingController m_controller;
    QComboBox* m_path1 = nullptr;
    QComboBox* m_path2 = nullptr;
    QComboBox* m_combiner = nullptr;
};

// RX main and RX diversity differ only in their controller.
class CRxCablingPage : public CCablingPage {
    Q_OBJECT
public:
    void Refresh() override { RefreshCommon(); }
    QComboBox* MulticouplerBox() const { return m_multicoupler; }
    QComboBox* CombinerBox() const { return m_combiner; }

protected:
    CRxCablingPage(CRxCablingController& controller, QWidget* parent);
    void RefreshBoxes() override;
    bool SetCabling() override { return m_rx.Set(); }

private:
    CRxCablingController& m_rx;
    QComboBox* m_multicoupler = nullptr;
    QComboBox* m_combiner = nullptr;
};

class CPageRXCabling : public CRxCablingPage {
    Q_OBJECT
public:
    CPageRXCabling(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    PageRXCablingController& Controller() { return m_controller; }

private:
    // Built before the base's widgets use it: the base only keeps the reference.
    PageRXCablingController m_controller;
};

class CPageRXDCabling : public CRxCablingPage {
    Q_OBJECT
public:
    CPageRXDCabling(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    PageRXDCablingController& Controller() { return m_controller; }

private:
    PageRXDCablingController m_controller;
};
