#include "ui/SiteSheets.h"
#include "ui/QtText.h"

#include "app/document/NewSiteSheetModel.h"
#include "app/document/SaveSCFSheetModel.h"
#include "files/TextCodec.h"
#include "files/xml/PlanTextCodec.h"
#include "ui/HelpLauncher.h"
#include "ui/ParseSCFErrorPage.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTabWidget>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A group of label and value columns, the labels taken from "A\nB\nC".
QGroupBox* InfoGroup(const QString& title, const std::string& labels, QLabel*& values,
                     QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QHBoxLayout(box);
    auto* names = new QLabel(Q(labels), box);
    names->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    values = new QLabel(box);
    values->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    values->setTextInteractionFlags(Qt::TextSelectableByMouse);
    values->setAccessibleName(title);
    layout->addWidget(names);
    layout->addWidget(values, 1);
    return box;
}

QGroupBox* TextGroup(const QString& title, QLabel*& text, QWidget* parent) {
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    text = new QLabel(box);
    text->setWordWrap(true);
    text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text->setAccessibleName(title);
    layout->addWidget(text);
    return box;
}

} // namespace

// ---- new or open -----------------------------------------------------------------------------

CNewSiteSheet::CNewSiteSheet(CNewSiteSheetModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("files.html#open"));
    setWindowTitle(Q(model.Caption()));
    auto* outer = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    outer->addWidget(m_tabs);

    auto* page = new QWidget(m_tabs);
    auto* layout = new QHBoxLayout(page);
    auto* left = new QVBoxLayout;
    auto* styles = new QHBoxLayout;
    auto* group = new QButtonGroup(this);
    const QString styleNames[] = {tr("Large"), tr("List"), tr("Details")};
    for (int i = 0; i < 3; ++i) {
        auto* b = new QToolButton(page);
        b->setText(styleNames[i]);
        b->setCheckable(true);
        b->setAccessibleName(styleNames[i]);
        group->addButton(b, i);
        styles->addWidget(b);
        if (i == 2) {
            b->setChecked(true);
        }
    }
    styles->addStretch();
    // They have nothing to do yet; disabled, they promise nothing.
    for (const QString& text : {tr("Open Add dialog"), tr("Refresh")}) {
        auto* b = new QPushButton(text, page);
        b->setEnabled(false);
        styles->addWidget(b);
    }
    connect(group, &QButtonGroup::idClicked, this, &CNewSiteSheet::SetStyle);
    left->addLayout(styles);
    m_list = new QTreeWidget(page);
    m_list->setHeaderLabels({tr("Configuration Name"), tr("BCF Type")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAccessibleName(tr("Configurations"));
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    m_list->setMinimumWidth(320);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_model.SortBy(column);
        FillRows();
    });
    connect(m_list, &QTreeWidget::currentItemChanged, this, [this] {
        if (QTreeWidgetItem* item = m_list->currentItem()) {
            m_model.Select(item->data(0, Qt::UserRole).toInt());
        }
        ShowSelection();
    });
    left->addWidget(m_list, 1);
    layout->addLayout(left, 3);

    auto* right = new QVBoxLayout;
    right->addWidget(
        InfoGroup(tr("BSC Information"), m_model.BscInformation().labels, m_values[0], page));
    right->addWidget(InfoGroup(tr("Site Information (Logical)"), m_model.SiteInformation().labels,
                               m_values[1], page));
    right->addWidget(InfoGroup(tr("Configuration Information"),
                               m_model.ConfigurationInformation().labels, m_values[2], page));
    right->addWidget(TextGroup(tr("Site Description"), m_siteDescription, page));
    right->addWidget(TextGroup(tr("Configuration Description"), m_configurationDescription, page));
    right->addStretch();
    layout->addLayout(right, 2);
    m_tabs->addTab(page, tr("BTS HW Configuration"));

    if (m_model.HasProblems()) {
        auto* problems = new CParseSCFErrorPage(m_model.ProblemList(), m_tabs);
        m_problems = problems->List();
        m_tabs->addTab(problems, tr("Parse Error"));
    }

    auto* buttons = new QDialogButtonBox(this);
    m_finish =
        buttons->addButton(QString::fromLatin1(m_model.FinishText()), QDialogButtonBox::AcceptRole);
    m_finish->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (m_model.CanFinish()) {
            accept();
        }
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_list, &QTreeWidget::itemActivated, m_finish, &QPushButton::click);
    outer->addWidget(buttons);
    FillRows();
    resize(780, 560);
}

