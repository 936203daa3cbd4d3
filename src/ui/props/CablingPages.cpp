#include "ui/props/CablingPages.h"
#include "ui/QtText.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using props::Buddy;
using props::DataAt;

CCablingPage::CCablingPage(CCablingPageController& controller, QWidget* parent)
    : CPropPage(parent), m_base(controller) {
    auto* layout = new QVBoxLayout(this);
    m_grid = new QGridLayout;
    m_trx = new QComboBox(this);
    m_grid->addWidget(Buddy(tr("&RVx Unit:"), m_trx, this), 0, 0);
    m_grid->addWidget(m_trx, 0, 1);
    m_grid->setColumnStretch(1, 1);
    layout->addLayout(m_grid);
    auto* buttons = new QHBoxLayout;
    m_set = new QPushButton(tr("&Set"), this);
    m_clear = new QPushButton(tr("Cl&ear"), this);
    m_clearAll = new QPushButton(tr("C&lear All"), this);
    buttons->addWidget(m_set);
    buttons->addWidget(m_clear);
    buttons->addWidget(m_clearAll);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* statusBox = new QGroupBox(tr("Cabling Status"), this);
    auto* statusLayout = new QVBoxLayout(statusBox);
    m_status = new QPlainTextEdit(statusBox);
    m_status->setReadOnly(true);
    m_status->setTabChangesFocus(true);
    m_status->setAccessibleName(tr("Cabling Status"));
    statusLayout->addWidget(m_status);
    layout->addWidget(statusBox, 1);

    connect(m_trx, &QComboBox::activated, this, [this](int i) {
        m_base.SelectTrx(DataAt(m_trx, i));
        Refresh();
    });
    connect(m_set, &QPushButton::clicked, this, [this] { AfterEdit(SetCabling()); });
    connect(m_clear, &QPushButton::clicked, this, [this] { AfterEdit(m_base.Clear()); });
    connect(m_clearAll, &QPushButton::clicked, this, [this] { AfterEdit(m_base.ClearAll()); });
}

void CCablingPage::FollowSelection(int kind, int number) {
    m_base.FollowSelection(kind, number);
    Refresh();
}

void CCablingPage::Leave() {
    // Previews are the page's; the views must not go on drawing them once it has gone.
    if (m_base.SelectedTrx() != 0) {
        m_base.SelectTrx(m_base.SelectedTrx());
    }
}

void CCablingPage::RefreshCommon() {
    props::Fill(m_trx, m_base.Trxs(), m_base.SelectedTrx());
    m_trx->setEnabled(m_base.Editable());
    const bool enabled = m_base.Enabled();
    m_set->setEnabled(enabled);
    m_clear->setEnabled(enabled);
    m_clearAll->setEnabled(m_base.Editable());
    m_status->setPlainText(Q(m_base.CablingStatus()));
    RefreshBoxes();
}

CPageTXCabling::CPageTXCabling(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CCablingPage(m_controller, parent), m_controller(site, document) {
    m_path1 = new QComboBox(this);
    m_path2 = new QComboBox(this);
    m_combiner = new QComboBox(this);
    Grid()->addWidget(Buddy(tr("&Path 1 (Optional):"), m_path1, this), 1, 0);
    Grid()->addWidget(m_path1, 1, 1);
    Grid()->addWidget(Buddy(tr("P&ath 2 (Optional):"), m_path2, this), 2, 0);
    Grid()->addWidget(m_path2, 2, 1);
    Grid()->addWidget(Buddy(tr("&Combiner Unit:"), m_combiner, this), 3, 0);
    Grid()->addWidget(m_combiner, 3, 1);
    setTabOrder(TrxBox(), m_path1);
    setTabOrder(m_path1, m_path2);
    setTabOrder(m_path2, m_combiner);
    setTabOrder(m_combiner, SetButton());
    connect(m_path1, &QComboBox::activated, this, [this](int i) {
        m_controller.ChoosePath1(DataAt(m_path1, i));
        Refresh();
    });
    connect(m_path2, &QComboBox::activated, this, [this](int i) {
        m_controller.ChoosePath2(DataAt(m_path2, i));
        Refresh();
    });
    connect(m_combiner, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseCombiner(DataAt(m_combiner, i));
        Refresh();
    });
}

void CPageTXCabling::RefreshBoxes() {
    const bool enabled = m_controller.Enabled();
    props::Fill(m_path1, m_controller.Paths(), m_controller.Path1());
    props::Fill(m_path2, m_controller.Paths(), m_controller.Path2());
    props::Fill(m_combiner, m_controller.Combiners(), m_controller.Combiner());
    for (QComboBox* box : {m_path1, m_path2, m_combiner}) {
        box->setEnabled(enabled);
        if (!enabled) {
            props::Select(box, -1);
        }
    }
}

CRxCablingPage::CRxCablingPage(CRxCablingController& controller, QWidget* parent)
    : CCablingPage(controller, parent), m_rx(controller) {
    m_multicoupler = new QComboBox(this);
    m_combiner = new QComboBox(this);
    Grid()->addWidget(Buddy(tr("&Multicoupler Unit :"), m_multicoupler, this), 1, 0);
    Grid()->addWidget(m_multicoupler, 1, 1);
    Grid()->addWidget(Buddy(tr("&Combiner Unit:"), m_combiner, this), 2, 0);
    Grid()->addWidget(m_combiner, 2, 1);
    setTabOrder(TrxBox(), m_multicoupler);
    setTabOrder(m_multicoupler, m_combiner);
    setTabOrder(m_combiner, SetButton());
    connect(m_multicoupler, &QComboBox::activated, this, [this](int i) {
        m_rx.ChooseMulticoupler(DataAt(m_multicoupler, i));
        Refresh();
    });
    connect(m_combiner, &QComboBox::activated, this, [this](int i) {
        m_rx.ChooseCombiner(DataAt(m_combiner, i));
        Refresh();
    });
}

void CRxCablingPage::RefreshBoxes() {
    const bool enabled = m_rx.Enabled();
    props::Fill(m_multicoupler, m_rx.Multicouplers(), m_rx.Multicoupler());
    props::Fill(m_combiner, m_rx.Combiners(), m_rx.Combiner());
    for (QComboBox* box : {m_multicoupler, m_combiner}) {
        box->setEnabled(enabled);
        if (!enabled) {
            props::Select(box, -1);
        }
    }
}

CPageRXCabling::CPageRXCabling(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CRxCablingPage(m_controller, parent), m_controller(site, document) {}

CPageRXDCabling::CPageRXDCabling(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CRxCablingPage(m_controller, parent), m_controller(site, document) {}
