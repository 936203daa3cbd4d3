#include "wizard/WizardPageDirectory.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "ui/DirDialog.h"

CWizardPageDirectory::CWizardPageDirectory(CRegistry& settings, const std::string& applicationHome,
                                           QWidget* parent)
    : QWizardPage(parent), m_model(settings, applicationHome) {
    setTitle(QStringLiteral("Select Directory"));
    // Said on the page, as every other page says it: a subtitle would give this page alone the
    // wizard's header band.
    auto* instruction =
        new QLabel(tr("Choose the folder whose configuration files (*.hwc) are searched for "
                      "configurations that fit the units the BTS has detected.\nThen click "
                      "Next to continue."),
                   this);
    instruction->setWordWrap(true);
    browse = [this](const QString& start) -> std::optional<QString> {
        CDirDialog dialog(start, this);
        if (dialog.exec() != QDialog::Accepted) {
            return std::nullopt;
        }
        return dialog.Folder();
    };

    m_home = new QRadioButton(tr("Use &Home Directory"), this);
    m_homeText = new QLabel(QString::fromStdString(m_model.HomeDirectory()), this);
    m_homeText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_custom = new QRadioButton(tr("Use &Custom Directory"), this);
    m_folders = new QComboBox(this);
    m_folders->setAccessibleName(tr("Custom directory"));
    m_folders->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_browse = new QPushButton(tr("B&rowse..."), this);
    auto* group = new QButtonGroup(this);
    group->addButton(m_home, CDirectoryPageModel::kHome);
    group->addButton(m_custom, CDirectoryPageModel::kCustom);

    auto* layout = new QGridLayout(this);
    layout->addWidget(instruction, 0, 0, 1, 2);
    layout->addWidget(m_home, 1, 0, 1, 2);
    layout->addWidget(m_homeText, 2, 0, 1, 2);
    layout->addWidget(m_custom, 3, 0, 1, 2);
    layout->addWidget(m_folders, 4, 0);
    layout->addWidget(m_browse, 4, 1);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(5, 1);
    layout->setColumnMinimumWidth(0, 320);
    m_homeText->setIndent(24);

    connect(m_home, &QRadioButton::toggled, this, [this](bool on) {
        if (on) {
            m_model.ChooseHome();
            Refresh();
        }
    });
    connect(m_custom, &QRadioButton::toggled, this, [this](bool on) {
        if (!on) {
            return;
        }
        if (m_model.ChooseCustom()) {
            Browse();
            m_model.BrowseClosed();
        }
        Refresh();
    });
    connect(m_folders, &QComboBox::currentIndexChanged, this,
            [this](int index) { m_model.Select(index); });
    connect(m_browse, &QPushButton::clicked, this, [this] {
        Browse();
        Refresh();
    });
    Refresh();
}

void CWizardPageDirectory::Browse() {
    if (const auto chosen = browse(QString::fromStdString(m_model.BrowseStart()))) {
        m_model.FolderChosen(chosen->toStdString());
    }
}

void CWizardPageDirectory::Refresh() {
    const QSignalBlocker blockHome(m_home);
    const QSignalBlocker blockCustom(m_custom);
    const QSignalBlocker blockFolders(m_folders);
    m_home->setChecked(m_model.Choice() == CDirectoryPageModel::kHome);
    m_custom->setChecked(m_model.Choice() == CDirectoryPageModel::kCustom);
    m_folders->clear();
    for (const std::string& folder : m_model.Folders()) {
        m_folders->addItem(QString::fromStdString(folder));
    }
    m_folders->setCurrentIndex(m_model.Selected());
    m_folders->setEnabled(m_model.CustomEnabled());
    m_browse->setEnabled(m_model.CustomEnabled());
}

void CWizardPageDirectory::initializePage() {
    if (onEnter) {
        onEnter();
    }
    Refresh();
}

bool CWizardPageDirectory::validatePage() {
    const std::string folder = m_model.Next();
    if (onNext) {
        onNext(folder);
    }
    return true;
}
