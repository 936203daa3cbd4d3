#include "wizard/WizardCheckWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "app/wizard/WizardSheetModel.h"
#include "files/HWInfoFile.h"

namespace {

void FillCombo(QComboBox* combo, const std::vector<SWizardEntry>& entries, int selected) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (const auto& e : entries) {
        combo->addItem(Q(e.text), e.data);
    }
    combo->setCurrentIndex(selected);
}

} // namespace

// ---- cabinet ---------------------------------------------------------------------------------

CWizardPageCabinet::CWizardPageCabinet(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Cabinet Information",
                      "Fill in miscellaneous cabinet information about the BTS."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Cabinet);
    static constexpr const char* kTypes[] = {
        "&Indoor cabinet, basic cabinet type",
        "&Outdoor cabinet, including massive cover and cabinet fan",
        "Indoor &Midi cabinet, indoor cabinet with room for 6 TRXs",
        "Outdoor Mi&di cabinet, including massive cover and fan"};
    auto* typeGroup = new QGroupBox(QStringLiteral("Cabinet Type"), this);
    auto* typeLayout = new QVBoxLayout(typeGroup);
    for (int i = 0; i < 4; ++i) {
        m_types[i] = new QRadioButton(QString::fromLatin1(kTypes[i]), typeGroup);
        typeLayout->addWidget(m_types[i]);
        connect(m_types[i], &QRadioButton::clicked, this, [this, i] {
            m_controller.ChooseType(i);
            Show();
        });
    }
    auto* usage = new QGroupBox(QStringLiteral("Cabinet Usage"), this);
    auto* usageLayout = new QVBoxLayout(usage);
    auto* clockLabel = new QLabel(QStringLiteral("&Clock Sync.:"), usage);
    m_clock = new QComboBox(usage);
    clockLabel->setBuddy(m_clock);
    auto* clockRow = new QHBoxLayout();
    clockRow->addWidget(clockLabel);
    clockRow->addWidget(m_clock, 1);
    m_lte = new QCheckBox(
        QStringLiteral("&LTE is installed in Site Support, LTE alarms are accepted"), usage);
    m_wcdma = new QCheckBox(QStringLiteral("&WCDMA is used in the lower part of BTS"), usage);
    usageLayout->addLayout(clockRow);
    usageLayout->addWidget(m_lte);
    usageLayout->addWidget(m_wcdma);
    Body()->addWidget(typeGroup);
    Body()->addWidget(usage);
    Body()->addStretch(1);
    connect(m_clock, &QComboBox::activated, this, [this](int index) {
        m_controller.ChooseClock(m_clock->itemData(index).toInt());
        Show();
    });
    connect(m_lte, &QCheckBox::clicked, this, [this](bool on) { m_controller.SetLte(on); });
    connect(m_wcdma, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetWcdma(on);
        Show();
    });
}

void CWizardPageCabinet::Show() {
    for (int i = 0; i < 4; ++i) {
        m_types[i]->setAutoExclusive(false);
        m_types[i]->setChecked(m_controller.TypeButton() == i);
        m_types[i]->setAutoExclusive(true);
    }
    std::vector<SWizardEntry> choices = m_controller.ClockChoices();
    int selected = -1;
    for (std::size_t i = 0; i < choices.size(); ++i) {
        if (choices[i].data == m_controller.Clock()) {
            selected = static_cast<int>(i);
        }
    }
    FillCombo(m_clock, choices, selected);
    m_lte->setChecked(m_controller.Lte());
    m_wcdma->setChecked(m_controller.Wcdma());
    m_wcdma->setEnabled(m_controller.WcdmaEnabled());
}

void CWizardPageCabinet::Enter() {
    if (FirstEntry()) {
        m_controller.FirstDisplay();
    }
    m_controller.Enter();
    Show();
    SetButtons(wizard::EButtons::BackNext);
}

// ---- BB2 cross-connection --------------------------------------------------------------------

CWizardPageBB2XCon::CWizardPageBB2XCon(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "BB2-RVx Cross-connections",
                      "Check the BB2-RVx cross-connection information. If some units are not "
                      "autodetected and the BCF is in the Commissioning state, click Autodetect "
                      "to start autodetection."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Cabinet);
    auto* grid = new QGridLayout();
    grid->addWidget(new QLabel(QStringLiteral("Connected To"), this), 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Connected To"), this), 0, 5);
    for (int b = 0; b < 6; ++b) {
        const int column = b < 3 ? 0 : 3;
        const int row = 1 + (b % 3) * 2;
        m_labels[b] = new QLabel(QStringLiteral("BB2 %1 -").arg(b + 1), this);
        grid->addWidget(m_labels[b], row, column);
        for (int half = 0; half < 2; ++half) {
            const int h = 2 * b + half;
            auto* halfLabel = new QLabel(
                QStringLiteral("%1%2").arg(b + 1).arg(QLatin1Char(half ? 'b' : 'a')), this);
            m_boxes[h] = new QComboBox(this);
            halfLabel->setBuddy(m_boxes[h]);
            m_boxes[h]->setAccessibleName(QStringLiteral("BB2 half %1").arg(halfLabel->text()));
            grid->addWidget(halfLabel, row + half, column + 1);
            grid->addWidget(m_boxes[h], row + half, column + 2);
        }
    }
    m_autodetect = new QPushButton(QStringLiteral("&Autodetect"), this);
    m_viewAutodetected = new QCheckBox(QStringLiteral("&View Autodetected Units"), this);
    auto* row = new QHBoxLayout();
    row->addWidget(m_autodetect);
    row->addWidget(m_viewAutodetected);
    row->addStretch(1);
    Body()->addLayout(grid);
    Body()->addLayout(row);
    Body()->addStretch(1);
    connect(m_autodetect, &QPushButton::clicked, this, [this] {
        m_controller.Autodetect();
        Show();
    });
    connect(m_viewAutodetected, &QCheckBox::clicked, this, [this] {
        m_controller.ToggleViewAutodetected();
        Show();
    });
}

