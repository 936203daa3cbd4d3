#include "wizard/WizardNewWidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <set>

#include "app/wizard/WizardSheetModel.h"

void FillTable(QTreeWidget* list, const CTableVector& table, int columns) {
    const int current = list->currentIndex().row();
    // The rows stay selected as they were: the next choice applies to them all, so the list
    // must go on showing them all.
    std::set<int> selected;
    for (QTreeWidgetItem* item : list->selectedItems()) {
        selected.insert(list->indexOfTopLevelItem(item));
    }
    const QSignalBlocker block(list);
    list->clear();
    for (int row = 0; row < 12; ++row) {
        auto* item = new QTreeWidgetItem(list);
        for (int c = 0; c < columns; ++c) {
            item->setText(c, Q(table.cells[row][c]));
            if (c > 0) {
                item->setTextAlignment(c, Qt::AlignCenter);
            }
        }
    }
    if (current >= 0 && selected.empty()) {
        list->setCurrentItem(list->topLevelItem(current));
    } else if (current >= 0) {
        list->setCurrentItem(list->topLevelItem(current), 0, QItemSelectionModel::NoUpdate);
    }
    for (int row : selected) {
        if (QTreeWidgetItem* item = list->topLevelItem(row)) {
            item->setSelected(true);
        }
    }
}

namespace {

void FillBandCombo(QComboBox* combo, const CBandChoiceVector& bands, int selected) {
    const QSignalBlocker block(combo);
    combo->clear();
    for (const auto& e : bands.entries) {
        combo->addItem(Q(e.text), e.value);
    }
    combo->setCurrentIndex(selected);
}

} // namespace

// ---- sector and network dialog ---------------------------------------------------------------

CSectorAndNetworkDlg::CSectorAndNetworkDlg(CWizardSheetModel& sheet, int source, int networkType,
                                           QWidget* parent)
    : QDialog(parent), m_model(sheet, source, networkType) {
    setWindowTitle(QStringLiteral("Modify Sector and Network"));
    auto* layout = new QVBoxLayout(this);
    auto* listLabel = new QLabel(QStringLiteral("&Configuration:"), this);
    m_list = CWizardPageBase::MakeList(
        {QStringLiteral("RVx Unit"), QStringLiteral("Sector"), QStringLiteral("Network")},
        QStringLiteral("Configuration"));
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    listLabel->setBuddy(m_list);
    auto* sectorLabel = new QLabel(QStringLiteral("&Sector:"), this);
    m_sector = new QComboBox(this);
    for (int s = 1; s <= 12; ++s) {
        m_sector->addItem(QString::number(s), s);
    }
    sectorLabel->setBuddy(m_sector);
    auto* networkLabel = new QLabel(QStringLiteral("&Network:"), this);
    m_network = new QComboBox(this);
    networkLabel->setBuddy(m_network);
    FillBandCombo(m_network, m_model.Networks(), -1);
    m_result = new QLabel(this);
    auto* boxes = new QHBoxLayout();
    boxes->addWidget(sectorLabel);
    boxes->addWidget(m_sector);
    boxes->addWidget(networkLabel);
    boxes->addWidget(m_network, 1);
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Help)->setEnabled(false);
    layout->addWidget(listLabel);
    layout->addWidget(m_list, 1);
    layout->addLayout(boxes);
    layout->addWidget(m_result);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemSelectionChanged, this, [this] {
        std::set<int> rows;
        for (QTreeWidgetItem* item : m_list->selectedItems()) {
            rows.insert(m_list->indexOfTopLevelItem(item) + 1);
        }
        m_model.SelectRows(rows);
        const QSignalBlocker a(m_sector);
        const QSignalBlocker b(m_network);
        m_sector->setCurrentIndex(m_model.SharedSector() > 0 ? m_model.SharedSector() - 1 : -1);
        m_network->setCurrentIndex(m_network->findData(m_model.SharedNetwork()));
    });
    connect(m_sector, &QComboBox::activated, this, [this](int index) {
        m_model.ChooseSector(index + 1);
        Show();
    });
    connect(m_network, &QComboBox::activated, this, [this](int index) {
        m_model.ChooseNetwork(m_network->itemData(index).toInt());
        Show();
    });
    Show();
    resize(460, 420);
}

void CSectorAndNetworkDlg::Show() {
    FillTable(m_list, m_model.Table(), 3);
    for (int row = 0; row < 12; ++row) {
        m_list->topLevelItem(row)->setText(0, QStringLiteral("RVx %1").arg(row + 1));
    }
    m_result->setText(Q(m_model.ResultText()));
}

void CSectorAndNetworkDlg::accept() {
    if (m_model.Ok()) {
        QDialog::accept();
    }
}

void CSectorAndNetworkDlg::reject() {
    m_model.Cancel();
    QDialog::reject();
}

// ---- sector configuration --------------------------------------------------------------------

