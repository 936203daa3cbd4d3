#include "wizard/WizardFlowWidgets.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/wizard/WizardSheetModel.h"

namespace {

void FillList(QListWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    for (const std::string& line : lines) {
        list->addItem(Q(line));
    }
}

} // namespace

// ---- way choice ------------------------------------------------------------------------------

CWizardPageWizardWay::CWizardPageWizardWay(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Configuration Wizard",
                      "Welcome to the Configuration Wizard. Choose what you want to do."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Welcome);
    static constexpr const char* kRadios[] = {"&Search for Configuration Candidate",
                                              "&Create New Configuration",
                                              "C&heck BTS Configuration and Update BTS"};
    static constexpr const char* kTexts[] = {
        "Searches a directory of configuration files for the configurations that fit the units "
        "the connected BTS has detected.",
        "Builds a new configuration from a sector configuration, RVx group types, RX diversity "
        "cabling and antenna settings.",
        "Checks a stored or the active configuration against the BTS step by step and sends it "
        "to the BTS."};
    auto* group = new QButtonGroup(this);
    for (int way = 0; way < 3; ++way) {
        m_radios[way] = new QRadioButton(QString::fromLatin1(kRadios[way]), this);
        m_texts[way] = new QLabel(QString::fromLatin1(kTexts[way]), this);
        m_texts[way]->setWordWrap(true);
        m_texts[way]->setIndent(24);
        group->addButton(m_radios[way], way);
        Body()->addWidget(m_radios[way]);
        Body()->addWidget(m_texts[way]);
    }
    Body()->addStretch(1);
    connect(group, &QButtonGroup::idClicked, this, [this](int way) { m_controller.Choose(way); });
}

void CWizardPageWizardWay::Show() {
    m_radios[0]->setEnabled(m_controller.SearchEnabled());
    m_texts[0]->setEnabled(m_controller.SearchEnabled());
    m_radios[2]->setEnabled(m_controller.CheckEnabled());
    m_texts[2]->setEnabled(m_controller.CheckEnabled());
    const int way = m_controller.Way();
    if (way >= 0 && way < 3) {
        m_radios[way]->setChecked(true);
    }
}

void CWizardPageWizardWay::Enter() {
    if (FirstEntry()) {
        m_controller.FirstDisplay();
    }
    m_controller.Enter();
    Show();
    SetButtons(wizard::EButtons::BackNext);
}

bool CWizardPageWizardWay::Leave() {
    return m_controller.Next();
}

// ---- configuration selection -----------------------------------------------------------------

CWizardPageSCF::CWizardPageSCF(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Select Configuration",
                      "Select the configuration to check: the active one or one of a BTS HW "
                      "configuration file."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::File);
    auto* fileLabel = new QLabel(QStringLiteral("BTS HW Configuration File"), this);
    m_path = new QLineEdit(this);
    m_path->setReadOnly(true);
    fileLabel->setBuddy(m_path);
    auto* browse = new QPushButton(QStringLiteral("Browse..."), this);
    auto* row = new QHBoxLayout();
    row->addWidget(m_path, 1);
    row->addWidget(browse);
    auto* listLabel = new QLabel(QStringLiteral("&Available Orvik Configurations:"), this);
    m_list = new QListWidget(this);
    listLabel->setBuddy(m_list);
    m_description = new QLabel(this);
    m_description->setWordWrap(true);
    Body()->addWidget(fileLabel);
    Body()->addLayout(row);
    Body()->addWidget(listLabel);
    Body()->addWidget(m_list, 1);
    Body()->addWidget(m_description);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (m_controller.Browse()) {
            Fill();
        }
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        m_controller.Select(row);
        Show();
    });
}

void CWizardPageSCF::Fill() {
    const QSignalBlocker block(m_list);
    m_path->setText(Q(m_controller.PathText()));
    m_list->clear();
    for (const std::string& entry : m_controller.Entries()) {
        m_list->addItem(Q(entry));
    }
    m_list->setCurrentRow(m_controller.Selected());
    Show();
}

void CWizardPageSCF::Show() {
    m_description->setText(Q(m_controller.Description()));
    SetButtons(m_controller.Buttons());
}

void CWizardPageSCF::Enter() {
    if (FirstEntry()) {
        m_controller.FirstDisplay();
    } else {
        m_controller.RebuildList();
    }
    Fill();
}

bool CWizardPageSCF::Leave() {
    m_controller.Next();
    return true;
}

// ---- waiting for the BTS ---------------------------------------------------------------------

