#include "ui/ParseSCFErrorPage.h"
#include "ui/QtText.h"

#include "app/document/ParseProblemList.h"
#include "files/TextCodec.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

CParseSCFErrorPage::CParseSCFErrorPage(CParseProblemList& problems, QWidget* parent)
    : QWidget(parent), m_problems(problems) {
    auto* layout = new QVBoxLayout(this);
    m_list = new QTreeWidget(this);
    m_list->setHeaderLabels(
        {tr("Line"), tr("Type"), tr("Tag"), tr("Parameter"), tr("Configuration")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setAccessibleName(tr("Parse problems"));
    m_list->header()->setSectionsClickable(true);
    m_list->header()->setSortIndicatorShown(true);
    connect(m_list->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        m_problems.SortBy(column);
        Fill();
    });
    layout->addWidget(m_list, 1);
    layout->addWidget(new QLabel(QString::fromLatin1(CParseProblemList::kNote), this));
    Fill();
}

void CParseSCFErrorPage::Fill() {
    m_list->clear();
    for (const SParseProblemRow& p : m_problems.Rows()) {
        new QTreeWidgetItem(m_list,
                            {QString::number(p.line), QString::fromStdString(p.type),
                             FromFile(p.tag), FromFile(p.parameter), FromFile(p.configuration)});
    }
    m_list->header()->setSortIndicator(
        m_problems.SortColumn(), m_problems.Ascending() ? Qt::AscendingOrder : Qt::DescendingOrder);
}
