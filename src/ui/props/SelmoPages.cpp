#include "ui/props/SelmoPages.h"
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

CPageRXDivTARN::CPageRXDivTARN(CSiteTARN& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    auto* layout = new QVBoxLayout(this);
    auto* form = new QGridLayout;
    m_trx = new QComboBox(this);
    m_partner = new QComboBox(this);
    m_current = new QLabel(this);
    m_current->setAccessibleName(tr("Current pair"));
    m_current->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    form->addWidget(Buddy(tr("&Transceiver:"), m_trx, this), 0, 0);
    form->addWidget(m_trx, 0, 1);
    form->addWidget(new QLabel(tr("Current pair:"), this), 1, 0);
    form->addWidget(m_current, 1, 1);
    form->addWidget(Buddy(tr("&Pair with:"), m_partner, this), 2, 0);
    form->addWidget(m_partner, 2, 1);
    form->setColumnStretch(1, 1);
    layout->addLayout(form);
    auto* buttons = new QHBoxLayout;
    m_set = new QPushButton(tr("&Set"), this);
    m_clear = new QPushButton(tr("C&lear"), this);
    m_clearAll = new QPushButton(tr("Clear &All"), this);
    for (QPushButton* b : {m_set, m_clear, m_clearAll}) {
        b->setAccessibleName(props::Plain(b->text()));
        buttons->addWidget(b);
    }
    buttons->addStretch(1);
    layout->addLayout(buttons);
    auto* note = new QLabel(
        tr("Two transceivers of a pair share their RX diversity. Pairing a transceiver that is "
           "already paired leaves its former partner without a pair."),
        this);
    note->setWordWrap(true);
    layout->addWidget(note);
    layout->addStretch(1);

    connect(m_trx, &QComboBox::activated, this, [this](int i) {
        m_controller.Choose(props::DataAt(m_trx, i));
        Refresh();
    });
    connect(m_partner, &QComboBox::activated, this, [this](int) { UpdateButtons(); });
    connect(m_set, &QPushButton::clicked, this, [this] {
        AfterEdit(m_controller.Set(props::DataAt(m_partner, m_partner->currentIndex())));
    });
    connect(m_clear, &QPushButton::clicked, this, [this] { AfterEdit(m_controller.Clear()); });
    connect(m_clearAll, &QPushButton::clicked, this,
            [this] { AfterEdit(m_controller.ClearAll()); });
}

void CPageRXDivTARN::Refresh() {
    props::Fill(m_trx, m_controller.Trxs(), m_controller.Chosen());
    props::Fill(m_partner, m_controller.Partners(), m_controller.Partner());
    const int partner = m_controller.Partner();
    QString current = QStringLiteral("-");
    for (const SComboItem& item : m_controller.Partners()) {
        if (partner != 0 && item.data == partner) {
            current = Q(item.text);
        }
    }
    m_current->setText(current);
    const bool chosen = m_controller.Chosen() != 0;
    m_partner->setEnabled(chosen && m_controller.Editable());
    UpdateButtons();
}

void CPageRXDivTARN::UpdateButtons() {
    m_set->setEnabled(m_controller.CanSet(props::DataAt(m_partner, m_partner->currentIndex())));
    m_clear->setEnabled(m_controller.CanClear());
    m_clearAll->setEnabled(m_controller.CanClearAll());
}

void CPageRXDivTARN::FollowSelection(int kind, int number) {
    m_controller.Follow(kind, number);
    Refresh();
}

CPageOptionsRXDivTARN::CPageOptionsRXDivTARN(CRegistry& settings, CViewBase* views, QWidget* parent)
    : CPropPage(parent), m_controller(settings, views) {
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(tr("Display"), this);
    auto* inner = new QVBoxLayout(group);
    m_onlySelected = new QCheckBox(tr("S&how Only Selected Cabling"), group);
    m_onlySelected->setAccessibleName(tr("Show Only Selected Cabling"));
    inner->addWidget(m_onlySelected);
    auto* note = new QLabel(
        tr("When a transceiver is selected, only the cable to its RX diversity pair is drawn."),
        group);
    note->setWordWrap(true);
    inner->addWidget(note);
    layout->addWidget(group);
    layout->addStretch(1);
    connect(m_onlySelected, &QCheckBox::toggled, this,
            [this](bool on) { m_controller.SetOnlySelectedCabling(on); });
}

void CPageOptionsRXDivTARN::Refresh() {
    const QSignalBlocker block(m_onlySelected);
    m_onlySelected->setChecked(m_controller.OnlySelectedCabling());
}
