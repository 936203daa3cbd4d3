#pragma once
// The pages that show more than they change: the BB2 cross-connection, the logical TRX ids,
// what the candidate still lacks, the BTS tab's page, and the page for views without pages.

#include "app/pages/PageInfoControllers.h"
#include "ui/props/PropPage.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

class CPageBB2Xcon : public CPropPage {
    Q_OBJECT
public:
    CPageBB2Xcon(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    void FollowSelection(int kind, int number) override;
    void Leave() override;
    PageBB2XconController& Controller() { return m_controller; }
    QComboBox* TrxBox() const { return m_trx; }
    QComboBox* HalfBox() const { return m_half; }
    QPushButton* ResetButton() const { return m_reset; }

private:
    PageBB2XconController m_controller;
    QComboBox* m_trx = nullptr;
    QComboBox* m_half = nullptr;
    QPushButton* m_reset = nullptr;
    // The half chosen for the preview; 0 shows the recorded one.
    int m_previewHalf = 0;
};

class CPageLogicalTRX : public CPropPage {
    Q_OBJECT
public:
    CPageLogicalTRX(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    QComboBox* TrxBox() const { return m_trx; }

private:
    PageLogicalTRXController m_controller;
    QComboBox* m_trx = nullptr;
};

class CPageDifferences : public CPropPage {
    Q_OBJECT
public:
    CPageDifferences(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    QString Text(int list) const;

private:
    PageDifferencesController m_controller;
    QPlainTextEdit* m_texts[4] = {};
};

class CPageNoInfoOnBTS : public CPropPage {
    Q_OBJECT
public:
    CPageNoInfoOnBTS(CSiteKODA& site, IPageDocument& document, QWidget* parent = nullptr);
    void Refresh() override;
    QString StateText() const;
    QString CommentText() const;

private:
    PageNoInfoOnBTSController m_controller;
    QLabel* m_state = nullptr;
    QLabel* m_comment = nullptr;
    QLabel* m_files[3] = {};
};

// No site, or a view that has no pages.
class CPageNoInfo : public CPropPage {
    Q_OBJECT
public:
    explicit CPageNoInfo(QWidget* parent = nullptr);
    void Refresh() override {}
};
