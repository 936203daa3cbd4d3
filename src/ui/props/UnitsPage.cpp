#include "ui/props/UnitsPage.h"
#include "ui/QtText.h"

#include "model/DataBaseKODA.h"
#include "model/Unit.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int kDduKind = 6;

// Unit numbers the index box offers: DDUs go up to 13, every other kind to 12.
ComboItems Numbers(int kind) {
    ComboItems items;
    const int last = kind == kDduKind ? 13 : 12;
    for (int n = 1; n <= last; ++n) {
        items.push_back({std::to_string(n), n});
    }
    return items;
}

} // namespace

CPageUnits::CPageUnits(CSiteKODA& site, IPageDocument& document, QWidget* parent)
    : CPropPage(parent), m_controller(site, document) {
    using props::Buddy;
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_kind = new QComboBox(this);
    m_index = new QComboBox(this);
    m_type = new QComboBox(this);
    m_slot = new QComboBox(this);
    // The kind box starts with the long "no unit" entry; it must be readable whole.
    m_kind->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_location = new QLineEdit(this);
    m_location->setReadOnly(true);
    m_band = new QLineEdit(this);
    m_band->setReadOnly(true);
    m_connector = new QLabel(this);
    grid->addWidget(Buddy(tr("&Type:"), m_kind, this), 0, 0);
    grid->addWidget(m_kind, 0, 1);
    grid->addWidget(Buddy(tr("&Index:"), m_index, this), 0, 2);
    grid->addWidget(m_index, 0, 3);
    grid->addWidget(Buddy(tr("&Name:"), m_type, this), 1, 0);
    grid->addWidget(m_type, 1, 1);
    grid->addWidget(Buddy(tr("&Slot:"), m_slot, this), 1, 2);
    grid->addWidget(m_slot, 1, 3);
    grid->addWidget(Buddy(tr("Rack/Shelf/Slot"), m_location, this), 2, 0);
    grid->addWidget(m_location, 2, 1, 1, 3);
    grid->addWidget(Buddy(tr("Band/Information"), m_band, this), 3, 0);
    grid->addWidget(m_band, 3, 1, 1, 3);
    grid->addWidget(m_connector, 4, 1, 1, 3);
    grid->setColumnStretch(1, 2);
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    m_add = new QPushButton(tr("&Add"), this);
    m_modify = new QPushButton(tr("&Modify"), this);
    m_remove = new QPushButton(tr("&Remove"), this);
    buttons->addWidget(m_add);
    buttons->addWidget(m_modify);
    buttons->addWidget(m_remove);
    buttons->addStretch(1);
    layout->addLayout(buttons);

    auto* bandBox = new QGroupBox(tr("&Cabinet Frequency"), this);
    auto* bandLayout = new QGridLayout(bandBox);
    m_bands = new QButtonGroup(this);
    static const char* const kBandTexts[] = {"&900", "1&800",      "&1900",
                                             "8&50", "900 + 1800", "850 + 1900"};
    for (int i = 0; i < 6; ++i) {
        auto* b = new QRadioButton(tr(kBandTexts[i]), bandBox);
        b->setAccessibleName(props::Plain(b->text()));
        m_bands->addButton(b, PageUnitsController::kRadioBands[i]);
        bandLayout->addWidget(b, i / 3, i % 3);
    }
    m_network = new QComboBox(bandBox);
    m_edge = new QComboBox(bandBox);
    bandLayout->addWidget(Buddy(tr("N&etwork Type:"), m_network, bandBox), 2, 0);
    bandLayout->addWidget(m_network, 2, 1, 1, 2);
    bandLayout->addWidget(Buddy(tr("E&DGE RVx's:"), m_edge, bandBox), 3, 0);
    bandLayout->addWidget(m_edge, 3, 1, 1, 2);
    layout->addWidget(bandBox);
    layout->addStretch(1);

    connect(m_kind, &QComboBox::activated, this, [this](int i) {
        const int kind = props::DataAt(m_kind, i);
        const int number = m_controller.SelectedNumber() > 0 ? m_controller.SelectedNumber() : 1;
        m_controller.Select(kind, kind == 0 ? 0 : number);
        Refresh();
    });
    connect(m_index, &QComboBox::activated, this, [this](int i) {
        m_controller.Select(m_controller.SelectedKind(), props::DataAt(m_index, i));
        Refresh();
    });
    connect(m_type, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseType(props::DataAt(m_type, i));
        Refresh();
    });
    connect(m_slot, &QComboBox::activated, this, [this](int i) {
        m_controller.ChooseSlot(props::DataAt(m_slot, i));
        Refresh();
    });
    connect(m_add, &QPushButton::clicked, this, [this] { AfterEdit(m_controller.Add()); });
    connect(m_modify, &QPushButton::clicked, this, [this] { AfterEdit(m_controller.Modify()); });
    connect(m_remove, &QPushButton::clicked, this, [this] { AfterEdit(m_controller.Remove()); });
    connect(m_bands, &QButtonGroup::idClicked, this,
            [this](int band) { ChangeBand(band | m_controller.EdgeChoice()); });
    connect(m_network, &QComboBox::activated, this, [this](int i) {
        ChangeBand(
            PageUnitsController::BandOf(props::DataAt(m_network, i), m_controller.EdgeChoice()));
    });
    connect(m_edge, &QComboBox::activated, this, [this](int i) {
        ChangeBand(
            PageUnitsController::BandOf(m_controller.NetworkType(), props::DataAt(m_edge, i)));
    });
}