CWizardPageWaitForBTS::CWizardPageWaitForBTS(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "BTS Connection",
                      "Wait until the BTS is connected and in a state that allows the update."),
      m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Connection);
    auto* form = new QFormLayout();
    static constexpr const char* kLabels[] = {"Name:", "Network type:", "TRX units:", "Cabling:"};
    for (int i = 0; i < 4; ++i) {
        m_info[i] = new QLabel(this);
        m_info[i]->setAccessibleName(QString::fromLatin1(kLabels[i]));
        form->addRow(QString::fromLatin1(kLabels[i]), m_info[i]);
    }
    auto* group = new QGroupBox(QStringLiteral("Configuration Candidate"), this);
    group->setLayout(form);
    auto* statusLabel = new QLabel(QStringLiteral("BTS Connection Status"), this);
    m_status = new QListWidget(this);
    statusLabel->setBuddy(m_status);
    m_status->setAccessibleName(QStringLiteral("BTS Connection Status"));
    Body()->addWidget(group);
    Body()->addWidget(statusLabel);
    Body()->addWidget(m_status, 1);
}

void CWizardPageWaitForBTS::Show() {
    const CWizardWaitController::SInfo info = m_controller.Information();
    m_info[0]->setText(Q(info.name));
    m_info[1]->setText(Q(info.network));
    m_info[2]->setText(Q(info.trxUnits));
    m_info[3]->setText(Q(info.cabling));
    FillList(m_status, m_controller.Lines());
    m_status->scrollToBottom();
    SetBackAllowed(m_controller.BackAllowed());
}

void CWizardPageWaitForBTS::Enter() {
    m_controller.Enter();
    Show();
}

void CWizardPageWaitForBTS::OnNotification(int message, int wParam) {
    m_controller.OnNotification(message, wParam);
    Show();
}

bool CWizardPageWaitForBTS::Leave() {
    return m_controller.Next();
}

// ---- summary of a new configuration ----------------------------------------------------------

CWizardPageNewLast::CWizardPageNewLast(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "Report of New Configuration", ""), m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Report);
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("Report of New Configuration"));
    Body()->addWidget(m_list, 1);
}

void CWizardPageNewLast::Enter() {
    m_controller.Enter();
    QStringList lines;
    for (const std::string& line : m_controller.Lines()) {
        // The list shows the report's tabs as wide gaps.
        lines << Q(line).replace(QLatin1Char('\t'), QStringLiteral("    "));
    }
    m_list->clear();
    m_list->addItems(lines);
    SetButtons(m_controller.Buttons());
}

// ---- report and update -----------------------------------------------------------------------

CWizardPageLast::CWizardPageLast(CWizardSheetModel& sheet)
    : CWizardPageBase(sheet, "BTS Configuration Report", ""), m_controller(sheet) {
    SetPicture(paint::EWizardPicture::Report);
    // The way ends here with Finish: the line about Next that other pages end with would send
    // the user looking for a button that is not there.
    auto* instruction = new QLabel(QStringLiteral("Check the report of the configuration. Click "
                                                  "Finish to update the BTS and to save the "
                                                  "report when a file is named."),
                                   this);
    instruction->setWordWrap(true);
    Body()->addWidget(instruction);
    m_report = new QPlainTextEdit(this);
    m_report->setReadOnly(true);
    // The report pads its cells to 16 characters, as the file does.
    m_report->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    m_report->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_report->setAccessibleName(QStringLiteral("BTS Configuration Report"));
    auto* saveLabel = new QLabel(QStringLiteral("&Save As:"), this);
    m_saveAs = new QLineEdit(this);
    saveLabel->setBuddy(m_saveAs);
    auto* browse = new QPushButton(QStringLiteral("B&rowse..."), this);
    auto* row = new QHBoxLayout();
    row->addWidget(saveLabel);
    row->addWidget(m_saveAs, 1);
    row->addWidget(browse);
    Body()->addWidget(m_report, 1);
    Body()->addLayout(row);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (m_controller.Browse()) {
            m_saveAs->setText(Q(m_controller.SaveAs()));
        }
    });
}

void CWizardPageLast::resizeEvent(QResizeEvent* event) {
    CWizardPageBase::resizeEvent(event);
    // Columns at a fifth of the width each, as the report's tabs expect.
    m_report->setTabStopDistance(std::max(40, m_report->viewport()->width() / 5));
}

void CWizardPageLast::Enter() {
    m_controller.Enter();
    QString text;
    for (const std::string& line : m_controller.Lines()) {
        text += Q(line) + QLatin1Char('\n');
    }
    m_report->setPlainText(text);
    SetButtons(m_controller.Buttons());
}

bool CWizardPageLast::Leave() {
    m_controller.SetSaveAs(m_saveAs->text().trimmed().toStdString());
    return m_controller.Finish();
}