CWizardPagePreference::CWizardPagePreference(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Select Sector Configuration",
                      "Select a sector configuration from the list and select the used network "
                      "type. Click Modify to change the sector configuration. "),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Cabinet);
    m_configurations =
        MakeList({QStringLiteral("Sector Configuration")}, QStringLiteral("Sector Configuration"));
    SetColumnShares(m_configurations, {100}, 17);
    m_preview =
        MakeList({QStringLiteral("RVx Unit"), QStringLiteral("Sector"), QStringLiteral("Network")},
                 QStringLiteral("Sector configuration preview"));
    SetColumnShares(m_preview, {33, 27, 31}, 0, {1, 2});
    m_preview->setFocusPolicy(Qt::NoFocus);
    auto* lists = new QHBoxLayout();
    lists->addWidget(m_configurations, 1);
    lists->addWidget(m_preview, 1);
    auto* networkLabel = new QLabel(QStringLiteral("&Common Network Type:"), this);
    m_network = new QComboBox(this);
    networkLabel->setBuddy(m_network);
    auto* modify = new QPushButton(QStringLiteral(" Modify..."), this);
    auto* row = new QHBoxLayout();
    row->addWidget(networkLabel);
    row->addWidget(m_network, 1);
    row->addWidget(modify);
    Body()->addLayout(lists, 1);
    Body()->addLayout(row);
    connect(m_configurations, &QTreeWidget::currentItemChanged, this, [this] {
        m_controller.ChooseRow(m_configurations->currentIndex().row());
        Show();
    });
    connect(m_network, &QComboBox::activated, this, [this](int index) {
        m_controller.ChooseNetwork(index);
        Show();
    });
    connect(modify, &QPushButton::clicked, this, &CWizardPagePreference::Modify);
}

void CWizardPagePreference::Modify() {
    CSectorAndNetworkDlg dialog(Sheet(), m_controller.DialogSource(), m_controller.NetworkValue(),
                                this);
    if (dialog.exec() == QDialog::Accepted) {
        m_controller.Modified();
    }
    Show();
}

void CWizardPagePreference::Show() {
    {
        const QSignalBlocker block(m_configurations);
        if (m_configurations->topLevelItemCount() != static_cast<int>(m_controller.Rows().size())) {
            m_configurations->clear();
            for (const auto& row : m_controller.Rows()) {
                new QTreeWidgetItem(m_configurations, QStringList{Q(row.name)});
            }
        }
        m_configurations->setCurrentItem(
            m_configurations->topLevelItem(m_controller.SelectedRow()));
    }
    FillBandCombo(m_network, m_controller.Networks(), m_controller.SelectedNetwork());
    FillTable(m_preview, m_controller.Preview(), 3);
}

void CWizardPagePreference::Enter() {
    if (FirstEntry()) {
        m_controller.FirstDisplay();
    }
    m_controller.Enter();
    Show();
    SetButtons(wizard::EButtons::BackNext);
}

bool CWizardPagePreference::Leave() {
    m_controller.Next();
    return true;
}

// ---- positions -------------------------------------------------------------------------------

CWizardPagePositions::CWizardPagePositions(CWizardSheetModel& sheet, const char* title,
                                           const char* instruction, const char* column,
                                           const char* comboLabel)
    : CWizardPageBase(sheet, title, instruction) {
    m_list = MakeList(
        {QStringLiteral("RVx Unit"), QString::fromLatin1(column), QStringLiteral("Sector")},
        QString::fromLatin1(title));
    SetColumnShares(m_list, {20, 65, 15}, 0, {2});
    auto* label = new QLabel(QString::fromLatin1(comboLabel), this);
    m_combo = new QComboBox(this);
    label->setBuddy(m_combo);
    m_set = new QPushButton(QStringLiteral("&Set"), this);
    auto* row = new QHBoxLayout();
    row->addWidget(label);
    row->addWidget(m_combo, 1);
    row->addWidget(m_set);
    Body()->addWidget(m_list, 1);
    Body()->addLayout(row);
    connect(m_list, &QTreeWidget::currentItemChanged, this,
            [this] { PositionChosen(m_list->currentIndex().row() + 1); });
    connect(m_set, &QPushButton::clicked, this, [this] {
        SetClicked(m_combo->currentIndex());
        m_list->setFocus();
    });
}

void CWizardPagePositions::ShowTable(const CTableVector& table, int position) {
    FillTable(m_list, table, 3);
    const QSignalBlocker block(m_list);
    m_list->setCurrentItem(m_list->topLevelItem(position - 1));
}

void CWizardPagePositions::ShowChoices(const CChoiceVector& choices) {
    m_combo->clear();
    for (const auto& e : choices.entries) {
        m_combo->addItem(Q(e.text), e.value);
    }
    m_combo->setCurrentIndex(choices.selected);
}

CWizardPagePreDefined::CWizardPagePreDefined(CWizardSheetModel& sheet)
    : CWizardPagePositions(sheet, "Define RVx Configuration",
                           "Select the type of basic configuration you want to use for each RVx "
                           "group. TX and RX Main cabling will be set according to these "
                           "settings.",
                           "Configuration", "&Configuration Type:"),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Cabinet);
}