void CWizardPageBB2XCon::Show() {
    for (int b = 0; b < 6; ++b) {
        if (!m_controller.PairLabels()[b].empty()) {
            m_labels[b]->setText(Q(m_controller.PairLabels()[b]));
        }
    }
    for (int h = 1; h <= 12; ++h) {
        std::vector<SWizardEntry> entries = m_controller.TrxEntries();
        int selected = -1;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].data == m_controller.TrxOfHalf(h)) {
                selected = static_cast<int>(i);
            }
        }
        FillCombo(m_boxes[h - 1], entries, selected);
    }
    m_autodetect->setEnabled(m_controller.AutodetectEnabled());
    m_viewAutodetected->setChecked(m_controller.ViewingBts());
    setCursor(m_controller.Running() ? Qt::WaitCursor : Qt::ArrowCursor);
    if (m_controller.NavigationEnabled()) {
        SetButtons(wizard::EButtons::BackNext);
    } else {
        // The BCF restarts: the user waits on this page until it is back in Commissioning.
        SetNextAllowed(false);
        SetBackAllowed(false);
    }
}

void CWizardPageBB2XCon::OnBtsNews() {
    if (m_controller.Running()) {
        m_controller.CheckAvailability();
        Show();
    }
}

void CWizardPageBB2XCon::Enter() {
    if (FirstEntry()) {
        m_controller.FirstDisplay();
    }
    m_controller.Enter();
    Show();
}

// ---- current cabling -------------------------------------------------------------------------

CWizardPageFastCablingCheck::CWizardPageFastCablingCheck(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Current Cabling",
                      "Check the cabling information for TX, RX main and RX diversity for each "
                      "RVx that has cabling information. The View Settings group box specifies "
                      "the appearance of the Graphical view."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Cabling);
    auto* label = new QLabel(QStringLiteral("&Current Cabling List:"), this);
    m_list = new QListWidget(this);
    label->setBuddy(m_list);
    auto* group = new QGroupBox(QStringLiteral("View Settings"), this);
    m_wideband = new QCheckBox(QStringLiteral("&Show Wideband and Multicoupler Units"), group);
    m_onlySelected = new QCheckBox(QStringLiteral("S&how Only Selected Cabling "), group);
    auto* boxes = new QVBoxLayout(group);
    boxes->addWidget(m_wideband);
    boxes->addWidget(m_onlySelected);
    Body()->addWidget(label);
    Body()->addWidget(m_list, 1);
    Body()->addWidget(group);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_controller.Select(row); });
    connect(m_wideband, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.SetShowWideband(on); });
    connect(m_onlySelected, &QCheckBox::clicked, this,
            [this](bool on) { m_controller.SetOnlySelected(on); });
}

void CWizardPageFastCablingCheck::Enter() {
    m_controller.Enter();
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const auto& e : m_controller.Entries()) {
        m_list->addItem(Q(e.text));
    }
    m_list->setCurrentRow(m_controller.Selected());
    m_wideband->setChecked(m_controller.ShowWideband());
    m_onlySelected->setChecked(m_controller.OnlySelected());
    SetButtons(wizard::EButtons::BackNext);
}

bool CWizardPageFastCablingCheck::Leave() {
    m_controller.Leave();
    return true;
}

// ---- antenna settings check ------------------------------------------------------------------

