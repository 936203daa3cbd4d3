#include "ui/SmallDialogs.h"

#include "paint/ViewIcons.h"
#include "ui/HelpLauncher.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

CSendMissingInfoDlg::CSendMissingInfoDlg(const std::array<SMissingSection, 4>& sections,
                                         QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Missing Information"));
    auto* outer = new QVBoxLayout(this);
    auto* area = new QScrollArea(this);
    area->setWidgetResizable(true);
    auto* inner = new QWidget(area);
    auto* grid = new QGridLayout(inner);
    // The pictures of the views where each kind of missing information is put right.
    const int size = style()->pixelMetric(QStyle::PM_LargeIconSize);
    for (int i = 0; i < 4; ++i) {
        auto* icon = new QLabel(inner);
        icon->setPixmap(paint::ViewIcon(sections[i].viewType).pixmap(size, size));
        auto* text =
            new QLabel(QString::fromStdString(sections[i].heading + sections[i].text), inner);
        text->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        text->setAccessibleName(QString::fromStdString(sections[i].heading).trimmed());
        grid->addWidget(icon, i, 0, Qt::AlignTop);
        grid->addWidget(text, i, 1, Qt::AlignTop);
    }
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);
    area->setWidget(inner);
    outer->addWidget(area, 1);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    resize(460, 420);
}

CAddCabinetSheet::CAddCabinetSheet(QWidget* parent) : QDialog(parent) {
    setProperty(CHelpLauncher::kPageProperty, QStringLiteral("editing.html"));
    setWindowTitle(tr("Cabinet"));
    auto* outer = new QVBoxLayout(this);
    auto* tabs = new QTabWidget(this);
    auto* page = new QWidget(tabs);
    auto* layout = new QGridLayout(page);
    auto* fileLabel = new QLabel(tr("Filename"), page);
    auto* file = new QLineEdit(page);
    file->setAccessibleName(tr("Filename"));
    file->setEnabled(false);
    auto* browse = new QPushButton(tr("Browse..."), page);
    browse->setEnabled(false);
    layout->addWidget(fileLabel, 0, 0);
    layout->addWidget(file, 0, 1);
    layout->addWidget(browse, 0, 2);
    m_list = new QTreeWidget(page);
    m_list->setHeaderLabels({tr("Site Name"), tr("Cabinet")});
    m_list->setRootIsDecorated(false);
    m_list->setAccessibleName(tr("Cabinets"));
    new QTreeWidgetItem(m_list, {tr("Under construction"), QString()});
    m_list->setColumnWidth(0, 240);
    layout->addWidget(m_list, 1, 0, 1, 3);
    const QString groups[] = {tr("Cabinet Information (Physical)"), tr("BSC Information"),
                              tr("Site Information (Logical)"), tr("Cabinet Description")};
    int row = 2;
    for (const QString& g : groups) {
        auto* box = new QGroupBox(g, page);
        box->setEnabled(false);
        layout->addWidget(box, row++, 0, 1, 3);
    }
    auto* replace = new QCheckBox(tr("&Replace current cabinet"), page);
    replace->setEnabled(false);
    layout->addWidget(replace, row++, 0, 1, 3);
    layout->addWidget(new QLabel(tr("Add cabinet information to site with"), page), row, 0, 1, 3);
    tabs->addTab(page, tr("Cabinet"));
    outer->addWidget(tabs);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    resize(480, 520);
}