void CNewSiteSheet::FillRows() {
    const QSignalBlocker block(m_list);
    m_list->clear();
    const QIcon ok = style()->standardIcon(QStyle::SP_DialogApplyButton);
    const QIcon no = style()->standardIcon(QStyle::SP_MessageBoxWarning);
    const auto& rows = m_model.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        auto* item = new QTreeWidgetItem(m_list, {FromFile(rows[i].name), Q(rows[i].bcfType)});
        item->setIcon(0, rows[i].image == 0 ? ok : no);
        item->setData(0, Qt::UserRole, static_cast<int>(i));
        item->setToolTip(0, Q(rows[i].file));
        if (static_cast<int>(i) == m_model.Selected()) {
            m_list->setCurrentItem(item);
        }
    }
    m_list->header()->setSortIndicator(
        m_model.SortColumn(), m_model.SortAscending() ? Qt::AscendingOrder : Qt::DescendingOrder);
    // Six tenths of the list for the name; before the list is laid out, of its least width.
    const int width = std::max(m_list->viewport()->width(), m_list->minimumWidth());
    m_list->setColumnWidth(0, width * 6 / 10);
    ShowSelection();
}

void CNewSiteSheet::ShowSelection() {
    m_values[0]->setText(FromFile(m_model.BscInformation().values));
    m_values[1]->setText(FromFile(m_model.SiteInformation().values));
    m_values[2]->setText(FromFile(m_model.ConfigurationInformation().values));
    m_siteDescription->setText(FromFile(m_model.SiteDescription()));
    m_configurationDescription->setText(FromFile(m_model.ConfigurationDescription()));
    m_finish->setEnabled(m_model.CanFinish());
}

void CNewSiteSheet::SetStyle(int style) {
    // Large icons, a plain list, or the details with both columns.
    m_list->setIconSize(style == 0 ? QSize(24, 24) : QSize(16, 16));
    m_list->setHeaderHidden(style == 1);
    m_list->setColumnHidden(1, style != 2);
}

// ---- save ------------------------------------------------------------------------------------

CSaveSCFSheet::CSaveSCFSheet(CSaveSCFSheetModel& model, QWidget* parent)
    : QDialog(parent), m_model(model) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("files.html#save"));
    setWindowTitle(Q(model.Caption()));
    auto* sheet = new QVBoxLayout(this);
    m_tabs = new QTabWidget(this);
    sheet->addWidget(m_tabs, 1);
    auto* page = new QWidget(m_tabs);
    auto* outer = new QVBoxLayout(page);
    m_tabs->addTab(page, tr("BTS HW Configuration"));

    auto* fileRow = new QHBoxLayout;
    auto* fileLabel = new QLabel(tr("&Filename:"), this);
    m_path = new QLineEdit(this);
    m_path->setReadOnly(true);
    m_path->setAccessibleName(tr("Filename"));
    fileLabel->setBuddy(m_path);
    auto* browse = new QPushButton(tr("&Browse..."), this);
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(m_path, 1);
    fileRow->addWidget(browse);
    outer->addLayout(fileRow);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (m_model.Browse()) {
            FillRows();
            ShowProblems();
        }
    });

    auto* middle = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    m_list = new QListWidget(this);
    m_list->setAccessibleName(tr("Configuration Name"));
    left->addWidget(m_list, 1);
    auto* deleteRow = new QHBoxLayout;
    auto* del = new QPushButton(tr("&Delete"), this);
    auto* undel = new QPushButton(tr("&Undelete"), this);
    deleteRow->addWidget(del);
    deleteRow->addWidget(undel);
    deleteRow->addStretch();
    left->addLayout(deleteRow);
    connect(del, &QPushButton::clicked, this, [this] {
        m_model.Delete();
        FillRows();
    });
    connect(undel, &QPushButton::clicked, this, [this] {
        m_model.Undelete();
        FillRows();
    });

    auto* form = new QFormLayout;
    m_name = new QLineEdit(this);
    m_name->setMaxLength(static_cast<int>(CSaveSCFSheetModel::kMaxText));
    m_name->setAccessibleName(tr("Configuration Name"));
    m_nameCounter = new QLabel(this);
    m_description = new QLineEdit(this);
    m_description->setMaxLength(static_cast<int>(CSaveSCFSheetModel::kMaxText));
    m_description->setAccessibleName(tr("Configuration Description"));
    m_descriptionCounter = new QLabel(this);
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name, 1);
    nameRow->addWidget(m_nameCounter);
    auto* descriptionRow = new QHBoxLayout;
    descriptionRow->addWidget(m_description, 1);
    descriptionRow->addWidget(m_descriptionCounter);
    form->addRow(tr("&Configuration Name:"), nameRow);
    form->addRow(tr("C&onfiguration Description:"), descriptionRow);
    qobject_cast<QLabel*>(form->labelForField(nameRow))->setBuddy(m_name);
    qobject_cast<QLabel*>(form->labelForField(descriptionRow))->setBuddy(m_description);
    left->addLayout(form);
    middle->addLayout(left, 3);
    connect(m_name, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_model.SetName(Utf8ToCp1252(t.toStdString()));
        ShowCounters();
    });
    connect(m_description, &QLineEdit::textEdited, this, [this](const QString& t) {
        m_model.SetDescription(Utf8ToCp1252(t.toStdString()));
        ShowCounters();
    });
    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_filling) {
            m_model.Select(row);
            ShowSelection();
        }
    });

    auto* right = new QVBoxLayout;
    right->addWidget(InfoGroup(tr("Site Information (Logical)"), CSiteSCFile::kLabelNetwork,
                               m_siteValues, this));
    right->addWidget(InfoGroup(tr("Configuration Information"), CSiteSCFile::kLabelUnits,
                               m_configurationValues, this));
    right->addWidget(InfoGroup(tr("New Configuration Information"), CSiteSCFile::kLabelUnits,
                               m_newValues, this));
    right->addStretch();
    middle->addLayout(right, 2);
    outer->addLayout(middle, 1);

    auto* buttons = new QDialogButtonBox(this);
    m_save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    m_save->setDefault(true);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSaveSCFSheet::OnSave);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    sheet->addWidget(buttons);

    const CSCFPanelValues fresh = m_model.NewValues();
    m_newValues->setText(FromFile(fresh.network + "\n" + fresh.trxUnits + "\n" + fresh.cabling));
    FillRows();
    ShowProblems();
    resize(760, 480);
}