QRadioButton* CPageUnits::BandButton(int index) const {
    return qobject_cast<QRadioButton*>(m_bands->button(PageUnitsController::kRadioBands[index]));
}

void CPageUnits::ChangeBand(int band) {
    // The band keeps the EDGE marks that the EDGE box shows; the buttons choose the frequency.
    AfterEdit(m_controller.ChangeBand(band));
}

void CPageUnits::FollowSelection(int kind, int number) {
    m_controller.FollowSelection(kind, number);
    Refresh();
}

void CPageUnits::Leave() {
    const bool shown = m_controller.IsNotYetAdded();
    m_controller.Leave();
    // The place that a unit not yet added showed is empty again.
    if (shown) {
        m_controller.Document().RedrawViews();
    }
}

void CPageUnits::Refresh() {
    const bool editable = m_controller.Editable();
    const int kind = m_controller.SelectedKind();
    props::Fill(m_kind, m_controller.Kinds(), kind);
    props::Fill(m_index, kind == 0 ? ComboItems{} : Numbers(kind), m_controller.SelectedNumber());
    props::Fill(m_type, m_controller.Types(), m_controller.ChosenType());
    props::Fill(m_slot, m_controller.Slots(), m_controller.ChosenSlot());
    m_kind->setEnabled(editable);
    m_index->setEnabled(editable && kind != 0);
    m_type->setEnabled(editable && m_controller.Unit() != nullptr);
    m_slot->setEnabled(editable && m_controller.Unit() != nullptr);
    m_location->setText(Q(m_controller.LocationText()));
    m_band->setText(Q(m_controller.BandText()));
    m_connector->setText(Q(m_controller.ConnectorChangeText()));
    m_add->setEnabled(m_controller.AddEnabled());
    m_modify->setEnabled(m_controller.ModifyEnabled());
    m_remove->setEnabled(m_controller.RemoveEnabled());

    const int band = m_controller.NetworkType();
    {
        const QSignalBlocker block(m_bands);
        m_bands->setExclusive(false);
        for (QAbstractButton* b : m_bands->buttons()) {
            b->setChecked(m_bands->id(b) == band);
            b->setEnabled(editable);
        }
        m_bands->setExclusive(true);
    }
    props::Fill(m_network, PageUnitsController::NetworkTypes(), band);
    props::Fill(m_edge, PageUnitsController::EdgeChoices(), m_controller.EdgeChoice());
    m_network->setEnabled(editable);
    m_edge->setEnabled(editable);
}
