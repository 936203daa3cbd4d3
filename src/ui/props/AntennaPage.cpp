#include "ui/props/AntennaPage.h"
#include "ui/QtText.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using props::Buddy;
using props::DataAt;

CPageAntenna::CPageAntenna(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_antenna = new QComboBox(this);
    m_connection = new QComboBox(this);
    m_mha = new QComboBox(this);
    grid->addWidget(Buddy(tr("&Antenna:"), m_antenna, this), 0, 0);
    grid->addWidget(m_antenna, 0, 1);
    grid->addWidget(Buddy(tr("&HYx/KNx Unit:"), m_connection, this), 1, 0);
    grid->addWidget(m_connection, 1, 1);
    grid->addWidget(Buddy(tr("&MHA Type:"), m_mha, this), 2, 0);
    grid->addWidget(m_mha, 2, 1);
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);
    auto check = [this, layout](const char* text) {
        auto* box = new QCheckBox(tr(text), this);
        box->setAccessibleName(props::Plain(box->text()));
        layout->addWidget(box);
        return box;
    };
    m_vswr = check("&VSWR Monitoring Enabled");
    m_cosite = check("&Co-Site Powered MHA");

    auto* attenuation = new QGroupBox(tr("Attenuation"), this);
    auto* att = new QGridLayout(attenuation);
    m_gsm900 = new QCheckBox(tr("&GSM 900 Used"), attenuation);
    m_gsm900->setAccessibleName(props::Plain(m_gsm900->text()));
    m_loss = new QComboBox(attenuation);
    m_gain = new QComboBox(attenuation);
    m_base = new QLabel(attenuation);
    m_target = new QLabel(attenuation);
    att->addWidget(m_gsm900, 0, 0, 1, 5);
    // base - loss + gain = target, read left to right.
    auto* plus = new QLabel(QStringLiteral("+"), attenuation);
    att->addWidget(Buddy(tr("Ca&ble Loss:"), m_loss, attenuation), 1, 1);
    att->addWidget(Buddy(tr("Ga&in Setting:"), m_gain, attenuation), 1, 3);
    att->addWidget(m_base, 2, 0);
    att->addWidget(m_loss, 2, 1);
    att->addWidget(plus, 2, 2);
    att->addWidget(m_gain, 2, 3);
    att->addWidget(m_target, 2, 4);
    att->setColumnStretch(1, 1);
    att->setColumnStretch(3, 1);
    m_hydc = new QLabel(Q(PageAntennaController::kHydcNote), attenuation);
    att->addWidget(m_hydc, 3, 0, 1, 5);
    layout->addWidget(attenuation);

    auto* buttons = new QHBoxLayout;
    m_set = new QPushButton(tr("&Set"), this);
    m_clear = new QPushButton(tr("Cl&ear"), this);
    m_clearAll = new QPushButton(tr("C&lear All"), this);
    buttons->addWidget(m_set);
    buttons->addWidget(m_clear);
    buttons->addWidget(m_clearAll);
    buttons->addStretch(1);
    layout->addLayout(buttons);
    layout->addStretch(1);

    connect(m_antenna, &QComboBox::activated, this, [this](int i) {
        m_controller.SelectAntenna(DataAt(m_antenna, i));
        Refresh();
    });
    connect(m_connection, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseConnection(DataAt(m_connection, i));
        Refresh();
    });
    connect(m_mha, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseMhaType(DataAt(m_mha, i));
        Refresh();
    });
    connect(m_vswr, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetVswr(on);
        Refresh();
    });
    connect(m_cosite, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetCosite(on);
        Refresh();
    });
    connect(m_gsm900, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetGsm900(on);
        Refresh();
    });
    connect(m_loss, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseLoss(DataAt(m_loss, i));
        Refresh();
    });
    connect(m_gain, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseGain(DataAt(m_gain, i));
        Refresh();
    });
    connect(m_set, &QPushButton::clicked, this, [this] { AfterEdit(m_controller.Set()); });
    connect(m_clear, &QPushButton::clicked, this, [this] { AfterEdit(m_controller.Clear()); });
    connect(m_clearAll, &QPushButton::clicked, this,
            [this] { AfterEdit(m_controller.ClearAll()); });
}

void CPageAntenna::FollowSelection(int kind, int number) {
    m_controller.FollowSelection(kind, number);
    Refresh();
}

void CPageAntenna::Leave() {
    // Shown again, the page starts from the antenna's record, as the views do.
    if (m_controller.SelectedAntenna() != 0) {
        m_controller.SelectAntenna(m_controller.SelectedAntenna());
    }
}

void CPageAntenna::Refresh() {
    PageAntennaController& c = m_controller;
    const bool enabled = c.Enabled();
    props::Fill(m_antenna, c.Antennas(), c.SelectedAntenna());
    props::Fill(m_connection, c.Connections(), c.Connection());
    props::Fill(m_mha, PageAntennaController::MhaTypes(), c.MhaType());
    props::Fill(m_loss, c.Losses(), c.Loss());
    if (c.Loss() == PageAntennaController::kNoLoss) {
        props::Select(m_loss, -1);
    }
    props::Fill(m_gain, c.Gains(), c.Gain());
    m_antenna->setEnabled(c.Editable());
    for (QComboBox* box : {m_connection, m_mha}) {
        box->setEnabled(enabled);
        if (!enabled) {
            props::Select(box, -1);
        }
    }
    m_loss->setEnabled(c.LossGainEnabled());
    m_gain->setEnabled(c.LossGainEnabled());
    m_vswr->setChecked(enabled && c.Vswr());
    m_vswr->setEnabled(c.VswrEnabled());
    m_cosite->setChecked(enabled && c.Cosite());
    m_cosite->setEnabled(c.CositeEnabled());
    m_gsm900->setChecked(c.Gsm900());
    m_gsm900->setEnabled(enabled);
    m_base->setText(Q(c.BaseText()));
    m_target->setText(Q(c.TargetText()));
    m_hydc->setVisible(c.HydcNoteVisible());
    m_set->setEnabled(enabled);
    m_clear->setEnabled(enabled);
    m_clearAll->setEnabled(c.Editable());
}