CWizardPageSimpleAnt::CWizardPageSimpleAnt(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Antenna Settings",
                      "Check antenna unit cabling. If High gain MHA (Orvik MHA) is used, define "
                      "the correct attenuation value for the KNGx unit connected to it."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Antenna);
    m_list =
        MakeList({QStringLiteral("Antenna"), QStringLiteral("Connected To"),
                  QStringLiteral("MHA Type"), QStringLiteral("Att Value"), QStringLiteral("VSWR")},
                 QStringLiteral("Antennas"));
    SetColumnShares(m_list, {13, 27, 23, 20, 15}, 8);
    m_vswr = new QCheckBox(QStringLiteral("&VSWR Monitoring Enabled"), this);
    auto* group =
        new QGroupBox(QStringLiteral("Attenuation Value (If High Gain MHA Is Used)"), this);
    m_base = new QLabel(group);
    auto* lossLabel = new QLabel(QStringLiteral("Cable &Loss:"), group);
    m_loss = new QComboBox(group);
    lossLabel->setBuddy(m_loss);
    auto* gainLabel = new QLabel(QStringLiteral("Ga&in Setting:"), group);
    m_gain = new QComboBox(group);
    gainLabel->setBuddy(m_gain);
    m_result = new QLabel(group);
    m_set = new QPushButton(QStringLiteral("&Set"), group);
    auto* row = new QHBoxLayout(group);
    row->addWidget(m_base);
    row->addWidget(lossLabel);
    row->addWidget(m_loss);
    row->addWidget(new QLabel(QStringLiteral("+"), group));
    row->addWidget(gainLabel);
    row->addWidget(m_gain);
    row->addWidget(m_result);
    row->addWidget(m_set);
    Body()->addWidget(m_list, 1);
    Body()->addWidget(m_vswr);
    Body()->addWidget(group);
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] {
        m_controller.Select(m_list->currentIndex().row());
        ShowSelection();
    });
    connect(m_gain, &QComboBox::activated, this, [this](int index) {
        m_controller.ChooseGain(index);
        ShowSelection();
    });
    connect(m_loss, &QComboBox::activated, this, [this](int index) {
        m_controller.ChooseLoss(index);
        ShowSelection();
    });
    connect(m_set, &QPushButton::clicked, this, [this] {
        m_controller.Set();
        ShowRows();
        m_list->setFocus();
    });
    connect(m_vswr, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetVswr(on);
        ShowRows();
    });
}

void CWizardPageSimpleAnt::ShowRows() {
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const auto& row : m_controller.Rows()) {
            QStringList cells;
            for (const auto& cell : row.cells) {
                cells << Q(cell);
            }
            new QTreeWidgetItem(m_list, cells);
        }
        m_list->setCurrentItem(m_list->topLevelItem(m_controller.SelectedRow()));
    }
    ShowSelection();
}

void CWizardPageSimpleAnt::ShowSelection() {
    const bool enabled = m_controller.ListsEnabled();
    FillCombo(m_loss, m_controller.Losses(), m_controller.Loss());
    FillCombo(m_gain, m_controller.Gains(), m_controller.Gain());
    m_loss->setEnabled(enabled);
    m_gain->setEnabled(enabled);
    m_set->setEnabled(enabled);
    m_base->setText(Q(m_controller.BaseText()));
    m_result->setText(Q(m_controller.ResultText()));
    m_vswr->setChecked(m_controller.Vswr());
}

void CWizardPageSimpleAnt::Enter() {
    m_controller.Enter();
    ShowRows();
    SetButtons(wizard::EButtons::BackNext);
}

bool CWizardPageSimpleAnt::Leave() {
    m_controller.Leave();
    return true;
}

// ---- passive units ---------------------------------------------------------------------------

CWizardPagePassive::CWizardPagePassive(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Passive Units",
                      "Click Import to load passive unit serial numbers and product identifiers "
                      "from a file.",
                      "The information is updated to the BTS. "),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Passive);
    auto* label = new QLabel(QStringLiteral("&Passive Units:"), this);
    m_tree = MakeList({QStringLiteral("Unit"), QStringLiteral("Serial Number"),
                       QStringLiteral("Product Identifier")},
                      QStringLiteral("Passive Units"));
    m_tree->setRootIsDecorated(true);
    m_tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    label->setBuddy(m_tree);
    auto* import = new QPushButton(QStringLiteral("&Import"), this);
    Body()->addWidget(label);
    Body()->addWidget(m_tree, 1);
    Body()->addWidget(import, 0, Qt::AlignLeft);
    connect(import, &QPushButton::clicked, this, [this] {
        if (m_controller.Import()) {
            Fill();
        }
    });
}

namespace {

// Groups open where they hold units, so that what is there shows without a click.
bool AddPassiveNode(QTreeWidgetItem* parent, const SPassiveTreeNode& node) {
    auto* item = new QTreeWidgetItem(
        parent, QStringList{Q(node.label), Q(node.serialNumber), Q(node.productId)});
    bool filled = node.filled;
    for (const SPassiveTreeNode& child : node.children) {
        filled = AddPassiveNode(item, child) || filled;
    }
    item->setExpanded(filled);
    return filled;
}

} // namespace

void CWizardPagePassive::Fill() {
    m_tree->clear();
    for (const SPassiveTreeNode& node : m_controller.Tree()) {
        auto* top = new QTreeWidgetItem(m_tree, QStringList{Q(node.label)});
        for (const SPassiveTreeNode& child : node.children) {
            AddPassiveNode(top, child);
        }
        top->setExpanded(true);
    }
}

void CWizardPagePassive::Enter() {
    m_controller.Enter();
    Fill();
    SetButtons(wizard::EButtons::BackNext);
}

bool CWizardPagePassive::Leave() {
    m_controller.Next();
    return true;
}