void CWizardPagePreDefined::Enter() {
    m_controller.Enter();
    ShowTable(m_controller.Table(), m_controller.Position());
    ShowChoices(m_controller.Choices());
    SetButtons(wizard::EButtons::BackNext);
}

void CWizardPagePreDefined::PositionChosen(int position) {
    m_controller.SelectPosition(position);
    ShowChoices(m_controller.Choices());
}

void CWizardPagePreDefined::SetClicked(int entry) {
    m_controller.Set(entry);
    ShowTable(m_controller.Table(), m_controller.Position());
    ShowChoices(m_controller.Choices());
}

CWizardPageDiversity::CWizardPageDiversity(CWizardSheetModel& sheet)
    : CWizardPagePositions(sheet, "Define RX Diversity Cabling",
                           "Define diversity cabling according to the sector information. ",
                           "Combiner", "&Combiner:"),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Cabling);
}

void CWizardPageDiversity::Enter() {
    m_controller.Enter();
    ShowTable(m_controller.Table(), m_controller.Position());
    ShowChoices(m_controller.Choices());
    SetButtons(wizard::EButtons::BackNext);
}

void CWizardPageDiversity::PositionChosen(int position) {
    m_controller.SelectPosition(position);
    ShowChoices(m_controller.Choices());
}

void CWizardPageDiversity::SetClicked(int entry) {
    m_controller.Set(entry);
    ShowTable(m_controller.Table(), m_controller.Position());
    ShowChoices(m_controller.Choices());
}

// ---- antennas --------------------------------------------------------------------------------

CWizardPageAntenna::CWizardPageAntenna(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Define Antenna Settings",
                      "Define antenna connections. If all connected antennas use High gain MHA "
                      "or are monitored with VSWR, select the corresponding check box below. "),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Antenna);
    auto* group = new QGroupBox(QStringLiteral("Properties for All Connected Antennas"), this);
    m_highGain = new QCheckBox(QStringLiteral("&High Gain MHAs Used (Default + 1.9 Gain Value)"));
    m_bypass = new QCheckBox(QStringLiteral("&with Bypass"));
    m_vswr = new QCheckBox(QStringLiteral("&VSWR Monitoring Enabled"));
    auto* boxes = new QVBoxLayout(group);
    boxes->addWidget(m_highGain);
    boxes->addWidget(m_bypass);
    boxes->addWidget(m_vswr);
    m_list =
        MakeList({QStringLiteral("Antenna"), QStringLiteral("Combiner"), QStringLiteral("MHA Type"),
                  QStringLiteral("VSWR"), QStringLiteral("Sector")},
                 QStringLiteral("Antennas"));
    SetColumnShares(m_list, {18, 29, 23, 15, 15}, 14, {4});
    auto* label = new QLabel(QStringLiteral("H&Yx/KNx:"), this);
    m_combo = new QComboBox(this);
    label->setBuddy(m_combo);
    auto* set = new QPushButton(QStringLiteral("&Set"), this);
    auto* row = new QHBoxLayout();
    row->addWidget(label);
    row->addWidget(m_combo, 1);
    row->addWidget(set);
    Body()->addWidget(group);
    Body()->addWidget(m_list, 1);
    Body()->addLayout(row);
    connect(m_highGain, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetHighGain(on);
        Show();
    });
    connect(m_bypass, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetBypass(on);
        Show();
    });
    connect(m_vswr, &QCheckBox::clicked, this, [this](bool on) {
        m_controller.SetVswr(on);
        Show();
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] {
        m_controller.SelectAntenna(m_list->currentIndex().row() + 1);
        const QSignalBlocker block(m_combo);
        m_combo->setCurrentIndex(m_controller.SelectedEndpoint());
    });
    connect(set, &QPushButton::clicked, this, [this] {
        m_controller.Set(m_combo->currentIndex());
        Show();
        m_list->setFocus();
    });
}

void CWizardPageAntenna::Show() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const auto& row : m_controller.Rows()) {
        auto* item =
            new QTreeWidgetItem(m_list, QStringList{Q(row.antenna), Q(row.combiner), Q(row.mhaType),
                                                    Q(row.vswr), Q(row.sector)});
        item->setTextAlignment(4, Qt::AlignCenter);
    }
    m_list->setCurrentItem(m_list->topLevelItem(m_controller.SelectedAntenna() - 1));
    {
        const QSignalBlocker comboBlock(m_combo);
        m_combo->clear();
        for (const auto& [text, port] : m_controller.Endpoints()) {
            m_combo->addItem(Q(text), port);
        }
        m_combo->setCurrentIndex(m_controller.SelectedEndpoint());
    }
    m_highGain->setChecked(m_controller.HighGain());
    m_bypass->setEnabled(m_controller.BypassEnabled());
    m_bypass->setChecked(m_controller.Bypass());
    m_vswr->setChecked(m_controller.Vswr());
}

void CWizardPageAntenna::Enter() {
    m_controller.Enter();
    Show();
    SetButtons(wizard::EButtons::BackNext);
}
