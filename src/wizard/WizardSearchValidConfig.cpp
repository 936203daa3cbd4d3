#include "wizard/WizardSearchValidConfig.h"
#include "ui/QtText.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

#include "files/TextCodec.h"

CWizardSearchValidConfig::CWizardSearchValidConfig(ISearchResultHost& host, QWidget* parent)
    : QWizardPage(parent), m_model(host) {
    setTitle(QString::fromLatin1(CSearchResultModel::kTitle));
    // On the page, as the other pages have their instruction, not in a header band of its own.
    auto* instruction =
        new QLabel(tr("Configurations that hold every unit the BTS has detected, in the order "
                      "found. The selected one is shown as the configuration candidate.\nThen "
                      "click Next to continue."),
                   this);
    instruction->setWordWrap(true);

    auto* listLabel = new QLabel(tr("&Matching configurations:"), this);
    m_results = new QListWidget(this);
    listLabel->setBuddy(m_results);
    m_results->setAccessibleName(tr("Matching configurations"));

    m_progress = new QProgressBar(this);
    m_progress->setAccessibleName(tr("Search progress"));
    m_cancel = new QPushButton(tr("Cancel &Search"), this);
    m_status = new QLabel(this);
    m_status->setWordWrap(true);

    // The text is long: it wraps in a label beside the box instead of being cut at the page edge.
    m_only = new QCheckBox(this);
    m_only->setChecked(m_model.OnlyAutodetected());
    m_only->setAccessibleName(QString::fromLatin1(CSearchResultModel::kOnlyAutodetected));
    auto* onlyText = new QLabel(QString::fromLatin1(CSearchResultModel::kOnlyAutodetected), this);
    onlyText->setWordWrap(true);
    onlyText->setBuddy(m_only);
    auto* onlyRow = new QHBoxLayout;
    onlyRow->addWidget(m_only, 0, Qt::AlignTop);
    onlyRow->addWidget(onlyText, 1);

    auto* viewBox = new QGroupBox(QString::fromLatin1(CSearchResultModel::kActiveViewLabel), this);
    auto* viewLayout = new QHBoxLayout(viewBox);
    m_views = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(QString::fromLatin1(CSearchResultModel::kViewTexts[i]));
        m_views->addButton(radio, i);
        viewLayout->addWidget(radio);
    }
    viewLayout->addStretch(1);
    m_views->button(m_model.ActiveViewChoice())->setChecked(true);

    auto* progressRow = new QHBoxLayout;
    progressRow->addWidget(m_progress, 1);
    progressRow->addWidget(m_cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(instruction);
    layout->addWidget(listLabel);
    layout->addWidget(m_results, 1);
    layout->addLayout(progressRow);
    layout->addWidget(m_status);
    layout->addLayout(onlyRow);
    layout->addWidget(viewBox);

    m_timer = new QTimer(this);
    m_timer->setInterval(50);
    connect(m_timer, &QTimer::timeout, this, &CWizardSearchValidConfig::Poll);
    connect(m_cancel, &QPushButton::clicked, this, [this] { m_model.Cancel(); });
    connect(m_results, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != m_model.Selected()) {
            m_model.Select(row);
        }
    });
    connect(m_only, &QCheckBox::toggled, this,
            [this](bool on) { m_model.SetOnlyAutodetected(on); });
    connect(m_views, &QButtonGroup::idClicked, this,
            [this](int id) { m_model.SetActiveViewChoice(id); });

    m_progress->hide();
    m_cancel->hide();
}

void CWizardSearchValidConfig::initializePage() {
    // The sheet builds every page when it opens; the page counts as made when first shown,
    // so that opening the wizard for another way does not switch the main window's view.
    if (!m_shown) {
        m_shown = true;
        m_model.Created();
    }
    if (m_model.Enter()) {
        m_results->clear();
        m_results->setEnabled(false);
        m_only->setEnabled(false);
        m_progress->setRange(0, 0);
        m_progress->show();
        m_cancel->show();
        m_status->setText(
            tr("Searching %1 ...").arg(QString::fromStdString(m_model.SearchDirectory())));
        m_timer->start();
        emit completeChanged();
    }
    const QSignalBlocker block(m_views);
    m_views->button(m_model.ActiveViewChoice())->setChecked(true);
}

void CWizardSearchValidConfig::Poll() {
    if (m_model.Poll()) {
        const SSearchProgress p = m_model.Progress();
        if (p.filesTotal > 0) {
            m_progress->setRange(0, p.filesTotal);
            m_progress->setValue(p.filesDone);
        }
        m_status->setText(tr("Searching %1: %2 of %3 files, %4 found")
                              .arg(QString::fromStdString(m_model.SearchDirectory()))
                              .arg(p.filesDone)
                              .arg(p.filesTotal)
                              .arg(p.found));
        return;
    }
    m_timer->stop();
    ShowResult();
}

void CWizardSearchValidConfig::ShowResult() {
    m_progress->hide();
    m_cancel->hide();
    m_results->setEnabled(true);
    m_only->setEnabled(true);
    {
        const QSignalBlocker block(m_results);
        m_results->clear();
        for (const CSearchResultModel::SEntry& e : m_model.Entries()) {
            m_results->addItem(FromFile(e.text));
            // Archives often hold one name in several files; the file tells them apart.
            if (e.found != nullptr) {
                m_results->item(m_results->count() - 1)
                    ->setToolTip(QString::fromStdString(e.found->path));
            }
        }
        m_results->setCurrentRow(m_model.Selected());
    }
    QStringList notes;
    if (m_model.WasCancelled()) {
        notes << tr("The search was cancelled; the list holds what was found until then.");
    }
    const auto& skipped = m_model.Skipped();
    if (!skipped.empty()) {
        QStringList names;
        for (const SSkippedFile& s : skipped) {
            names << QString::fromStdString(s.path + ": " + s.reason);
        }
        notes << tr("%n file(s) could not be searched:", nullptr, static_cast<int>(skipped.size()))
              << names;
    }
    m_status->setText(notes.join(QLatin1Char('\n')));
    m_results->setFocus();
    emit completeChanged();
}

bool CWizardSearchValidConfig::isComplete() const {
    return !m_model.Searching();
}

bool CWizardSearchValidConfig::validatePage() {
    if (m_model.Searching()) {
        return false;
    }
    m_model.Next();
    return true;
}