void CSaveSCFSheet::ShowProblems() {
    if (!m_model.HasProblems()) {
        if (m_problemsPage != nullptr) {
            m_tabs->removeTab(m_tabs->indexOf(m_problemsPage));
            m_problemsPage->deleteLater();
            m_problemsPage = nullptr;
        }
        return;
    }
    if (m_problemsPage == nullptr) {
        m_problemsPage = new CParseSCFErrorPage(m_model.ProblemList(), m_tabs);
        m_tabs->addTab(m_problemsPage, tr("Parse Error"));
    } else {
        m_problemsPage->Fill();
    }
    // Saving leaves these lines out of the file: the user sees them before choosing Save.
    m_tabs->setCurrentWidget(m_problemsPage);
}

void CSaveSCFSheet::FillRows() {
    m_filling = true;
    m_path->setText(Q(m_model.Path()));
    m_list->clear();
    for (const SSaveRow& r : m_model.Rows()) {
        auto* item = new QListWidgetItem(FromFile(r.name), m_list);
        if (r.toDelete) {
            QFont f = item->font();
            f.setStrikeOut(true);
            item->setFont(f);
        }
    }
    m_list->setCurrentRow(m_model.Selected());
    m_filling = false;
    ShowSelection();
}

void CSaveSCFSheet::ShowSelection() {
    m_name->setText(FromFile(m_model.Name()));
    m_description->setText(FromFile(m_model.Description()));
    const CSCFPanelValues v = m_model.SelectedValues();
    m_siteValues->setText(FromFile(v.network + "\n" + v.trxIds + "\n" + v.sectors));
    m_configurationValues->setText(FromFile(v.network + "\n" + v.trxUnits + "\n" + v.cabling));
    ShowCounters();
}

void CSaveSCFSheet::ShowCounters() {
    m_nameCounter->setText(Q(m_model.NameCounter()));
    m_descriptionCounter->setText(Q(m_model.DescriptionCounter()));
}

void CSaveSCFSheet::OnSave() {
    if (m_model.Finish()) {
        accept();
        return;
    }
    FillRows();
    switch (m_model.FocusField()) {
    case CSaveSCFSheetModel::EField::Name:
        m_name->setFocus();
        m_name->selectAll();
        break;
    case CSaveSCFSheetModel::EField::Description:
        m_description->setFocus();
        m_description->selectAll();
        break;
    case CSaveSCFSheetModel::EField::None:
        break;
    }
}
